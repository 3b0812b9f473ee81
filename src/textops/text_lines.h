#pragma once
// The document text as the text menu sees it: GBK lines read in 2-byte cells. Shared by the
// direction transforms, the mirror, the blank-space commands and the scrambling.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::textops {

using Lines = std::vector<std::string>;

inline constexpr int kTabStop = 8;

// Each TAB becomes the spaces up to the next multiple of 8 output bytes (8 at a multiple).
std::string expand_tabs(std::string_view line);

// Cell c (1-based) of a line: bytes 2c-1 and 2c. One byte at the end of an odd-length line;
// empty past the end.
inline std::string_view cell_of(std::string_view line, std::size_t c) {
    const std::size_t first = 2 * c - 2;
    if (first >= line.size()) return {};
    return line.substr(first, 2);
}

// Number of cells of a line of `bytes` bytes, a last odd byte counting as a cell.
inline std::size_t cells_in(std::size_t bytes) {
    return (bytes + 1) / 2;
}

bool has_full_width_byte(std::string_view line);

// Aligns full-width characters to cells. In double-byte mode every line goes through the
// double-byte normaliser; in single-byte mode only lines holding a byte of 128 or more do,
// since cutting such a line into cells as it stands would split characters into halves. Lines of
// half-width characters only are kept as they are in single-byte mode.
std::string align_to_cells(std::string_view line, bool double_byte);

// Line normalisation of the direction transforms and the mirror: tabs expanded, then aligned
// to cells. Returns the widest line in bytes, at least 1.
std::size_t normalise_lines(Lines& lines, bool double_byte);

// Results are built in memory and then handed to the text box, which spends about this much on
// each line besides its bytes.
inline constexpr std::size_t kResultLimitBytes = 64u << 20;
inline constexpr std::size_t kTextBoxLineCost = 128;

// True when `lines` lines of `line_bytes` bytes each stay within the result limit.
bool result_fits(std::size_t lines, std::size_t line_bytes);

inline constexpr const char* kTooWideMessage = "文章过宽,不能执行!";

}  // namespace quillo::textops
