#pragma once
// Single points, freehand trails and random scatter.
#include <string_view>

#include "canvas/canvas_state.h"
#include "platform/random.h"
#include "tools/cell.h"

namespace quillo::tools {

// The point follows the pointer: the previous position disappears.
void single_point(canvas::CanvasState& c, Cell end, std::string_view pen);

// Adds the cell to the trail already in the working layer.
void freehand_cell(canvas::CanvasState& c, Cell end, std::string_view pen);

// Scatter never lays more than this many points per canvas byte: enough to cover it many times
// over, and a typed count of a billion cannot freeze the program.
inline constexpr int kScatterPerByte = 20;

// Where a random value v (0 <= v < h * w) lands: x is the byte column, y the row.
Cell scatter_cell(int v, int w);

// Lays n random points into rows 1..h, bytes 1..w of the working layer: one pen byte in
// single-byte mode, the two pen bytes on the enclosing 2-byte cell when two_byte_cells (the
// game always asks for that). n is clamped to kScatterPerByte * h * w.
void random_scatter(canvas::CanvasState& c, int h, int w, int n, std::string_view pen,
                    bool two_byte_cells, platform::Random& rng);

}  // namespace quillo::tools
