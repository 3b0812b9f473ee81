#pragma once
// Small routines on rows and numbers that every canvas operation shares.
#include <string>
#include <string_view>

namespace quillo::canvas {

inline int larger_of(int a, int b) {
    return a >= b ? a : b;
}
inline int smaller_of(int a, int b) {
    return a <= b ? a : b;
}

// (position - origin) div pitch + 1 with truncating division, as the mouse mapping uses it.
inline int pixel_to_cell(int position, int origin, int pitch) {
    return (position - origin) / pitch + 1;
}

// A string shorter than n gains spaces until it is n + 1 bytes long; longer ones are unchanged.
std::string pad_to_width(std::string s, int n);

// Re-aligns a row so every full-width character starts at an odd byte and fills one 2-byte cell.
// Returns s unchanged when `on` is false.
std::string double_byte_normalise(std::string_view s, bool on);

// Up to the last non-space byte; all spaces give " "; empty stays empty.
std::string trailing_space_trim(std::string_view s);

// Rounds to the nearest integer, halves to even.
int round_half_even(double v);

// Cuts a string to the 255 bytes a row can hold.
std::string cut_to_row(std::string s);

}  // namespace quillo::canvas
