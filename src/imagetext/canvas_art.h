#pragma once
// The text art as a block for the main canvas: rows for the selection buffer and the colours of
// their cells for the selection colour layer, so that the block floats and is placed like any
// pasted block.
#include <string>
#include <vector>

#include "document/colour_layer.h"
#include "imagetext/conversion.h"

namespace quillo::imagetext {

struct CanvasArt {
    std::vector<std::string> rows;  // at most 80, all of the same length
    int cells = 0;                  // width of the block in canvas cells
    int pixels = 0;                 // pixels of a row that fit in 255 bytes
    int pixel_bytes = 2;            // bytes each pixel takes
};

// Every pixel is one full-width cell (double-byte mode) or two half-width cells (single-byte
// mode) holding the grey character or the word. Grey characters of the half-width table take
// one byte a pixel instead, so a row reads as the table's letters side by side. A pixel's cells
// take its colour as the mode says (text colour, background or none) in `colours`, whatever
// the multicolour mode. Rows stop at the last whole pixel within 255 bytes; rows below 80 are
// dropped. A character shorter than its pixel is padded with spaces, so columns line up.
CanvasArt canvas_art(const Picture& resolution, const ConversionRules& rules,
                     document::ColourGrid& colours);

}  // namespace quillo::imagetext
