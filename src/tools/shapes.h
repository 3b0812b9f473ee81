#pragma once
// Figures between the drag start and end cells: each resets the working layer from the
// committed layer and lays the whole figure again, so a drag redraws it live.
#include <string_view>

#include "canvas/canvas_state.h"
#include "tools/cell.h"

namespace quillo::tools {

// Closed outline; a start and end in one column give a vertical bar.
void rectangle(canvas::CanvasState& c, Cell a, Cell b, std::string_view pen);

// One cell per row when steeper than 45 degrees, one per column otherwise.
void line(canvas::CanvasState& c, Cell a, Cell b, std::string_view pen);

// Circle centred on the start cell through the end cell, stretched by the aspect ratio.
void circle(canvas::CanvasState& c, Cell a, Cell b, double aspect, std::string_view pen);

// The circle's centre column: in double-byte mode the start cell snaps to an odd cell.
int circle_centre_column(int x1, bool double_byte);

// Half extents of the ellipse plot's column pass (hx) and row pass (vy) for radius r.
struct Extents {
    int hx;
    int vy;
};
Extents ellipse_extents(double r, double a);

// Plots the ellipse of squared radius r2 around (cx, cy) into the working layer; cells off the
// canvas are dropped.
void ellipse_plot(canvas::CanvasState& c, int cx, int cy, long long r2, double a,
                  std::string_view pen);

}  // namespace quillo::tools
