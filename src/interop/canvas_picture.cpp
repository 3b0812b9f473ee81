#include "interop/canvas_picture.h"

#include <algorithm>
#include <cstring>

#include "canvas/constants.h"
#include "interop/png_writer.h"

namespace quillo::interop {

CanvasPicture canvas_picture(const platform::Raster& image, int columns, int rows) {
    CanvasPicture p;
    p.base = &image;
    p.width = std::clamp(columns * canvas::kHalfWidth, 0, image.width());
    p.height = std::clamp(rows * canvas::kRowPitch, 0, image.height());
    return p;
}

CanvasPicture block_picture(const platform::Raster& block) {
    CanvasPicture p;
    p.base = &block;
    p.width = block.width();
    p.height = block.height();
    return p;
}

void picture_row(const CanvasPicture& p, int y, std::uint32_t* out) {
    std::memcpy(out, p.base->scan_line(y), static_cast<std::size_t>(p.width) * 4);
    if (!p.overlay) return;
    const int oy = y - p.overlay_y;
    if (oy < 0 || oy >= p.overlay->height()) return;
    // The block may hang over any edge while it is dragged; only its part on the canvas shows.
    const int from = std::max(p.overlay_x, 0);
    const int to = std::min(p.overlay_x + p.overlay->width(), p.width);
    if (from >= to) return;
    std::memcpy(out + from, p.overlay->scan_line(oy) + (from - p.overlay_x),
                static_cast<std::size_t>(to - from) * 4);
}

std::string picture_png(const CanvasPicture& picture, int scale) {
    return encode_png(picture.width, picture.height, scale,
                      [&picture](int y, std::uint32_t* out) { picture_row(picture, y, out); });
}

}  // namespace quillo::interop
