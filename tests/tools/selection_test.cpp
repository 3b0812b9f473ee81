#include "tools/selection.h"

#include <gtest/gtest.h>

#include <string>

#include "canvas/constants.h"

namespace quillo::tools {
namespace {

using canvas::kSelection;
using canvas::kWorking;
using document::ColourCell;

const ColourCell kRed{true, false, 0x0000FF, 0};
const ColourCell kBlueBack{false, true, 0, 0xFF0000};

struct Fixture {
    canvas::CanvasState c;
    document::ColourState colours;
    SelectionState s;
    Fixture(std::initializer_list<std::string> rows, bool double_byte = false) {
        c.height = static_cast<int>(rows.size());
        c.width = 10;
        c.double_byte = double_byte;
        int r = 1;
        for (const auto& row : rows) c.layers.row(kWorking, r++) = row;
    }
    std::string& row(int r) { return c.layers.row(kWorking, r); }
    // Press at one cell, drag to another, release.
    bool drag(int x0, int y0, int x1, int y1, bool multicolour) {
        const int pitch = cell_pitch(c.double_byte);
        rubber_band(s, (x0 - 1) * pitch + 1, (y0 - 1) * 16 + 1, c.double_byte);
        if (x1 != x0 || y1 != y0)
            rubber_band(s, (x1 - 1) * pitch + 3, (y1 - 1) * 16 + 5, c.double_byte);
        return end_rubber_band(s, c, colours, multicolour);
    }
};

TEST(Selection, MoveLiftsBlanksAndPlacesWithColoursOneUndoReversesIt) {
    Fixture f({"abcdefghij ", "klmnopqrst ", "uvwxyz0123 "});
    f.s.move = true;
    f.colours.layer.set(1, 2, kRed);
    f.colours.layer.set(2, 4, kBlueBack);
    f.colours.layer.set(2, 5, kRed);  // the destination of cell (1, 2) below, outside the block
    ASSERT_TRUE(f.drag(4, 2, 2, 1, true));  // dragged up and left: the rectangle is normalised
    EXPECT_EQ(f.s.rect, (SelectionRect{2, 1, 4, 2}));
    EXPECT_TRUE(f.s.floating);
    EXPECT_EQ(f.c.layers.row(kSelection, 1), "bcd");
    EXPECT_EQ(f.c.layers.row(kSelection, 2), "lmn");
    // The source is blank up to the canvas width; the padding byte past it goes.
    EXPECT_EQ(f.row(1), "a   efghij");
    EXPECT_EQ(f.row(2), "k   opqrst");
    EXPECT_EQ(f.colours.selection.cell(1, 1), kRed);
    EXPECT_EQ(f.colours.selection.cell(2, 3), kBlueBack);
    EXPECT_FALSE(f.colours.layer.cell(1, 2).has_flag());
    EXPECT_EQ(f.colours.undo.count(), 2);
    EXPECT_EQ(overlay_box(f.s.rect, false, 5, 7), (PixelBox{13, 7, 24, 32}));

    // Overlapping place one cell right and one row down.
    f.s.rect = {3, 2, 5, 3};
    ASSERT_TRUE(place_floating(f.s, f.c, f.colours, true));
    EXPECT_FALSE(f.s.floating);
    EXPECT_FALSE(f.s.frame_visible);
    EXPECT_EQ(f.row(2), "k bcdpqrst");
    EXPECT_EQ(f.row(3), "uvlmnz0123 ");
    EXPECT_EQ(f.colours.layer.cell(2, 3), kRed);
    EXPECT_FALSE(f.colours.layer.cell(2, 5).has_flag());  // under the block, no colour there
    EXPECT_EQ(f.colours.layer.cell(3, 5), kBlueBack);
    EXPECT_EQ(f.colours.undo.count(), 2 + 6);  // the list goes on from the lift

    f.colours.undo.undo(f.colours.layer);  // source and destination back as before the move
    EXPECT_EQ(f.colours.layer.cell(1, 2), kRed);
    EXPECT_EQ(f.colours.layer.cell(2, 4), kBlueBack);
    EXPECT_EQ(f.colours.layer.cell(2, 5), kRed);
    EXPECT_FALSE(f.colours.layer.cell(2, 3).has_flag());
    EXPECT_FALSE(f.colours.layer.cell(3, 5).has_flag());
    EXPECT_FALSE(place_floating(f.s, f.c, f.colours, true));  // nothing floats any more
}

TEST(Selection, CopyKeepsTheSourceAndStartsANewColourUndo) {
    Fixture f({"abcdefghij ", "klmnopqrst "});
    f.colours.layer.set(1, 1, kRed);
    f.colours.undo.record(f.colours.layer, 9, 9);  // left over from an earlier stroke
    ASSERT_TRUE(f.drag(1, 1, 2, 2, true));
    EXPECT_EQ(f.row(1), "abcdefghij ");
    EXPECT_EQ(f.colours.layer.cell(1, 1), kRed);
    EXPECT_EQ(f.colours.undo.count(), 1);
    f.s.rect = {8, 1, 9, 2};
    place_floating(f.s, f.c, f.colours, true);
    EXPECT_EQ(f.row(1), "abcdefgabj ");
    EXPECT_EQ(f.row(2), "klmnopqklt ");
    EXPECT_EQ(f.colours.layer.cell(1, 8), kRed);
    EXPECT_EQ(f.colours.layer.cell(1, 1), kRed);
    EXPECT_EQ(f.colours.undo.count(), 4);
    // Outside multicolour mode the colours are left alone.
    Fixture g({"abcdef "});
    g.colours.layer.set(1, 1, kRed);
    g.s.move = true;
    ASSERT_TRUE(g.drag(1, 1, 3, 1, false));
    EXPECT_EQ(g.colours.layer.cell(1, 1), kRed);
    EXPECT_FALSE(g.colours.selection.cell(1, 1).has_flag());
}

TEST(Selection, ASingleCellSelectsNothingAndHidesTheFrame) {
    Fixture f({"abcdef ", "ghijkl "});
    ASSERT_TRUE(f.drag(1, 1, 3, 2, false));
    place_floating(f.s, f.c, f.colours, false);
    // Press and release on one cell, with or without moving inside it: the last block's
    // rectangle must not come back.
    EXPECT_FALSE(f.drag(5, 2, 5, 2, false));
    EXPECT_FALSE(f.s.frame_visible);
    EXPECT_FALSE(f.s.floating);
    EXPECT_TRUE(f.s.new_selection);
    EXPECT_FALSE(place_floating(f.s, f.c, f.colours, false));
    EXPECT_EQ(f.row(1), "abcdef ");
    // A one-column block several rows high is a selection.
    EXPECT_TRUE(f.drag(2, 1, 2, 2, false));
}

TEST(Selection, PlacingPastTheEdgesDropsTheParts) {
    // Double-byte: the block of two cells hangs one cell past the left edge.
    Fixture f({"\xD6\xD0\xCE\xC4"
               "abcd  ",
               "efghijkl  ", "mnopqrst  "},
              true);
    ASSERT_TRUE(f.drag(1, 1, 2, 2, false));
    EXPECT_EQ(f.c.layers.row(kSelection, 1), "\xD6\xD0\xCE\xC4");
    f.s.rect = {0, 2, 1, 3};
    place_floating(f.s, f.c, f.colours, false);
    EXPECT_EQ(f.row(2),
              "\xCE\xC4"
              "ghijkl  ");
    EXPECT_EQ(f.row(3), "ghopqrst  ");
    // Entirely left of cell 1 and rows outside the canvas: nothing changes.
    Fixture g({"abcdef ", "ghijkl "});
    ASSERT_TRUE(g.drag(1, 1, 2, 2, false));
    g.s.rect = {-3, 0, -2, 1};
    place_floating(g.s, g.c, g.colours, false);
    EXPECT_EQ(g.row(1), "abcdef ");
    g.s.floating = true;
    g.s.rect = {3, 2, 4, 3};  // the second row lies below the canvas
    place_floating(g.s, g.c, g.colours, false);
    EXPECT_EQ(g.row(2), "ghabkl ");
    EXPECT_EQ(g.c.layers.row(kWorking, 3), "");
    // Dropped past the end of a short row: spaces fill up to the block.
    g.row(1) = "ab";
    g.s.floating = true;
    g.s.rect = {5, 1, 6, 1};
    place_floating(g.s, g.c, g.colours, false);
    EXPECT_EQ(g.row(1), "ab  ab");
}

TEST(Selection, SingleByteEdgesSplitAFullWidthCharacter) {
    Fixture f(
        {"a\xD6\xD0"
         "b",
         "cdef"});
    ASSERT_TRUE(f.drag(1, 1, 2, 2, false));  // cuts 中 after its first byte
    EXPECT_EQ(f.c.layers.row(kSelection, 1), "a\xD6");
    f.s.rect = {3, 1, 4, 2};
    place_floating(f.s, f.c, f.colours, false);
    EXPECT_EQ(f.row(1),
              "a\xD6"
              "a\xD6");
    EXPECT_EQ(f.row(2), "cdcd");
}

TEST(Selection, BlocksUpTo255CellsWideStayInsideTheLayers) {
    Fixture f({std::string(255, 'x'), std::string(255, 'y')});
    f.c.width = 255;
    f.s.move = true;
    f.colours.layer.set(2, 255, kRed);
    ASSERT_TRUE(f.drag(1, 1, 255, 2, true));
    EXPECT_EQ(f.c.layers.row(kSelection, 2).size(), 255u);
    EXPECT_EQ(f.colours.selection.cell(2, 255), kRed);
    EXPECT_EQ(f.row(1), std::string(255, ' '));
    f.s.rect = {2, 1, 256, 2};  // one cell right: the last byte falls past 255
    place_floating(f.s, f.c, f.colours, true);
    EXPECT_EQ(f.row(2), std::string(1, ' ').append(254, 'y'));
    EXPECT_EQ(f.colours.layer.cell(2, 256), kRed);
}

TEST(Selection, OverlayMovesInWholeCellsOrFollowsSmallBlocks) {
    SelectionState s;
    s.rect = {3, 2, 6, 4};  // three rows: 36 pixels or more high
    PixelBox box = overlay_box(s.rect, false, 0, 30);
    EXPECT_EQ(box, (PixelBox{16, 46, 32, 48}));
    box = drag_overlay(s, 5, 5, box, false, 0, 30);  // grab
    box = drag_overlay(s, 5 + 17, 5 - 20, box, false, 0, 30);
    EXPECT_EQ(s.rect, (SelectionRect{5, 1, 8, 3}));  // 17 div 8 = 2, -20 div 16 = -1
    EXPECT_EQ(box, (PixelBox{32, 30, 32, 48}));
    end_overlay_drag(s);
    EXPECT_FALSE(s.overlay_dragging);

    // One double-byte row: follows the pointer, cells from where it lies.
    SelectionState t;
    t.rect = {2, 1, 3, 1};
    PixelBox small = overlay_box(t.rect, true);
    EXPECT_EQ(small, (PixelBox{16, 0, 32, 16}));
    small = drag_overlay(t, 0, 0, small, true);
    small = drag_overlay(t, 9, 23, small, true);
    EXPECT_EQ(small, (PixelBox{25, 23, 32, 16}));
    // left = (25 + 8) div 16 + 1, right = (25 + 8 + 32 - 16) div 16 + 1, rows (23 + 8) div 16 + 1
    EXPECT_EQ(t.rect, (SelectionRect{3, 2, 4, 2}));
}

TEST(Selection, OverlayDrawsRowsThenColouredCells) {
    Fixture f({"ab  "});
    ASSERT_TRUE(f.drag(1, 1, 2, 1, false));
    f.colours.selection.set(1, 2, {false, true, 0, 0x0000FF});  // red background
    platform::Raster overlay(16, 17);
    draw_overlay(overlay, f.c, f.colours.selection, 1, 2, false, true, 0x000000, 0xFFFFFF);
    EXPECT_EQ(overlay.pixel(0, 1), 0xFFFFFFu);  // 'a' cell, one pixel lower than the grid
    EXPECT_EQ(overlay.pixel(8, 1), 0xFF0000u);  // 'b' cell on its own background
    platform::Raster plain(16, 17);
    draw_overlay(plain, f.c, f.colours.selection, 1, 2, false, false, 0x000000, 0xFFFFFF);
    EXPECT_EQ(plain.pixel(8, 1), 0xFFFFFFu);
}

}  // namespace
}  // namespace quillo::tools
