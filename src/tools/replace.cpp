#include "tools/replace.h"

#include "canvas/row_text.h"

namespace quillo::tools {

std::string_view cell_bytes(std::string_view row, int x, bool double_byte) {
    const int size = double_byte ? 2 : 1;
    const int first = double_byte ? 2 * x - 1 : x;
    if (x < 1 || first + size - 1 > static_cast<int>(row.size()) ||
        first + size - 1 > canvas::kMaxRowBytes)
        return {};
    return row.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(size));
}

std::string clicked_character(const canvas::CanvasState& c, Cell at) {
    // Only the canvas's own cells are clicked; bytes a longer document line keeps beyond the
    // canvas width are not part of the picture.
    const int cells = c.double_byte ? canvas::round_half_even(c.width / 2.0) : c.width;
    if (!on_canvas(c, at.x, at.y) || at.x > cells) return {};
    return std::string(cell_bytes(c.layers.row(canvas::kWorking, at.y), at.x, c.double_byte));
}

std::string pen_cell(std::string_view pen, bool double_byte) {
    if (pen.empty()) return {};
    if (!double_byte) return std::string(1, pen[0]);
    return canvas::double_byte_normalise(pen.substr(0, 3), true).substr(0, 2);
}

int replace_all(canvas::CanvasState& c, std::string_view character, std::string_view pen) {
    const bool twin = c.double_byte;
    const std::string put = pen_cell(pen, twin);
    if (character.size() != (twin ? 2u : 1u) || put.empty()) return 0;
    const int cells = twin ? canvas::round_half_even(c.width / 2.0) : c.width;
    const int size = twin ? 2 : 1;
    int replaced = 0;
    for (int r = 1; r <= c.height && r <= canvas::kMaxRows; ++r) {
        std::string& row = c.layers.row(canvas::kWorking, r);
        for (int k = 1; k <= cells; ++k) {
            const std::string_view cell = cell_bytes(row, k, twin);
            if (cell.empty()) break;  // the row ends here
            if (cell != character) continue;
            row.replace(static_cast<std::size_t>((k - 1) * size), put.size(), put);
            ++replaced;
        }
    }
    return replaced;
}

}  // namespace quillo::tools
