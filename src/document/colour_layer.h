#pragma once
// Colours of canvas cells, kept beside the row layers: the colour layer of the canvas, the one of
// the selection buffer, the colour undo list, and the colour tools that change them.
#include <cstdint>
#include <vector>

#include "platform/colours.h"

namespace quillo::document {

// Both layers hold every cell a 255-byte row can have, whatever the canvas width; every loop
// over them is clipped to these bounds.
inline constexpr int kColourRows = 80;
inline constexpr int kColourCells = 256;

// Colour-brush modes of the main window.
inline constexpr int kBrushNone = 0;
inline constexpr int kBrushText = 1;
inline constexpr int kBrushBack = 2;
inline constexpr int kBrushRestore = 3;
inline constexpr int kBrushClearAll = 4;  // one-shot: the previous mode comes back
inline constexpr int kBrushUndo = 5;      // one-shot

struct ColourCell {
    bool text_set = false;
    bool back_set = false;
    platform::WinColour text = 0;  // shown only while text_set
    platform::WinColour back = 0;  // shown only while back_set

    bool has_flag() const { return text_set || back_set; }
    // Runs join cells equal in all four fields, the hidden values included.
    bool operator==(const ColourCell&) const = default;
};

// 80 rows x 256 cells, rows and cells numbered from 1. Cells outside read as a cell without
// colours and ignore writes. Every change goes through set() or clear_flags() so that the
// display can tell from a row's stamp whether its colours may have changed.
class ColourGrid {
  public:
    ColourGrid();

    static bool contains(int row, int cell) {
        return row >= 1 && row <= kColourRows && cell >= 1 && cell <= kColourCells;
    }
    const ColourCell& cell(int row, int cell) const;
    void set(int row, int cell, const ColourCell& value);
    // The cells of a row, index 0 = cell 1; nullptr outside the layer.
    const ColourCell* row_cells(int row) const;

    // Both flags of every cell cleared, colour values kept.
    void clear_flags();

    // Changes whenever a cell of the row may have changed; equal stamps (also across copies of
    // a grid) mean equal cells.
    std::uint64_t row_stamp(int row) const;

  private:
    void touch(int row);
    std::vector<ColourCell> cells_;
    std::vector<std::uint64_t> stamps_;  // index 0 unused
};

struct ColourUndoEntry {
    int column = 0;
    int row = 0;
    ColourCell before;
};

// Cells as they were before the changes of one stroke or command. Undo exchanges the entries
// with the layer from last to first, so a cell recorded twice ends as it was before its first
// change; the next undo runs first to last and brings the colouring back.
class ColourUndo {
  public:
    void clear();
    // Remembers the cell (column, row) of the layer as it is now; cells outside are not recorded.
    void record(const ColourGrid& layer, int column, int row);
    void undo(ColourGrid& layer);
    int count() const { return static_cast<int>(entries_.size()); }
    const std::vector<ColourUndoEntry>& entries() const { return entries_; }

  private:
    std::vector<ColourUndoEntry> entries_;
    bool forward_next_ = false;
};

// Everything colour the main window owns.
struct ColourState {
    ColourGrid layer;      // the canvas
    ColourGrid selection;  // the selection buffer
    ColourUndo undo;
    platform::WinColour chosen_text = platform::kClBlack;    // Lb_font_color's font colour
    platform::WinColour chosen_back = platform::kClBtnFace;  // Lb_back_color's colour
};

// One cell under the colour brush: the cell is recorded for undo, then mode 1 sets its text
// colour, mode 2 its background, mode 3 clears both flags. Other modes and cells outside the
// layer change nothing. Returns whether the cell was brushed (the caller redraws its run).
bool brush_cell(ColourState& colours, int mode, int column, int row);

// Clear all (undoable): the undo list is emptied, every cell of rows 1..rows, cells 1..cells
// that has a flag is recorded and cleared.
void clear_all_colours(ColourState& colours, int rows, int cells);

// The single/double-byte mode changed: rows 1..rows of a canvas `width` bytes wide are brought
// to the new cell size. To single-byte, byte cells 2c-1 and 2c take double-byte cell c; to
// double-byte, cell c takes each colour from byte cell 2c-1, else 2c.
void convert_for_mode_change(ColourGrid& layer, int rows, int width, bool to_double_byte);

// Where the canvas text colour T and background colour B go when a colour scheme is applied.
struct SchemeTarget {
    const char* component;
    bool colour_from_background;  // the component's colour (or brush) becomes B
    bool font_from_text;          // its font colour becomes T
};
inline constexpr SchemeTarget kSchemeTargets[] = {
    {"Image1", true, true},          // the canvas: brush B, font T
    {"Lb_font_color", true, false},  // its font colour is the chosen text colour
    {"Lb_back_color", false, true},  // its colour is the chosen background colour
    {"Lb_map_font_color", true, true},
    {"Lb_map_back_color", true, true},
    {"Label6", true, false},
    {"pen_txt", true, true},
    {"write_in_edit", true, true},
    {"write_in_Memo", true, true},
    {"write_in_imag", true, true},
};

}  // namespace quillo::document
