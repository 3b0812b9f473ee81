#pragma once
// Import of a text with colour escapes into a floating selection: rows of GBK bytes and a
// colour for each cell. An escape is two ESC bytes (0x1B 0x1B) or the text "**", then "[",
// then parameters of one or two digits separated by ";" and ended by "m" (e.g. "**[1;31m").
// The 24-bit colours the program's ANSI export writes are read too: "38;2;R;G;B" (text) and
// "48;2;R;G;B" (background), R, G and B from 0 to 255; and escapes that end a full row set
// colours rather than being cut into the row as text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::document {

// The selection buffer holds 80 rows; its colour layer 150 cells per row.
inline constexpr int kAnsiMaxRows = 80;
inline constexpr int kAnsiMaxCells = 150;

// Colours are Windows colour values 0x00BBGGRR.
inline constexpr std::int32_t kAnsiDefaultText = 0xFFFFFF;
inline constexpr std::int32_t kAnsiDefaultBack = 0x400040;

struct AnsiCell {
    bool text_flag = false;
    std::int32_t text_colour = 0;
    bool back_flag = false;
    std::int32_t back_colour = 0;
    bool operator==(const AnsiCell&) const = default;
};

struct AnsiImport {
    // Row n of the selection buffer (index n - 1); every row padded to `longest` (a shorter row
    // becomes longest + 1 bytes) and cut to 255 bytes.
    std::vector<std::string> rows;
    // cells[r][c - 1] is cell c of row r + 1; at most kAnsiMaxCells per row.
    std::vector<std::vector<AnsiCell>> cells;
    int longest = 0;  // L: the longest row in bytes before padding
    // The selection rectangle: left = top = 1, right = L (double-byte: L/2 rounded), capped at
    // kAnsiMaxCells; bottom = number of rows.
    int right = 0;
    int bottom = 0;
    // What did not fit, for telling the user.
    int lines_left_out = 0;        // lines after the 80th
    int cut_rows = 0;              // rows cut at the canvas width or at the layer
    long long bytes_left_out = 0;  // bytes dropped from those rows
    // Set when a parameter was not a number: the conversion message. The rows read before the
    // failing line are kept (the failing line too, up to the escape), but the import ends there
    // and no floating selection is shown.
    std::optional<std::string> error;
};

// `canvas_width` in bytes; in double-byte mode a row holds canvas_width / 2 (rounded) cells of
// 2 bytes.
AnsiImport import_ansi(std::string_view file_bytes, bool double_byte, int canvas_width);

}  // namespace quillo::document
