#include "document/colour_layer.h"

#include <gtest/gtest.h>

namespace quillo::document {
namespace {

constexpr platform::WinColour kRed = 0x0000FF;
constexpr platform::WinColour kBlue = 0xFF0000;

ColourCell text_only(platform::WinColour c) {
    return {true, false, c, 0};
}

TEST(ColourGrid, CellsOutsideReadEmptyAndIgnoreWritesStampsFollowChanges) {
    ColourGrid g;
    g.set(80, 256, text_only(kRed));
    EXPECT_TRUE(g.cell(80, 256).text_set);  // the last cell of a 255-byte row and one more
    g.set(0, 1, text_only(kRed));
    g.set(81, 1, text_only(kRed));
    g.set(1, 257, text_only(kRed));
    EXPECT_FALSE(g.cell(0, 1).has_flag());
    EXPECT_FALSE(g.cell(81, 1).has_flag());
    EXPECT_FALSE(g.cell(1, 257).has_flag());
    EXPECT_EQ(g.row_cells(81), nullptr);

    const auto before = g.row_stamp(3);
    g.set(3, 5, g.cell(3, 5));  // no change, same stamp
    EXPECT_EQ(g.row_stamp(3), before);
    g.set(3, 5, text_only(kBlue));
    EXPECT_NE(g.row_stamp(3), before);
    const ColourGrid copy = g;  // a copy shows the same colours under the same stamp
    EXPECT_EQ(copy.row_stamp(3), g.row_stamp(3));

    g.clear_flags();
    EXPECT_FALSE(g.cell(3, 5).text_set);
    EXPECT_EQ(g.cell(3, 5).text, kBlue);  // values are kept
}

TEST(ColourBrush, ModesSetClearAndRecord) {
    ColourState s;
    s.chosen_text = kRed;
    s.chosen_back = kBlue;
    EXPECT_TRUE(brush_cell(s, kBrushText, 4, 2));
    EXPECT_TRUE(brush_cell(s, kBrushBack, 4, 2));
    EXPECT_EQ(s.layer.cell(2, 4), (ColourCell{true, true, kRed, kBlue}));
    EXPECT_TRUE(brush_cell(s, kBrushRestore, 4, 2));
    EXPECT_FALSE(s.layer.cell(2, 4).has_flag());
    EXPECT_EQ(s.undo.count(), 3);
    EXPECT_FALSE(brush_cell(s, kBrushNone, 4, 2));
    EXPECT_FALSE(brush_cell(s, kBrushText, 257, 2));  // past the layer: nothing recorded
    EXPECT_EQ(s.undo.count(), 3);
    // Undo of the whole stroke gives the state before it, a second undo the state after it.
    s.undo.undo(s.layer);
    EXPECT_FALSE(s.layer.cell(2, 4).has_flag());
    s.layer.set(2, 4, {});
    s.undo.undo(s.layer);
    EXPECT_FALSE(s.layer.cell(2, 4).has_flag());
}

TEST(ColourUndo, CellRecordedTwiceInOneStrokeComesBackAndAgain) {
    ColourState s;
    s.layer.set(1, 1, text_only(kBlue));  // before the stroke
    s.chosen_text = kRed;
    brush_cell(s, kBrushText, 1, 1);
    s.chosen_text = 0x00FF00;
    brush_cell(s, kBrushText, 1, 1);
    brush_cell(s, kBrushText, 2, 1);
    s.undo.undo(s.layer);
    EXPECT_EQ(s.layer.cell(1, 1), text_only(kBlue));
    EXPECT_FALSE(s.layer.cell(1, 2).has_flag());
    s.undo.undo(s.layer);
    EXPECT_EQ(s.layer.cell(1, 1), text_only(0x00FF00));
    EXPECT_EQ(s.layer.cell(1, 2), text_only(0x00FF00));
    s.undo.undo(s.layer);
    EXPECT_EQ(s.layer.cell(1, 1), text_only(kBlue));
}

TEST(ColourClearAll, UndoTwiceLeavesTheLayerClearedAndListGrowsPastTheOldLimit) {
    ColourState s;
    for (int r = 1; r <= 80; ++r)
        for (int c = 1; c <= 255; ++c) s.layer.set(r, c, {true, true, r, c});
    s.layer.set(1, 256, text_only(kRed));  // beyond the cells cleared
    clear_all_colours(s, 80, 255);
    EXPECT_EQ(s.undo.count(), 80 * 255);  // more than 12000 entries
    EXPECT_FALSE(s.layer.cell(80, 255).has_flag());
    EXPECT_TRUE(s.layer.cell(1, 256).text_set);
    s.undo.undo(s.layer);
    EXPECT_EQ(s.layer.cell(80, 255), (ColourCell{true, true, 80, 255}));
    EXPECT_EQ(s.layer.cell(7, 9), (ColourCell{true, true, 7, 9}));
    s.undo.undo(s.layer);
    EXPECT_FALSE(s.layer.cell(80, 255).has_flag());
    EXPECT_FALSE(s.layer.cell(7, 9).has_flag());

    clear_all_colours(s, 200, 400);  // sizes beyond the layer are clipped
    EXPECT_FALSE(s.layer.cell(1, 256).has_flag());
}

TEST(ColourConvert, BothWaysBetweenCellWidths) {
    ColourGrid g;
    // Double-byte cells 1 and 2 of a 6-byte-wide canvas; width 6 / 2 = 3 double cells.
    g.set(1, 1, text_only(kRed));
    g.set(1, 2, {false, true, 0, kBlue});
    convert_for_mode_change(g, 1, 6, false);
    EXPECT_EQ(g.cell(1, 1), text_only(kRed));
    EXPECT_EQ(g.cell(1, 2), text_only(kRed));
    EXPECT_TRUE(g.cell(1, 3).back_set);
    EXPECT_TRUE(g.cell(1, 4).back_set);
    EXPECT_FALSE(g.cell(1, 5).has_flag());

    // Back: each colour from the odd byte cell, else the even one.
    ColourGrid h;
    h.set(1, 1, text_only(kRed));
    h.set(1, 2, {true, true, kBlue, kBlue});
    h.set(1, 4, {false, true, 0, kRed});
    h.set(1, 7, text_only(kRed));  // beyond width / 2 = 3: loses its colours
    h.set(1, 8, text_only(kRed));
    convert_for_mode_change(h, 1, 7, true);
    EXPECT_EQ(h.cell(1, 1), (ColourCell{true, true, kRed, kBlue}));
    EXPECT_FALSE(h.cell(1, 2).text_set);
    EXPECT_EQ(h.cell(1, 2).text, kBlue);  // a cleared flag keeps its value
    EXPECT_TRUE(h.cell(1, 2).back_set);
    EXPECT_EQ(h.cell(1, 2).back, kRed);
    EXPECT_FALSE(h.cell(1, 3).has_flag());
    EXPECT_FALSE(h.cell(1, 4).has_flag());
    EXPECT_FALSE(h.cell(1, 7).has_flag());

    // Width 255 (127.5 rounds to 128 double cells) reaches byte cell 256 without leaving the layer.
    ColourGrid w;
    w.set(2, 128, text_only(kBlue));
    convert_for_mode_change(w, 80, 255, false);
    EXPECT_TRUE(w.cell(2, 255).text_set);
    // Rounding halves to even: width 5 gives 2 double cells, so byte cell 5 keeps its own colour.
    ColourGrid v;
    v.set(1, 3, text_only(kRed));
    v.set(1, 5, text_only(kBlue));
    convert_for_mode_change(v, 1, 5, false);
    EXPECT_EQ(v.cell(1, 5), text_only(kBlue));
}

}  // namespace
}  // namespace quillo::document
