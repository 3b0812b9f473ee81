#pragma once
// The picture of the canvas as the view shows it, for the PNG export: the canvas image cut to
// the canvas's cells, and over it the floating block where it floats (its frame is no part of
// the picture). The pixels are the ones the view blits, so the file matches the screen.
#include <cstdint>
#include <string>

#include "platform/raster.h"

namespace quillo::interop {

struct CanvasPicture {
    const platform::Raster* base = nullptr;
    int width = 0;  // pixels of base from its left edge, within it
    int height = 0;
    const platform::Raster* overlay = nullptr;  // the floating block, or nullptr
    int overlay_x = 0;                          // its top-left corner on base
    int overlay_y = 0;
};

// The canvas: `columns` half-width columns (the canvas width in bytes) by `rows` rows of the
// canvas image, cut to the image.
CanvasPicture canvas_picture(const platform::Raster& image, int columns, int rows);

// The floating block alone, its whole image.
CanvasPicture block_picture(const platform::Raster& block);

// Row y of the picture, `width` pixels.
void picture_row(const CanvasPicture& picture, int y, std::uint32_t* out);

// The PNG file of the picture, each pixel scale x scale.
std::string picture_png(const CanvasPicture& picture, int scale);

}  // namespace quillo::interop
