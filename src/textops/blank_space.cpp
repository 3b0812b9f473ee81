#include "textops/blank_space.h"

#include <algorithm>

namespace quillo::textops {

Lines add_blank_lines(const Lines& text) {
    Lines out;
    if (text.empty()) return out;
    out.reserve(2 * text.size() - 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i) out.emplace_back();
        out.push_back(text[i]);
    }
    return out;
}

Lines add_blank_columns(Lines text, bool double_byte) {
    for (auto& line : text) {
        const std::string aligned = align_to_cells(line, double_byte);
        const std::size_t cells = cells_in(aligned.size());
        std::string out;
        out.reserve(aligned.size() + 2 * cells);
        for (std::size_t c = 1; c <= cells; ++c) {
            out.append(cell_of(aligned, c));
            out.append("  ");
        }
        line = std::move(out);
    }
    return text;
}

Lines remove_blank_lines(Lines text) {
    const auto blank = [](const std::string& line) {
        return line.find_first_not_of(" \r\t") == std::string::npos;
    };
    text.erase(std::remove_if(text.begin(), text.end(), blank), text.end());
    return text;
}

Lines remove_spaces(Lines text) {
    for (auto& line : text)
        line.erase(
            std::remove_if(line.begin(), line.end(), [](char b) { return b == ' ' || b == '\t'; }),
            line.end());
    return text;
}

}  // namespace quillo::textops
