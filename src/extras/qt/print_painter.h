#pragma once
// Paints laid-out text on a printer's pages in the cell font, so that full-width characters and
// the picture's columns line up on paper as on the canvas.
#include <string>
#include <vector>

#include "document/colour_layer.h"
#include "platform/colours.h"

class QPrinter;

namespace quillo::extras {

struct PrintJob {
    std::vector<std::string> lines;  // GBK
    bool coloured = false;           // a canvas in multicolour mode: print its colours
    // Only when coloured: the colour layer and how the canvas reads it.
    const document::ColourGrid* layer = nullptr;
    int cells = 0;
    bool double_byte = false;
    bool restore = false;
    platform::WinColour canvas_text = 0;
    platform::WinColour canvas_back = 0;
};

// Prints the job as one print job of as many pages as it needs. False when the printer did not
// start it (nothing was printed).
bool paint_print_job(QPrinter& printer, const PrintJob& job);

}  // namespace quillo::extras
