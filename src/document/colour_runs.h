#pragma once
// Colour runs of a canvas row: maximal stretches of cells with the same flags and colours, with
// the bytes of the row text they cover. The display, printing and the HTML export all take their
// runs from here.
#include <string_view>
#include <vector>

#include "document/colour_layer.h"

namespace quillo::document {

struct ColourRun {
    int start = 0;       // first cell, 1-based
    int length = 0;      // cells
    int byte_begin = 0;  // 0-based offset of the run's text in the row
    int byte_end = 0;    // one past its last byte; clipped to the row, so it may equal byte_begin
    ColourCell cell;     // flags and colours shared by every cell of the run

    std::string_view text(std::string_view row) const {
        return row.substr(std::size_t(byte_begin), std::size_t(byte_end - byte_begin));
    }
};

// The runs of row `row` over cells 1..cells (clipped to the layer), left to right, into `out`
// (cleared first; its capacity is kept, so a vector reused across rows never allocates again).
// A cell covers bytes 2c-1, 2c of `text` in double-byte mode, byte c otherwise. Runs of cells
// without a flag are left out unless `with_plain` is set.
void colour_runs(const ColourGrid& layer, int row, int cells, std::string_view text,
                 bool double_byte, std::vector<ColourRun>& out, bool with_plain = false);

// The run that holds cell `cell` of the row (also when it has no flag); length 0 when the cell
// lies outside cells 1..cells or the layer.
ColourRun find_colour_run(const ColourGrid& layer, int row, int cell, int cells,
                          std::string_view text, bool double_byte);

}  // namespace quillo::document
