#pragma once
// One driver for press, move and release on the canvas, whatever the tool: the tool table says
// what a tool does, the driver says when.
#include "tools/tool_table.h"

namespace quillo::tools {

// A pointer far outside the canvas still maps to a cell, held to this range so figure
// arithmetic stays small.
inline constexpr int kFarCell = 10000;

// The cell under pixel (x, y) of the canvas image.
Cell cell_at(int x, int y, bool double_byte);

// Press: true when it counts (a tool or a colour brush is active); then the press flag is set
// and, with a tool, the drag starts at the mouse cell.
bool tool_press(DragCells& d, int tool, int colour_brush_mode, bool& press_flag);

enum class CellStep {
    idle,       // no press
    same_cell,  // the pointer is still on the cell the dispatch last ran on
    routine,    // the tool's routine ran on a new cell
    stamp,      // still on the start cell: the pen was laid there (or nothing, for some tools)
};

// The per-cell dispatch after the coordinate display. The caller repaints unless idle or
// same_cell.
CellStep dispatch_cell(DragCells& d, int tool, bool press_flag, int colour_brush_mode,
                       ToolEnv& env);

// The click after a release: runs the tool's click routine at the mouse cell. True when it
// changed the working layer and is to be committed.
bool tool_click(int tool, Cell at, ToolEnv& env);

// Release: true when the operation is to be committed (a tool is active).
bool tool_release(int tool, int colour_brush_mode, bool& press_flag);

}  // namespace quillo::tools
