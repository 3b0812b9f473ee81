#include "tools/tool_driver.h"

#include <algorithm>

#include "canvas/constants.h"
#include "canvas/row_text.h"

namespace quillo::tools {

Cell cell_at(int x, int y, bool double_byte) {
    const int pitch = double_byte ? canvas::kFullWidth : canvas::kHalfWidth;
    return {std::clamp(canvas::pixel_to_cell(x, 0, pitch), -kFarCell, kFarCell),
            std::clamp(canvas::pixel_to_cell(y, 0, canvas::kRowPitch), -kFarCell, kFarCell)};
}

bool tool_press(DragCells& d, int tool, int colour_brush_mode, bool& press_flag) {
    if (colour_brush_mode == 0 && tool == 0) return false;
    press_flag = true;
    if (tool != 0) d.start = d.mouse;
    return true;
}

CellStep dispatch_cell(DragCells& d, int tool, bool press_flag, int colour_brush_mode,
                       ToolEnv& env) {
    if (!press_flag) return CellStep::idle;
    d.end = d.mouse;
    // Moving within one cell runs nothing; the last cell survives a press on purpose.
    if (d.end == d.last) return CellStep::same_cell;
    d.last = d.end;
    const ToolRow* row = tool_row(tool);
    if (d.end != d.start || colour_brush_mode != 0) {
        if (row && row->on_new_cell) row->on_new_cell(env, d);
        // The colour brush paints the cell here once the colour layer exists.
        return CellStep::routine;
    }
    if (row && row->stamps) plot(env.canvas, d.end.x, d.end.y, env.pen);
    return CellStep::stamp;
}

bool tool_click(int tool, Cell at, ToolEnv& env) {
    const ToolRow* row = tool_row(tool);
    return row && row->on_click && row->on_click(env, at);
}

bool tool_release(int tool, int colour_brush_mode, bool& press_flag) {
    if (colour_brush_mode != 0 || tool != 0) press_flag = false;
    return tool != 0;
}

}  // namespace quillo::tools
