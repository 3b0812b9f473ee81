#pragma once
// A canvas cell: column (bytes in single-byte mode, 2-byte cells in double-byte mode) and row.
#include <string_view>

#include "canvas/canvas_state.h"

namespace quillo::tools {

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(Cell, Cell) = default;
};

// The highest column a figure may reach: a double-byte cell counts while its first byte is on
// the canvas, as the ellipse plot has always done.
inline int last_column(const canvas::CanvasState& c) {
    return c.double_byte ? (c.width + 1) / 2 : c.width;
}

inline bool on_canvas(const canvas::CanvasState& c, int x, int y) {
    return y >= 1 && y <= c.height && x >= 1 && x <= last_column(c);
}

// Lays the pen at (x, y) of the working layer when the cell is on the canvas; the pointer may
// be dragged far outside it, and those cells are simply dropped.
void plot(canvas::CanvasState& c, int x, int y, std::string_view pen);

}  // namespace quillo::tools
