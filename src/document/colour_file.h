#pragma once
// The colour file beside a text document (its name + ".clo"): R, C, the mode line "#1"/"#2",
// R x C cell records ("*1" text colour, "*2" background, "*3" both, "@" none) and the two chosen
// colours, one item a line, CR LF, signed decimal Windows colour values.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "document/colour_layer.h"

namespace quillo::document {

std::filesystem::path colour_file_name(const std::filesystem::path& text_file);

// Rows 1..rows, cells 1..cells of `grid` (cells outside the layer are written as uncoloured).
// For the document: rows = canvas height, cells = canvas width in bytes, also in double-byte
// mode; for a selection: its height and width in cells, from the selection colour layer.
std::string format_colour_file(const ColourGrid& grid, int rows, int cells, bool double_byte,
                               platform::WinColour chosen_text, platform::WinColour chosen_back);
// Throws platform::FileError when the file cannot be written.
void write_colour_file(const std::filesystem::path& path, const ColourGrid& grid, int rows,
                       int cells, bool double_byte, platform::WinColour chosen_text,
                       platform::WinColour chosen_back);

struct ColourFileResult {
    bool header_read = false;  // R, C and a mode line starting with "#"
    int rows = 0;              // R and C as the file gives them
    int cells = 0;
    int file_mode = 0;           // the character after "#": 1, 2, anything else 0
    bool mode_switched = false;  // the question was answered Yes
    bool records_read = false;   // every record read (a bad colour value stops before)
    bool labels_read = false;    // the two chosen colours below are valid
    platform::WinColour chosen_text = 0;
    platform::WinColour chosen_back = 0;
};

// Asked when the file's mode differs from the current one, before any cell is read, with the
// mode the file wants (true = double-byte). Returning true means the caller has switched the
// mode (and converted the colour layer) already.
using ModeQuestion = std::function<bool(bool to_double_byte)>;

// Reads records into rows 1..R, cells 1..C of `grid`; records beyond the layer are read and
// dropped. A header number or cell colour that is missing or no decimal integer ends the reading
// silently: the record being read loses both flags, cells read before keep theirs, nothing after
// is applied. A line ending early (a file cut between records) reads as an uncoloured record.
// The two chosen colours have no such protection: platform::ConversionError when either is
// missing or no number (the cells read stay in the grid).
ColourFileResult read_colour_file_bytes(std::string_view bytes, ColourGrid& grid, bool double_byte,
                                        const ModeQuestion& question);
// Throws platform::FileError when the file cannot be read.
ColourFileResult read_colour_file(const std::filesystem::path& path, ColourGrid& grid,
                                  bool double_byte, const ModeQuestion& question);

}  // namespace quillo::document
