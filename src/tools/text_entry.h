#pragma once
// Typing onto the canvas: a line typed in the horizontal box goes onto one row, a column typed
// in the one-cell-wide vertical memo goes down one cell per line. Both write into the working
// layer; the caller commits when the entry ends, so one undo removes the whole entry.
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas_state.h"
#include "tools/cell.h"

namespace quillo::tools {

// Overwrites row y of the working layer from cell x with s (normalised to whole 2-byte cells
// in double-byte mode); the text replaces as many bytes as it has and may lengthen the row. A
// row shorter than the start gets s right after its last byte. Rows off the canvas are left
// alone, nothing goes beyond byte 255, and a full-width character that would not fit whole
// before byte 256 is left out rather than split.
void write_text(canvas::CanvasState& c, std::string_view s, int x, int y);

// The lines of the vertical memo as it shows them: it is one cell wide and wraps anywhere, so
// a line holds one character, or two half-width characters in double-byte mode. A line break
// at the very end starts no new line; an empty text has no line.
std::vector<std::string> memo_lines(std::string_view text, bool double_byte);

// Writes memo line i at (x, y + i); in double-byte mode a line of odd length gets a space.
void write_column(canvas::CanvasState& c, std::string_view memo_text, int x, int y);

// Where the boxes stand over the canvas image, in pixels from its top-left corner.
int box_left(int x, bool double_byte);
int box_top(int y);

// Box sizes in pixels: the memo grows a row per line (at least two rows), the line box a
// half-width column per byte plus one cell of room.
inline constexpr int kMemoStartHeight = 32;
int memo_width(bool double_byte);
int memo_height(std::string_view text, bool double_byte);
int edit_start_width(bool double_byte);
int edit_width(std::string_view text);

// One entry: the cell its box stands on and whether it has put text into the working layer
// (then undo waits until the entry ends).
struct TextEntry {
    Cell at;
    bool written = false;
};

enum class EnterOutcome {
    ended,            // Enter on an empty box, or the box left the canvas: nothing more written
    wrote,            // the text went in; the box moves on for the next one
    wrote_and_ended,  // the text went in and there is no room for another
};

// Enter in the memo after it moved one cell right. `fits_window`: its new left edge is still
// inside the main window. Writes the column and moves to the next cell. A column whose cell is
// on the canvas is written even at the window's edge, and the entry ends once the next cell
// lies past the last column.
EnterOutcome vertical_enter(canvas::CanvasState& c, TextEntry& e, std::string_view memo_text,
                            bool fits_window);
bool memo_fits_window(int new_left, int window_width, bool double_byte);

// Enter in the line box: writes its text at the box's row and moves one row down. The entry
// ends on an empty box, and once the next row lies below `last_box_row` or the canvas.
EnterOutcome horizontal_enter(canvas::CanvasState& c, TextEntry& e, std::string_view text,
                              int last_box_row);
// The lowest row the line box may move to: the first row below the panel's whole rows.
int last_box_row(int blackboard_height);

}  // namespace quillo::tools
