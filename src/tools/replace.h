#pragma once
// Replace: the pen in place of every cell that holds the clicked character. Also the two pieces
// that replace and fill share: the character a click reads and the bytes a cell receives.
#include <string>
#include <string_view>

#include "canvas/canvas_state.h"
#include "tools/cell.h"

namespace quillo::tools {

// The cell's bytes in a row: byte x (single-byte mode) or bytes 2x - 1 and 2x. Empty when the
// row does not hold the whole cell, so half a cell never compares equal to anything.
std::string_view cell_bytes(std::string_view row, int x, bool double_byte);

// What a click reads at a cell of the working layer: 1 byte, or 2 in double-byte mode. Empty
// off the canvas, where replace and fill have nothing to work on.
std::string clicked_character(const canvas::CanvasState& c, Cell at);

// What replace and fill write into each cell: the pen's first byte, or in double-byte mode its
// first character made whole (a half-width character before a full-width one takes a space as
// its partner, so no lead byte is ever left without its trail byte).
std::string pen_cell(std::string_view pen, bool double_byte);

// Every cell of rows 1..height of the working layer equal to `character` gets the pen: bytes
// 1..width in single-byte mode, cells 1..round(width / 2) in double-byte mode, compared whole.
// Returns the number of cells replaced. Committing is the caller's step.
int replace_all(canvas::CanvasState& c, std::string_view character, std::string_view pen);

}  // namespace quillo::tools
