#pragma once
// Canvases drawn as small pictures, one character per cell, in either byte mode. In double-byte
// mode each picture character stands for a 2-byte cell: '#' a wall (full-width), '.' open ground
// (full-width), 'o' two half-width letters sharing one cell, '*' the full-width pen.
#include <string>
#include <vector>

#include "canvas/canvas_state.h"
#include "tool_canvas.h"

namespace quillo::tools::testing {

inline std::string cell_of(char ch, bool double_byte) {
    if (!double_byte) return std::string(1, ch);
    switch (ch) {
        case '#':
            return "\xA9\xA5";  // a box-drawing character
        case '.':
            return "\xA1\xA4";  // a full-width dot
        case '*':
            return "\xA1\xEF";
        case 'o':
            return "oo";
        default:
            return std::string{ch, ' '};
    }
}

inline std::string pen_of(bool double_byte) {
    return cell_of('*', double_byte);
}

// A canvas as load window leaves it: rows padded to the width plus one space.
inline canvas::CanvasState picture(const std::vector<std::string>& rows, bool double_byte) {
    const int cells = static_cast<int>(rows.at(0).size());
    auto c =
        blank_canvas(double_byte ? 2 * cells : cells, static_cast<int>(rows.size()), double_byte);
    for (int r = 1; r <= c.height; ++r) {
        std::string row;
        for (char ch : rows[static_cast<std::size_t>(r - 1)]) row += cell_of(ch, double_byte);
        row += ' ';
        for (int layer = 1; layer <= canvas::kLayerCount; ++layer) c.layers.row(layer, r) = row;
    }
    return c;
}

// Cells 1..width (or width / 2) of row r of the working layer read back as a picture ('?' for a
// cell that is none of the above).
inline std::string seen(const canvas::CanvasState& c, int r) {
    const std::string& row = c.layers.row(canvas::kWorking, r);
    const std::size_t size = c.double_byte ? 2 : 1;
    const std::size_t end = static_cast<std::size_t>(c.double_byte ? c.width / 2 * 2 : c.width);
    std::string out;
    for (std::size_t i = 0; i + size <= row.size() && i < end; i += size) {
        const std::string cell = row.substr(i, size);
        char shown = '?';
        for (char ch : std::string("#.*o")) {
            if (cell == cell_of(ch, c.double_byte)) shown = ch;
        }
        if (cell == std::string(size, ' ')) shown = ' ';
        out += shown;
    }
    return out;
}

inline std::vector<std::string> seen_all(const canvas::CanvasState& c) {
    std::vector<std::string> out;
    for (int r = 1; r <= c.height; ++r) out.push_back(seen(c, r));
    return out;
}

}  // namespace quillo::tools::testing
