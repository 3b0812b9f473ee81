#pragma once
// Whole-canvas transforms of drawing mode: mirror left to right or top to bottom, turn a square
// of the canvas a quarter to the left, and fill every cell with the pen character. They work on
// the row layers only; the window commits and repaints.
#include <string>
#include <string_view>

#include "canvas/canvas_state.h"

namespace quillo::textops {

enum class Transform { none, rotate_rear, mirror_left_right, rotate_front, mirror_top_bottom };

// The transform a menu item or tool button carries as its Tag: 1 turns the rear square, 2 mirrors
// left to right, 3 turns the front square, 4 mirrors top to bottom; any other Tag is none.
Transform transform_for_tag(int tag);

// Rows the transforms work on: as many as the board panel shows (16 pixels a row, halves to
// even), but never more than the canvas has, so no row outside the canvas comes into view.
int transform_rows(int board_height_pixels, int canvas_height);

// Cells a double-byte left-right mirror turns round: half the width (halves to even), at most
// 127 so that a 255-byte row never loses the trail byte of its first character.
int mirrored_cells(int width);

// One row mirrored left to right over `width` bytes: byte by byte in single-byte mode, whole
// 2-byte cells in double-byte mode. The part beyond the mirrored bytes stays at the end; a row
// shorter than the mirrored part is read as padded with spaces. Cut to 255 bytes.
std::string mirror_row(std::string_view row, int width, bool double_byte);

// Rows 1..n of the working layer; rows below n are untouched.
void mirror_left_right(canvas::CanvasState& c, int n);
void mirror_top_bottom(canvas::CanvasState& c, int n);

// Side of the square the turns use: n rows, but no more 2-byte cells than the canvas width holds,
// so a board taller than the canvas is wide never reads before byte 1 or grows a row.
int square_side(int n, int width);

// Turns a square of 2-byte cells a quarter to the left: new row r, read left to right, is the
// square's old column side - r + 1 read top to bottom. The front square is cells 1..side, the
// rear one the last `side` whole cells within the width. Bytes outside the square stay where
// they are, four turns give the rows back, and the byte mode is not looked at.
void rotate_front(canvas::CanvasState& c, int n);
void rotate_rear(canvas::CanvasState& c, int n);

void apply_transform(canvas::CanvasState& c, Transform t, int n);

// The fill of "全图清除": committed -> undo over the canvas height, then bytes 1..width of every
// committed row become the pen's first byte (single-byte mode), or every whole cell within the
// width its first two bytes (double-byte mode; a one-byte pen is followed by a space), and the
// rows are copied to the working layer. Returns false and changes nothing when the pen is empty.
bool fill_with_pen(canvas::CanvasState& c, std::string_view pen);

}  // namespace quillo::textops
