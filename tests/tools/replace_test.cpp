#include "tools/replace.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace quillo::tools {
namespace {

using testing::pen_of;
using testing::picture;
using testing::seen_all;
using Picture = std::vector<std::string>;

class Replace : public ::testing::TestWithParam<bool> {};

TEST_P(Replace, EveryOccurrenceConnectedOrNot) {
    const bool twin = GetParam();
    auto c = picture({"#..#.", ".#...", "....#"}, twin);
    EXPECT_EQ(replace_all(c, clicked_character(c, {1, 1}), pen_of(twin)), 4);
    EXPECT_EQ(seen_all(c), (Picture{"*..*.", ".*...", "....*"}));
    // Only the working layer changes; committing is the caller's step.
    EXPECT_EQ(c.layers.row(canvas::kCommitted, 1).substr(0, twin ? 2 : 1),
              testing::cell_of('#', twin));
    // Padding after the last cell stays.
    EXPECT_EQ(c.layers.row(canvas::kWorking, 3).back(), ' ');
}

TEST_P(Replace, OnlyCellsOfTheCanvas) {
    const bool twin = GetParam();
    auto c = testing::blank_canvas(twin ? 8 : 4, 2, twin);
    // A document line longer than the canvas keeps its bytes beyond the canvas width, and rows
    // beyond the canvas height are not touched.
    c.layers.row(canvas::kWorking, 1) = std::string(20, 'x');
    c.layers.row(canvas::kWorking, 3) = std::string(20, 'x');
    EXPECT_EQ(replace_all(c, twin ? "xx" : "x", twin ? "yy" : "y"), 4);
    EXPECT_EQ(c.layers.row(canvas::kWorking, 1),
              std::string(twin ? 8 : 4, 'y') + std::string(twin ? 12 : 16, 'x'));
    EXPECT_EQ(c.layers.row(canvas::kWorking, 3), std::string(20, 'x'));
    // A click off the canvas reads nothing, and nothing is replaced for it.
    EXPECT_EQ(clicked_character(c, {0, 1}), "");
    EXPECT_EQ(clicked_character(c, {5, 1}), "");
    EXPECT_EQ(clicked_character(c, {1, 3}), "");
    EXPECT_EQ(replace_all(c, "", "y"), 0);
    EXPECT_EQ(replace_all(c, twin ? "x" : "xx", "y"), 0);  // not one cell of this mode
    EXPECT_EQ(replace_all(c, twin ? "yy" : "y", ""), 0);   // an empty pen lays nothing
}

INSTANTIATE_TEST_SUITE_P(ByteModes, Replace, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DoubleByte" : "SingleByte"; });

TEST(Replace, DoubleByteComparesWholeCells) {
    auto c = testing::blank_canvas(14, 1, true);
    // "中" in cell 1 and again off by one byte across cells 2 and 3; "ab" in cells 4 and 7 and
    // across cells 5 and 6.
    c.layers.row(canvas::kWorking, 1) = "\xD6\xD0x\xD6\xD0 ab ab ab ";
    EXPECT_EQ(replace_all(c, "\xD6\xD0", "\xA1\xEF"), 1);
    EXPECT_EQ(c.layers.row(canvas::kWorking, 1), "\xA1\xEFx\xD6\xD0 ab ab ab ");
    EXPECT_EQ(replace_all(c, "ab", "a\xD6\xD0"), 2);  // the pen's letter takes a space
    EXPECT_EQ(c.layers.row(canvas::kWorking, 1), "\xA1\xEFx\xD6\xD0 a  ab a  ");
    // An odd width: cells up to round(width / 2), and never a cell the row does not hold whole.
    auto d = testing::blank_canvas(11, 2, true);
    d.layers.row(canvas::kWorking, 2) = std::string(11, ' ');
    EXPECT_EQ(replace_all(d, "  ", "##"), 6 + 5);
    EXPECT_EQ(d.layers.row(canvas::kWorking, 1), std::string(12, '#'));
    EXPECT_EQ(d.layers.row(canvas::kWorking, 2), std::string(10, '#') + " ");
}

TEST(Replace, PenCellIsOneWholeCharacter) {
    EXPECT_EQ(pen_cell("abc", false), "a");
    EXPECT_EQ(pen_cell("\xD6\xD0", false), "\xD6");  // single-byte mode takes the first byte
    EXPECT_EQ(pen_cell("a", true), "a ");
    EXPECT_EQ(pen_cell("ab", true), "ab");
    EXPECT_EQ(pen_cell("\xD6\xD0x", true), "\xD6\xD0");
    EXPECT_EQ(pen_cell("a\xD6\xD0", true), "a ");
    EXPECT_EQ(pen_cell("", true), "");
}

}  // namespace
}  // namespace quillo::tools
