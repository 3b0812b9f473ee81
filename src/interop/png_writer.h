#pragma once
// A PNG encoder for pictures of the canvas: 8-bit indexed colour when the picture has at most
// 256 colours (text art nearly always has), 24-bit RGB otherwise; no alpha, no gamma.
#include <cstdint>
#include <functional>
#include <string>

namespace quillo::interop {

// Writes row y (0-based) of the picture, `width` pixels of 0x00RRGGBB (the high byte is
// ignored).
using PixelRows = std::function<void(int y, std::uint32_t* out)>;

// The PNG file of a width x height picture, each pixel repeated scale x scale times.
// Rows are asked for twice: once to count the colours, once to write them.
std::string encode_png(int width, int height, int scale, const PixelRows& rows);

}  // namespace quillo::interop
