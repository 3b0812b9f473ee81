#include "tools/text_entry.h"

#include <gtest/gtest.h>

#include "tool_canvas.h"

namespace quillo::tools {
namespace {

using testing::blank_canvas;
using Lines = std::vector<std::string>;

std::string working(const canvas::CanvasState& c, int r) {
    return c.layers.row(canvas::kWorking, r);
}

TEST(WriteText, ReplacesAsManyBytesAsItHasInBothModes) {
    auto c = blank_canvas(10, 3);
    write_text(c, "ab", 3, 2);
    EXPECT_EQ(working(c, 2), "  ab       ");
    EXPECT_EQ(working(c, 1), std::string(11, ' '));

    // Double-byte: one half-width and one full-width character at cell 2 are padded to whole
    // cells ("a", space, the character, space) from byte 3 on; the rest keeps its place.
    auto d = blank_canvas(10, 3, true);
    d.layers.row(canvas::kWorking, 1) = "0123456789X";
    write_text(d, "a\xD6\xD0", 2, 1);
    EXPECT_EQ(working(d, 1), "01a \xD6\xD0 789X");
    // Two half-width characters then a full-width one stay as they are.
    write_text(d, "xy\xB9\xFA", 1, 2);
    EXPECT_EQ(working(d, 2).substr(0, 5), "xy\xB9\xFA ");

    // Odd-length text ends in the first byte of a cell: a full-width character there loses its
    // lead byte, and its trail byte becomes a space rather than half a character; two half-width
    // characters keep their second one.
    d.layers.row(canvas::kWorking, 3) = "\xB9\xFA\xB9\xFA\xB9\xFA\xB9\xFA";
    write_text(d,
               "a\xD6\xD0"
               "b",
               1, 3);
    EXPECT_EQ(working(d, 3),
              "a \xD6\xD0"
              "b \xB9\xFA");
    d.layers.row(canvas::kWorking, 3) = "cdcdcdcd";
    write_text(d,
               "a\xD6\xD0"
               "b",
               1, 3);
    EXPECT_EQ(working(d, 3),
              "a \xD6\xD0"
              "bdcd");

    // A row shorter than the start gets the text right after its last byte.
    c.layers.row(canvas::kWorking, 3) = "abc";
    write_text(c, "Z", 9, 3);
    EXPECT_EQ(working(c, 3), "abcZ");
}

TEST(WriteText, StaysOnTheCanvasAndWithin255Bytes) {
    auto c = blank_canvas(10, 3);
    // Longer than the rest of the row: the row grows.
    write_text(c, "0123456789ABCDEF", 5, 1);
    EXPECT_EQ(working(c, 1), "    0123456789ABCDEF");
    // ... but never beyond byte 255.
    write_text(c, std::string(300, 'q'), 2, 2);
    EXPECT_EQ(working(c, 2), " " + std::string(254, 'q'));
    write_text(c, "q", 256, 3);
    EXPECT_EQ(working(c, 3), std::string(11, ' '));
    // Rows off the canvas, even those a layer holds, are left alone.
    write_text(c, "x", 1, 4);
    write_text(c, "x", 1, 0);
    EXPECT_EQ(working(c, 4), "");

    // A full-width character that would straddle byte 255 is left out; the old byte stays.
    c.layers.row(canvas::kWorking, 3) = std::string(255, '.');
    write_text(c, "ab\xD6\xD0", 253, 3);
    EXPECT_EQ(working(c, 3), std::string(252, '.') + "ab.");
    write_text(c, "\xD6\xD0\xD6\xD0", 253, 3);
    EXPECT_EQ(working(c, 3), std::string(252, '.') + "\xD6\xD0.");

    // Double-byte: cell 128 would start at byte 255, where no whole cell fits.
    auto d = blank_canvas(10, 1, true);
    d.layers.row(canvas::kWorking, 1) = std::string(255, '.');
    write_text(d, "\xD6\xD0", 128, 1);
    EXPECT_EQ(working(d, 1), std::string(255, '.'));
    write_text(d, "ab\xD6\xD0", 127, 1);
    EXPECT_EQ(working(d, 1), std::string(252, '.') + "ab.");
}

TEST(MemoLines, OneCellPerLine) {
    EXPECT_EQ(memo_lines("", false), Lines{});
    EXPECT_EQ(memo_lines("abc", false), (Lines{"a", "b", "c"}));
    EXPECT_EQ(memo_lines("a\xD6\xD0", false), (Lines{"a", "\xD6\xD0"}));
    // Double-byte cells hold a full-width character or two half-width ones.
    EXPECT_EQ(memo_lines("abc\xD6\xD0z\xB9\xFA", true),
              (Lines{"ab", "c", "\xD6\xD0", "z", "\xB9\xFA"}));
    // Breaks end lines; one at the very end starts none, so a lone break is one empty line.
    EXPECT_EQ(memo_lines("a\r\nb\rc\n", false), (Lines{"a", "b", "c"}));
    EXPECT_EQ(memo_lines("\n", true), Lines{""});
    EXPECT_EQ(memo_lines("a\n\nb", true), (Lines{"a", "", "b"}));
    // A stray lead byte at the end counts as one byte.
    EXPECT_EQ(memo_lines("a\xD6", true), (Lines{"a\xD6"}));
}

TEST(WriteColumn, OneLinePerRowStoppingAtTheBottom) {
    auto c = blank_canvas(10, 3);
    write_column(c, "abc", 5, 1);
    EXPECT_EQ(working(c, 1), "    a      ");
    EXPECT_EQ(working(c, 2), "    b      ");
    EXPECT_EQ(working(c, 3), "    c      ");
    write_column(c, "xyz", 1, 3);
    EXPECT_EQ(working(c, 3), "x   c      ");
    EXPECT_EQ(working(c, 4), "");

    // Double-byte: a lone half-width character is padded to its cell.
    auto d = blank_canvas(10, 3, true);
    write_column(d, "a\xD6\xD0xy", 2, 1);
    EXPECT_EQ(working(d, 1), "  a        ");
    EXPECT_EQ(working(d, 2), "  \xD6\xD0       ");
    EXPECT_EQ(working(d, 3), "  xy       ");
}

TEST(VerticalEnter, ColumnsMoveRightUntilAnEmptyBoxOrTheEdge) {
    auto c = blank_canvas(4, 2);
    TextEntry e{{3, 1}};
    EXPECT_EQ(vertical_enter(c, e, "ab", true), EnterOutcome::wrote);
    EXPECT_EQ(e.at, (Cell{4, 1}));
    EXPECT_TRUE(e.written);
    EXPECT_EQ(working(c, 1), "  a  ");
    // An empty memo ends the entry and writes nothing.
    EXPECT_EQ(vertical_enter(c, e, "\n", true), EnterOutcome::ended);
    EXPECT_EQ(e.at, (Cell{4, 1}));
    // The last column is written, and the entry ends there.
    EXPECT_EQ(vertical_enter(c, e, "cd", true), EnterOutcome::wrote_and_ended);
    EXPECT_EQ(working(c, 2), "  bd ");

    // At the window's edge: a column on the canvas is still written, one beyond it is not.
    auto d = blank_canvas(4, 1, true);
    TextEntry f{{2, 1}};
    EXPECT_EQ(vertical_enter(d, f, "\xD6\xD0", false), EnterOutcome::wrote_and_ended);
    EXPECT_EQ(working(d, 1), "  \xD6\xD0 ");
    TextEntry g{{3, 1}};
    EXPECT_EQ(vertical_enter(d, g, "zz", false), EnterOutcome::ended);
    EXPECT_FALSE(g.written);
    EXPECT_EQ(working(d, 1), "  \xD6\xD0 ");
}

TEST(HorizontalEnter, LinesMoveDownUntilAnEmptyBoxOrTheBottom) {
    auto c = blank_canvas(6, 3);
    TextEntry e{{3, 2}};
    EXPECT_EQ(horizontal_enter(c, e, "ab", 20), EnterOutcome::wrote);
    EXPECT_EQ(e.at, (Cell{3, 3}));
    EXPECT_EQ(working(c, 2), "  ab   ");
    EXPECT_EQ(horizontal_enter(c, e, "", 20), EnterOutcome::ended);
    EXPECT_EQ(working(c, 3), std::string(7, ' '));
    // The bottom row of the canvas is written, then the entry ends.
    EXPECT_EQ(horizontal_enter(c, e, "cd", 20), EnterOutcome::wrote_and_ended);
    EXPECT_EQ(working(c, 3), "  cd   ");
    // So does the row below the panel's last whole row.
    TextEntry f{{1, 1}};
    EXPECT_EQ(horizontal_enter(c, f, "x", last_box_row(17)), EnterOutcome::wrote);
    EXPECT_EQ(horizontal_enter(c, f, "y", last_box_row(17)), EnterOutcome::wrote_and_ended);
    EXPECT_EQ(working(c, 2), "y ab   ");
}

TEST(BoxGeometry, FollowsTheCells) {
    EXPECT_EQ(box_left(3, true), 32);
    EXPECT_EQ(box_left(3, false), 16);
    EXPECT_EQ(box_top(2), 16);
    EXPECT_EQ(memo_height("", true), 32);
    EXPECT_EQ(memo_height("abc", true), 48);
    EXPECT_EQ(memo_height("abc", false), 64);
    EXPECT_EQ(memo_height(std::string(100000, 'a'), false), 2000 + 16);
    EXPECT_EQ(edit_width(""), 16);
    EXPECT_EQ(edit_width("a\xD6\xD0"), 40);
    EXPECT_TRUE(memo_fits_window(768, 800, true));
    EXPECT_FALSE(memo_fits_window(769, 800, true));
    EXPECT_TRUE(memo_fits_window(784, 800, false));
}

}  // namespace
}  // namespace quillo::tools
