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

Lines add_blank_columns(const Lines& text, bool double_byte) {
    Lines out;
    out.reserve(text.size());
    std::string aligned;
    for (const auto& line : text) {
        std::string_view cells = line;
        if (double_byte || has_full_width_byte(line)) {
            aligned = align_to_cells(line, double_byte);
            cells = aligned;
        }
        std::string spaced(cells.size() + 2 * cells_in(cells.size()), ' ');
        char* w = spaced.data();
        for (std::size_t i = 0; i < cells.size(); i += 2) {
            const std::size_t n = std::min<std::size_t>(2, cells.size() - i);
            std::copy_n(cells.data() + i, n, w);
            w += n + 2;
        }
        out.push_back(std::move(spaced));
    }
    return out;
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
