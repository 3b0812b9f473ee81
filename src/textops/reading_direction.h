#pragma once
// Horizontal reading to vertical reading and back, and the left-right mirror of the text: the
// lines are read as a grid of 2-byte cells that is transposed or reversed row by row.
#include <cstddef>
#include <string>

#include "textops/cell_tables.h"
#include "textops/text_lines.h"

namespace quillo::textops {

inline constexpr std::size_t kMaxDirectionLines = 256;
inline constexpr const char* kTooManyLinesMessage = "文章超过256行.不能执行!";
inline constexpr const char* kWrapCancelledMessage = "由于超长，暂时取消了自动换行。";

enum class Outcome { done, too_many_lines, too_wide };

struct Transformed {
    Outcome outcome = Outcome::done;
    Lines lines;              // the new text when done
    std::size_t longest = 0;  // bytes of the longest new line
};

// Transposes the cell grid: column c of the text becomes line c, the first line the leftmost
// column. `punctuation` is vertical_punctuation() for horizontal-to-vertical reading and
// horizontal_punctuation() for the way back. More than 256 lines are refused, and so is a result
// that would not fit in memory.
Transformed transpose_reading(const Lines& text, bool double_byte, const CellTable& punctuation);

// Reverses every line cell by cell, right-aligned to the widest line, swapping paired marks.
Transformed mirror_text(const Lines& text, bool double_byte);

// Longest line (bytes) that fits in a text box `width` pixels wide before the transform
// switches word wrap off: round(width / 8 - 4).
int long_line_limit(int width);

}  // namespace quillo::textops
