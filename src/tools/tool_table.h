#pragma once
// The drawing tools as rows of a table: a tool is a row plus the routine a move into a new cell
// runs. The number is the Tag its speed button and menu item carry.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas_state.h"
#include "document/document.h"
#include "platform/random.h"
#include "tools/cell.h"
#include "tools/text_gun.h"

namespace quillo::tools {

// Cells of a drag: the pointer's cell, where the press started, where it is now, and the cell
// the dispatch last ran on (kept across presses).
struct DragCells {
    Cell mouse;
    Cell start;
    Cell end;
    Cell last;
};

// What a tool routine works on.
struct ToolEnv {
    canvas::CanvasState& canvas;
    document::Document& doc;
    platform::Random& rng;
    std::string_view pen;
    double aspect = 2.0;            // circles
    std::string_view random_count;  // text of the random count box
    // The text gun while it is set up: its feed and the source text. A gun step that takes
    // the next character puts it in gun_pen, and env.pen then shows it.
    GunFeed* gun = nullptr;
    const std::vector<std::string>* source = nullptr;
    std::optional<std::string> gun_pen = std::nullopt;
};

using CellRoutine = void (*)(ToolEnv&, const DragCells&);
// The click after a release at a cell; true when it changed the working layer and is to be
// committed.
using ClickRoutine = bool (*)(ToolEnv&, Cell);

enum class ParamBox { none, random_count, aspect_ratio };

struct ToolRow {
    int number;
    const char* button;  // speed button, "" for none
    const char* menu_item;
    const char* status;  // status panel 3 (UTF-8), "" leaves it unchanged
    ParamBox box;
    bool stamps;              // a press lays the pen on its own cell
    CellRoutine on_new_cell;  // nullptr: nothing (yet) on a move into a new cell
    ClickRoutine on_click = nullptr;
};

inline constexpr int kToolCount = 14;

const std::array<ToolRow, kToolCount>& tool_table();

// The row of tool n, or nullptr for 0 (no tool) and unknown numbers.
const ToolRow* tool_row(int n);

// The number of random points the box asks for. Throws ConversionError for a non-number.
int random_count(std::string_view text);

// A step of the random tool: the window is stored, the points are scattered and committed at
// once. The count is read first, so a bad count changes nothing.
void random_step(ToolEnv& env);

// Selecting the random tool scatters at once, undoable as one operation.
void random_tool_selected(ToolEnv& env);

}  // namespace quillo::tools
