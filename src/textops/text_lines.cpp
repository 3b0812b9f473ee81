#include "textops/text_lines.h"

#include <algorithm>

#include "canvas/row_text.h"

namespace quillo::textops {

std::string expand_tabs(std::string_view line) {
    if (line.find('\t') == std::string_view::npos) return std::string(line);
    std::string out;
    out.reserve(line.size() + 8);
    for (const char b : line) {
        if (b == '\t')
            out.append(static_cast<std::size_t>(kTabStop - static_cast<int>(out.size() % kTabStop)),
                       ' ');
        else
            out.push_back(b);
    }
    return out;
}

bool has_full_width_byte(std::string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char b) { return static_cast<unsigned char>(b) >= 128; });
}

std::string align_to_cells(std::string_view line, bool double_byte) {
    return canvas::double_byte_normalise(line, double_byte || has_full_width_byte(line));
}

std::size_t normalise_lines(Lines& lines, bool double_byte) {
    std::size_t widest = 1;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        *it = align_to_cells(expand_tabs(*it), double_byte);
        widest = std::max(widest, it->size());
    }
    return widest;
}

bool result_fits(std::size_t lines, std::size_t line_bytes) {
    if (lines == 0) return true;
    const std::size_t per_line = line_bytes + kTextBoxLineCost;
    return per_line <= kResultLimitBytes / lines;
}

}  // namespace quillo::textops
