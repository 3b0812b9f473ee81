#pragma once
// What the floating selection's menu does to the selection buffer (row layer 5): its text to the
// clipboard (copy, cut), blanking it, filling it from the clipboard with or without word wrap,
// and saving it as a text file with its colour file. A block is n rows of w bytes (two a cell in
// double-byte mode); nothing here changes its size or its colours.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas_state.h"
#include "document/colour_layer.h"

namespace quillo::document {

inline constexpr const char* kEmptyClipboardMessage = "剪贴板中没有文本，选中的内容没有改变。";

// Width in bytes of a block `cells` cells wide.
int block_bytes(int cells, bool double_byte);

// Rows 1..n of the selection buffer as they stand, GBK, separated by CR LF (none after the last).
std::string block_text(const canvas::CanvasState& c, int n);

// block_text, then every row becomes w + 1 spaces.
std::string cut_block(canvas::CanvasState& c, int n, int w);

// Every row becomes exactly w spaces.
void clear_block(canvas::CanvasState& c, int n, int w);

// One line of GBK text broken into rows of at most w bytes, as "Paste 1" lays it: after the last
// blank that fits (the blanks at the break are dropped), else hard at the row's end, never inside
// a full-width character (it moves whole to the next row; only a row one byte wide splits one).
// In double-byte mode every full-width character starts a cell: a space goes before one that
// would straddle two. At most max_rows rows; an empty line gives one empty row.
std::vector<std::string> wrap_line(std::string_view line, int w, bool double_byte,
                                   std::size_t max_rows);

struct PasteResult {
    bool pasted = false;  // false: the clipboard held no text, and the block is unchanged
    int lacking = 0;      // characters of the text read that GBK lacks: pasted as "?"
};

// Rows 1..n of the selection buffer from clipboard text (UTF-8 as the system clipboard gives it;
// CR LF, LF and CR end a line; bytes of no character come back as the bytes they stood for).
// With `wrap` the lines are broken by wrap_line, else each line is cut at w bytes by itself.
// Every row is exactly w bytes, padded with spaces; surplus text is dropped, missing rows are
// blank. In double-byte mode lines are aligned to cells and no row ends in the lead byte of a
// character cut in two, so nothing outside the block changes when it is placed. Only as much of
// the text is read as the block can show, however long its lines or many.
PasteResult paste_block(canvas::CanvasState& c, std::string_view clipboard_utf8, int n, int w,
                        bool wrap);

// Tells the user how many characters GBK lacks.
std::string lacking_characters_message(int count);

// "Write selection files": rows 1..rows of the selection buffer, each whole followed by CR LF, go
// to `name`; in multicolour mode the selection colour layer (rows x cells, cells counted as the
// block's cells in either byte mode) goes to name + ".clo" in the colour file format, with the
// current byte mode and the two chosen colours. Each file is replaced atomically: a failure
// leaves a file that existed as it was. No backup is made. Throws platform::FileError.
void write_selection_files(const std::filesystem::path& name, const canvas::CanvasState& c,
                           int rows, int cells, const ColourState& colours, bool multicolour);

}  // namespace quillo::document
