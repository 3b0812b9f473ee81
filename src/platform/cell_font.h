#pragma once
// The canvas font: GNU Unifont glyphs compiled into the program. A half-width glyph is 8 x 16
// pixels (16 bytes, one per row, bit 7 = leftmost pixel); a full-width glyph is 16 x 16 pixels
// (32 bytes, two per row, big-endian bits).
#include <cstdint>

namespace quillo::platform {

inline constexpr int kGlyphHeight = 16;

// Glyph of a single byte below 128 (control bytes give the placeholder).
const std::uint8_t* half_width_glyph(unsigned char byte);

// Glyph of the GBK pair (lead, trail), or nullptr when the pair is no GBK character.
const std::uint8_t* full_width_glyph(unsigned char lead, unsigned char trail);

// 8 x 16 placeholder drawn for a byte that is no character (0x80, 0xFF, a lone lead byte).
const std::uint8_t* placeholder_glyph();

}  // namespace quillo::platform
