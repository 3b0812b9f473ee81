#pragma once
// Laying the current text out on printed pages: the lines of the document in normal editing mode,
// the rows of the canvas in drawing mode. A line is 0.16 inch high and the font 12 points, in
// half-width columns of half its size, so a picture keeps its shape on paper. What does not fit
// is never dropped: lines go on to further pages, a picture too wide for the paper is printed
// smaller (down to a third), and a line still too wide goes on in the next printed line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/colour_layer.h"
#include "platform/colours.h"

namespace quillo::extras {

// 0.16 inch at `dpi` device pixels per inch, to the nearest pixel (never a tie: 16 x dpi / 100
// cannot end in a half). 600 dpi gives 96, 300 gives 48.
int line_pitch(int dpi);

// The 12-point font: its height (one em) and a half-width column, at `dpi`, before scaling.
double font_pixels(int dpi);

// The smallest a picture is printed to make it fit the paper's width.
inline constexpr double kMinPrintScale = 1.0 / 3.0;

// The printable area of a page, in device pixels.
struct PageGeometry {
    int dpi = 0;  // horizontal device pixels per inch
    int width = 0;
    int height = 0;
};

struct PrintedLine {
    int source = 0;      // index of the document line or canvas row, from 0
    int byte_begin = 0;  // the bytes of it printed here
    int byte_end = 0;
    int page = 0;  // from 0
    int y = 0;     // top of the line on its page
};

struct PrintLayout {
    double scale = 1.0;  // of the font, the columns and the pitch
    double em = 0;       // font height in device pixels
    double column = 0;   // device pixels per byte
    int pitch = 0;       // device pixels from one line to the next
    int lines_per_page = 1;
    int pages = 1;  // an empty text still prints one empty page
    std::vector<PrintedLine> lines;
};

// Lays out lines whose printed extents (in bytes) are given: what must be printed of each line,
// from its start. Lines are cut only between characters of `lines` (GBK), never inside one.
PrintLayout layout_print(const std::vector<std::string>& lines, const std::vector<int>& extents,
                         const PageGeometry& page);

// The extent of a line printed without colours: it ends at its last character other than a space.
int plain_extent(std::string_view line);
std::vector<int> plain_extents(const std::vector<std::string>& lines);

// The extents of canvas rows printed in colour: every row as wide as the widest text or coloured
// cell of any row (`cells` wide at most, as the display reads the colour layer), so that the
// picture prints as one block in the canvas colours and the padding beyond it stays paper.
std::vector<int> coloured_extents(const document::ColourGrid& layer, int cells,
                                  const std::vector<std::string>& rows, bool double_byte);

// One character to print: where it starts in its line and what it is. A valid GBK pair is one
// full-width character; a byte that starts no character prints as U+FFFD.
struct PrintChar {
    int byte = 0;
    char32_t code = 0;
    int bytes = 1;
};

// The characters that start in bytes [begin, end) of `line`, into `out` (cleared first).
void print_chars(std::string_view line, int begin, int end, std::vector<PrintChar>& out);

// A stretch of a printed line in one pair of colours (RGB 0xRRGGBB).
struct PrintSpan {
    int byte_begin = 0;
    int byte_end = 0;
    platform::Rgb text = 0x000000;
    bool filled = false;  // a background is painted under it
    platform::Rgb back = 0xFFFFFF;
};

// What a canvas row looks like in multicolour mode, cut to bytes [begin, end): cells with colours
// in theirs, every other byte in the canvas colours, as the canvas shows them (while the brush
// restores colours every run shows in the canvas colours). `cells` is the canvas width the
// display reads the colour layer to.
void colour_spans(const document::ColourGrid& layer, int row, int cells, std::string_view text,
                  bool double_byte, bool restore, platform::WinColour canvas_text,
                  platform::WinColour canvas_back, int begin, int end, std::vector<PrintSpan>& out);

}  // namespace quillo::extras
