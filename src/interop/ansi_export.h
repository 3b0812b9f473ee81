#pragma once
// The canvas as an ANSI text for terminals: UTF-8 characters with 24-bit colour escapes.
//
// Every line starts with an escape that sets the text and background colour of its first cell;
// an escape follows wherever the colour changes at a cell, and the line ends with a reset, so
// that a terminal scrolling on does not paint the next line in the last colour. Escapes are the
// terminals' own: ESC [38;2;R;G;Bm (text) and ESC [48;2;R;G;Bm (background), which the program's
// ANSI import reads back besides its classic ESC ESC [ and **[ forms.
#include <span>
#include <string>
#include <string_view>

#include "document/colour_layer.h"
#include "platform/raster.h"

namespace quillo::interop {

struct AnsiCanvas {
    std::span<const std::string> rows;  // rows 1..n of the working layer (GBK)
    int width = 0;                      // canvas width in bytes
    bool double_byte = false;
    // The colours as the view shows them: in multicolour mode a cell's own colours (unless the
    // restore brush is active), the canvas colours everywhere else.
    const document::ColourGrid* layer = nullptr;
    bool multicolour = false;
    int brush_mode = 0;
    platform::Rgb canvas_text = 0x000000;
    platform::Rgb canvas_back = 0xFFFFFF;
};

struct AnsiText {
    std::string bytes;
    long long replaced = 0;  // bytes that were no character, or control bytes: now "?"
    int first_replaced_line = 0;
};

// Cells 1..width (double-byte mode: 1..width/2) of each row.
AnsiText write_ansi(const AnsiCanvas& canvas, std::string_view line_end);

// The colours a cell shows (1-based row and cell), as 0x00RRGGBB.
struct CellRgb {
    platform::Rgb text = 0;
    platform::Rgb back = 0;
    bool operator==(const CellRgb&) const = default;
};
CellRgb shown_colours(const AnsiCanvas& canvas, int row, int cell);

}  // namespace quillo::interop
