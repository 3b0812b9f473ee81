#pragma once
// GBK lookups for the UTF-8 conversions: the program's own GBK table (platform/gbk.h) turned
// round into a direct index, so a conversion costs one load per character.
#include <cstdint>
#include <string_view>

namespace quillo::interop {

// The two bytes (lead << 8 | trail) of the GBK character for a code point, 0 when GBK lacks
// it. ASCII and the private code points that carry stray bytes are no GBK character here.
std::uint16_t gbk_code(char32_t code_point);

// Whether the bytes are GBK text: every byte of 0x80 or more begins a pair that is a character.
bool is_valid_gbk(std::string_view bytes);

}  // namespace quillo::interop
