#pragma once
// Windows and OS/2 bitmaps as users meet them: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up
// and top-down, uncompressed, RLE8, RLE4 and bit fields. Nothing is trusted: every size is
// checked against the limits and the file's length before it is used.
#include <cstdint>
#include <span>

#include "imagetext/picture.h"
#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

// The file starts like a bitmap ("BM").
bool looks_like_bmp(std::span<const std::uint8_t> bytes);

// The picture, or PictureError saying what is wrong with the file.
Picture read_bmp(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {});

}  // namespace quillo::imagetext
