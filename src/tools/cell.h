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

// The highest column a figure's loops visit. Which bytes really take the pen is up to the row
// (canvas::lay_pen): every byte it holds, so a line reaches the padding byte after the last
// column of a short row as well, and never beyond 255 bytes.
inline int last_column(const canvas::CanvasState& c) {
    return c.double_byte ? canvas::kMaxRowBytes / 2 : canvas::kMaxRowBytes;
}

inline bool on_canvas(const canvas::CanvasState& c, int x, int y) {
    return y >= 1 && y <= c.height && x >= 1 && x <= last_column(c);
}

// Lays the pen at (x, y) of the working layer when the cell is in rows 1..height and in its
// row; the pointer may be dragged far outside the canvas, and those cells are simply dropped.
void plot(canvas::CanvasState& c, int x, int y, std::string_view pen);

}  // namespace quillo::tools
