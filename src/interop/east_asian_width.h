#pragma once
// East Asian Width of Unicode characters, as far as the text conversions need it: whether a
// character is Wide (W) or Fullwidth (F) and so takes two terminal columns, one full-width cell.
namespace quillo::interop {

// True for the characters Unicode's EastAsianWidth lists as W or F (Unicode 15). Ambiguous (A)
// characters count as narrow, as terminals outside East Asian locales show them.
bool is_wide(char32_t code_point);

}  // namespace quillo::interop
