#include "tools/fill.h"

#include <gtest/gtest.h>

#include "picture.h"
#include "tools/replace.h"
#include "tools/tool_driver.h"

namespace quillo::tools {
namespace {

using testing::pen_of;
using testing::picture;
using testing::seen_all;
using Picture = std::vector<std::string>;

class Fill : public ::testing::TestWithParam<bool> {
  protected:
    // Fills the picture from cell (x, y) and returns what the working layer then shows.
    Picture filled(const Picture& before, Cell at, int* count = nullptr) {
        c = picture(before, GetParam());
        const int n = fill(c, at, clicked_character(c, at), pen_of(GetParam()));
        if (count) *count = n;
        return seen_all(c);
    }
    canvas::CanvasState c;
};

TEST_P(Fill, ClosedOutlineFillsItsInsideOnly) {
    int n = 0;
    EXPECT_EQ(
        filled({"..........", ".#######..", ".#.....#..", ".#.....#..", ".#######..", ".........."},
               {4, 3}, &n),
        (Picture{"..........", ".#######..", ".#*****#..", ".#*****#..", ".#######..",
                 ".........."}));
    EXPECT_EQ(n, 10);
    // Clicked on the outline: its one-cell sides connect to nothing, so only the clicked edge
    // is filled.
    EXPECT_EQ(filled({".####.", ".#..#.", ".####."}, {3, 1}),
              (Picture{".****.", ".#..#.", ".####."}));
}

TEST_P(Fill, OneColumnRegionFillsOnlyTheClickedRow) {
    EXPECT_EQ(filled({"###.###", "###.###", "###.###", "###.###"}, {4, 2}),
              (Picture{"###.###", "###*###", "###.###", "###.###"}));
}

TEST_P(Fill, SpreadsUpThenDownAndNeverTurnsBack) {
    // Clicked in the left arm of a U: the arm and the base, not the right arm.
    EXPECT_EQ(filled({"..####..", "..####..", "........", "########"}, {1, 1}),
              (Picture{"**####..", "**####..", "********", "########"}));
    // Clicked in the base: both arms are reached going up.
    EXPECT_EQ(filled({"..####..", "..####..", "........"}, {5, 3}),
              (Picture{"**####**", "**####**", "********"}));
    // An upside-down step reached only by going up and then down stays.
    EXPECT_EQ(filled({"......", ".##...", ".#....", ".#####"}, {4, 3}),
              (Picture{"******", ".##***", ".#****", ".#####"}));
}

TEST_P(Fill, RunsMeetingInOneColumnDoNotConnect) {
    EXPECT_EQ(filled({"...##", "##...", "#...."}, {1, 1}), (Picture{"***##", "##...", "#...."}));
    // Two columns of overlap connect.
    EXPECT_EQ(filled({"...##", "#....", "#####"}, {1, 1}), (Picture{"***##", "#****", "#####"}));
    // A one-cell run connects to a run reaching past it on both sides, not to a one-cell run.
    EXPECT_EQ(filled({"#.#.#", ".....", "#.#.#"}, {3, 2}), (Picture{"#*#*#", "*****", "#*#*#"}));
    EXPECT_EQ(filled({"..#", "#.#"}, {1, 1}), (Picture{"**#", "#.#"}));
}

TEST_P(Fill, RegionReachingBothEdgesEndsThere) {
    int n = 0;
    EXPECT_EQ(filled({"#....", "....#", "....."}, {3, 2}, &n),
              (Picture{"#****", "****#", "*****"}));
    EXPECT_EQ(n, 13);
    // The padding after the last cell is no cell: it keeps its space.
    const std::string& row = c.layers.row(canvas::kWorking, 3);
    EXPECT_EQ(row.size(), static_cast<std::size_t>(c.width + 1));
    EXPECT_EQ(row.back(), ' ');
}

TEST_P(Fill, UnconnectedOccurrencesStay) {
    EXPECT_EQ(filled({".#.", "###", ".#."}, {1, 1}), (Picture{"*#.", "###", ".#."}));
}

TEST_P(Fill, EndsOnEveryCanvasAndStaysInsideIt) {
    // The largest canvas, one region, the pen equal to the character.
    const bool twin = GetParam();
    auto big = testing::blank_canvas(canvas::kMaxRowBytes, canvas::kMaxRows, twin);
    const int cells = twin ? canvas::kMaxRowBytes / 2 : canvas::kMaxRowBytes;
    EXPECT_EQ(fill(big, {7, 40}, clicked_character(big, {7, 40}), twin ? "  " : " "),
              cells * canvas::kMaxRows);
    // Rows of every length: cells beyond a row's end are no part of the region, and nothing
    // past the canvas height is read or written.
    auto ragged = testing::blank_canvas(20, 6, twin);
    ragged.layers.row(canvas::kWorking, 3) = twin ? "     " : "  ";
    ragged.layers.row(canvas::kWorking, 7) = "xxxx";
    fill(ragged, {1, 6}, clicked_character(ragged, {1, 6}), pen_of(twin));
    EXPECT_EQ(ragged.layers.row(canvas::kWorking, 3),
              twin ? pen_of(true) + pen_of(true) + " " : "**");
    EXPECT_EQ(ragged.layers.row(canvas::kWorking, 7), "xxxx");
    // A click off the canvas or on another character fills nothing.
    EXPECT_EQ(fill(ragged, {0, 1}, pen_of(twin), "#"), 0);
    EXPECT_EQ(fill(ragged, {3, 7}, pen_of(twin), "#"), 0);
    EXPECT_EQ(fill(ragged, {2, 1}, "", "#"), 0);
}

INSTANTIATE_TEST_SUITE_P(ByteModes, Fill, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DoubleByte" : "SingleByte"; });

TEST(Fill, DoubleByteCellsAreComparedAndWrittenWhole) {
    // Two half-width letters share a cell: "oo" cells are a region, "o " and " o" are not.
    auto c = picture({"oooo", "...."}, true);
    c.layers.row(canvas::kWorking, 1).replace(4, 2, "o ");
    EXPECT_EQ(fill(c, {1, 1}, "oo", "\xA1\xEF"), 2);
    EXPECT_EQ(c.layers.row(canvas::kWorking, 1).substr(0, 8), "\xA1\xEF\xA1\xEFo oo");
    // A half-width letter before a full-width one in the pen is laid with a space, never with
    // half of the full-width character.
    auto d = picture({"...."}, true);
    fill(d, {1, 1}, clicked_character(d, {1, 1}), "a\xD6\xD0");
    EXPECT_EQ(d.layers.row(canvas::kWorking, 1), "a a a a  ");
    // An odd canvas width: the last whole cell is width / 2.
    auto e = testing::blank_canvas(9, 1, true);
    EXPECT_EQ(fill(e, {1, 1}, "  ", "##"), 4);
    EXPECT_EQ(e.layers.row(canvas::kWorking, 1), "########  ");
}

TEST(Fill, ClickOfTheToolTable) {
    auto c = picture({"..#..", "..#.."}, false);
    document::Document doc;
    platform::Random rng{1};
    ToolEnv env{c, doc, rng, "*", 2.0, ""};
    // The click reads the character the press left: no stamp may change it first.
    EXPECT_FALSE(tool_row(1)->stamps);
    EXPECT_FALSE(tool_row(2)->stamps);
    EXPECT_TRUE(tool_click(2, {4, 2}, env));
    EXPECT_EQ(seen_all(c), (Picture{"..#**", "..#**"}));
    EXPECT_FALSE(tool_click(2, {9, 2}, env));  // off the canvas: nothing to commit
    EXPECT_TRUE(tool_click(1, {1, 1}, env));   // replace: every '.'
    EXPECT_EQ(seen_all(c), (Picture{"**#**", "**#**"}));
}

}  // namespace
}  // namespace quillo::tools
