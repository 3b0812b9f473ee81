#include "textops/reading_direction.h"

#include <algorithm>

#include "canvas/row_text.h"

namespace quillo::textops {

Transformed transpose_reading(const Lines& text, bool double_byte, const CellTable& punctuation) {
    Transformed result;
    const std::size_t n = text.size();
    if (n > kMaxDirectionLines) {
        result.outcome = Outcome::too_many_lines;
        return result;
    }
    Lines lines = text;
    const std::size_t columns = cells_in(normalise_lines(lines, double_byte));
    if (!result_fits(columns, 2 * n)) {
        result.outcome = Outcome::too_wide;
        return result;
    }
    result.lines.reserve(columns);
    for (std::size_t c = 1; c <= columns; ++c) {
        std::string out;
        out.reserve(2 * n);
        for (const auto& line : lines) {
            const std::string_view cell = cell_of(line, c);
            out.append(cell);
            out.append(2 - cell.size(), ' ');
        }
        out = canvas::trailing_space_trim(map_punctuation(std::move(out), punctuation));
        result.longest = std::max(result.longest, out.size());
        result.lines.push_back(std::move(out));
    }
    return result;
}

Transformed mirror_text(const Lines& text, bool double_byte) {
    Transformed result;
    Lines lines = text;
    const std::size_t columns = cells_in(normalise_lines(lines, double_byte));
    if (!result_fits(lines.size(), 2 * columns)) {
        result.outcome = Outcome::too_wide;
        return result;
    }
    for (auto& line : lines) {
        std::string out;
        out.reserve(2 * columns);
        for (std::size_t c = columns; c >= 1; --c) {
            if (2 * c - 1 <= line.size())
                out.append(mirror_cell(cell_of(line, c)));
            else
                out.append("  ");
        }
        line = canvas::trailing_space_trim(out);
        result.longest = std::max(result.longest, line.size());
    }
    result.lines = std::move(lines);
    return result;
}

int long_line_limit(int width) {
    return canvas::round_half_even(width / 8.0 - 4);
}

}  // namespace quillo::textops
