#pragma once
// Fill: the region of equal characters around a clicked cell, spread row by row, first upwards
// from the clicked row and then downwards. It never turns back, so a part of the region that
// can only be reached by going down and up again (the far arm of a U) stays as it is.
#include <string_view>

#include "canvas/canvas_state.h"
#include "tools/cell.h"

namespace quillo::tools {

// A stretch of cells start..end (1-based, start <= end) on one row.
struct Run {
    int start = 0;
    int end = 0;
    friend bool operator==(Run, Run) = default;
};

// A run of the row being examined continues a run filled on the previous row only when they
// overlap by more than an end column: runs that merely meet in one column do not connect, and a
// one-cell run connects only to a run that reaches past it on both sides.
inline bool runs_connect(Run candidate, Run active) {
    return candidate.start < active.end && candidate.end > active.start;
}

// Fills, in the working layer, the seed run of cells equal to `character` through `at` and
// every run connected to it row by row (see above), with the pen (pen_cell). Cells are bytes
// 1..width, or in double-byte mode 2-byte cells 1..width / 2 compared whole. Returns the number
// of cells filled (0 when `at` does not hold `character`). Committing is the caller's step.
int fill(canvas::CanvasState& c, Cell at, std::string_view character, std::string_view pen);

}  // namespace quillo::tools
