#include "tools/shapes.h"

#include <gtest/gtest.h>

#include "tool_canvas.h"

namespace quillo::tools {
namespace {

using testing::blank_canvas;
using testing::count_marks;
using testing::marks;
using V = std::vector<int>;

TEST(Line, FollowsTheSlopeInBothDirections) {
    auto c = blank_canvas(20, 10);
    line(c, {3, 5}, {7, 5}, "#");
    EXPECT_EQ(marks(c, 5), (V{3, 4, 5, 6, 7}));
    EXPECT_EQ(count_marks(c), 5);
    line(c, {7, 5}, {3, 5}, "#");
    EXPECT_EQ(marks(c, 5), (V{3, 4, 5, 6, 7}));
    EXPECT_EQ(count_marks(c), 5);  // the previous figure went with the reset

    // k = 1/3: one cell per row, column round((y - 1) / 3 + 1).
    line(c, {1, 1}, {3, 7}, "#");
    const int k_third[] = {1, 1, 2, 2, 2, 3, 3};
    for (int y = 1; y <= 7; ++y) EXPECT_EQ(marks(c, y), V{k_third[y - 1]}) << "row " << y;
    // Drawn from the other end it is the same set of cells.
    line(c, {3, 7}, {1, 1}, "#");
    for (int y = 1; y <= 7; ++y) EXPECT_EQ(marks(c, y), V{k_third[y - 1]}) << "row " << y;

    // k = 3: one cell per column, row round((x - 1) / 3 + 1).
    line(c, {1, 1}, {7, 3}, "#");
    EXPECT_EQ(marks(c, 1), (V{1, 2}));
    EXPECT_EQ(marks(c, 2), (V{3, 4, 5}));
    EXPECT_EQ(marks(c, 3), (V{6, 7}));

    // k = 1 takes the column loop: the diagonal.
    line(c, {1, 1}, {4, 4}, "#");
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(marks(c, y), V{y});
    EXPECT_EQ(count_marks(c), 4);

    // Vertical: one cell per row.
    line(c, {2, 3}, {2, 6}, "#");
    for (int y = 3; y <= 6; ++y) EXPECT_EQ(marks(c, y), V{2});
    EXPECT_EQ(count_marks(c), 4);
}

TEST(Line, LosesOnlyTheCellsItsRowsLack) {
    auto c = blank_canvas(10, 5);
    // From inside to far beyond the right edge and the bottom: the padding byte after the
    // last column is part of the row and takes the pen; nothing beyond it.
    line(c, {8, 2}, {400, 2}, "#");
    EXPECT_EQ(marks(c, 2), (V{8, 9, 10, 11}));
    EXPECT_EQ(c.layers.row(canvas::kWorking, 2).size(), 11u);
    line(c, {3, -50}, {3, 300}, "#");
    EXPECT_EQ(count_marks(c), 5);
    for (int y = 1; y <= 5; ++y) EXPECT_EQ(marks(c, y), V{3});
    EXPECT_TRUE(c.layers.row(canvas::kWorking, 6).empty());  // rows below the canvas untouched
    line(c, {-5, -5}, {-1, -9}, "#");
    EXPECT_EQ(count_marks(c), 0);
}

TEST(Rectangle, OutlineAndOneColumnBar) {
    auto c = blank_canvas(20, 10);
    rectangle(c, {6, 2}, {2, 5}, "#");
    EXPECT_EQ(marks(c, 2), (V{2, 3, 4, 5, 6}));
    EXPECT_EQ(marks(c, 3), (V{2, 6}));
    EXPECT_EQ(marks(c, 4), (V{2, 6}));
    EXPECT_EQ(marks(c, 5), (V{2, 3, 4, 5, 6}));
    EXPECT_EQ(count_marks(c), 14);

    rectangle(c, {4, 7}, {4, 3}, "#");
    for (int y = 3; y <= 7; ++y) EXPECT_EQ(marks(c, y), V{4});
    EXPECT_EQ(count_marks(c), 5);

    rectangle(c, {9, 9}, {9, 9}, "#");
    EXPECT_EQ(count_marks(c), 1);
    EXPECT_EQ(marks(c, 9), V{9});

    // Partly off the canvas: only the cells inside the rows remain.
    rectangle(c, {18, 8}, {30, 14}, "#");
    EXPECT_EQ(marks(c, 8), (V{18, 19, 20, 21}));
    EXPECT_EQ(marks(c, 9), V{18});
    EXPECT_EQ(marks(c, 10), V{18});
}

TEST(Rectangle, DoubleByteCellsPastByte255AreNotWritten) {
    auto c = blank_canvas(255, 3, true);
    // Cell 128 would be bytes 255 and 256.
    rectangle(c, {126, 1}, {128, 2}, "\xA1\xF6");
    const std::string& row = c.layers.row(canvas::kWorking, 1);
    EXPECT_EQ(row.size(), 256u);
    EXPECT_EQ(row.substr(250, 4), "\xA1\xF6\xA1\xF6");  // cells 126 and 127
    EXPECT_EQ(row.substr(254), "  ");                   // bytes 255 and 256 untouched
}

TEST(Line, ReachesEveryColumnBetweenItsEndsInsideAShortRow) {
    // A 78-byte canvas: short rows are 79 bytes, and a line dragged from column 70 to 79 (the
    // pointer may cross the scroll bar) lays all ten.
    auto c = blank_canvas(78, 5);
    line(c, {70, 3}, {79, 3}, "#");
    EXPECT_EQ(marks(c, 3).size(), 10u);
    EXPECT_EQ(marks(c, 3).back(), 79);
    // A row of exactly the canvas width holds no byte 79: nothing is added to it.
    c.layers.row(canvas::kCommitted, 4) = std::string(78, '.');
    line(c, {75, 4}, {79, 4}, "#");
    EXPECT_EQ(c.layers.row(canvas::kWorking, 4), std::string(74, '.') + "####");
    // A rectangle's right side stands there too.
    rectangle(c, {76, 1}, {79, 2}, "#");
    EXPECT_EQ(marks(c, 2), (V{76, 77, 78, 79}));

    // Double-byte mode: a 2-byte cell is laid when the row holds both its bytes. With an odd
    // width the padding byte completes the last cell; with an even one it is half a cell and
    // stays blank.
    auto odd = blank_canvas(79, 2, true);
    line(odd, {38, 1}, {45, 1}, "\xD6\xD0");
    EXPECT_EQ(odd.layers.row(canvas::kWorking, 1).substr(74), "\xD6\xD0\xD6\xD0\xD6\xD0");
    auto even = blank_canvas(78, 2, true);
    line(even, {38, 1}, {45, 1}, "\xD6\xD0");
    EXPECT_EQ(even.layers.row(canvas::kWorking, 1).substr(74), "\xD6\xD0\xD6\xD0 ");
}

TEST(Circle, RowAndColumnPassesWithAspectTwo) {
    auto c = blank_canvas(80, 30);
    // r2 = 100, extents round(1.5 * 0.707107 * 10) = 11 rows above and below.
    circle(c, {40, 15}, {40, 25}, 2.0, "#");
    EXPECT_EQ(marks(c, 3), V{});
    EXPECT_EQ(marks(c, 4), V{40});  // beyond the radius: the centre column
    EXPECT_EQ(marks(c, 26), V{40});
    EXPECT_EQ(marks(c, 27), V{});
    // Centre row: x = 40 -/+ 10 * 2.
    EXPECT_EQ(marks(c, 15).front(), 20);
    EXPECT_EQ(marks(c, 15).back(), 60);
    // Column pass at x = 29: d = 5.5, y = 15 - round(sqrt(69.75)) = 7 and mirrored 23.
    for (int y : {7, 23}) {
        const auto m = marks(c, y);
        EXPECT_NE(std::find(m.begin(), m.end(), 29), m.end()) << "row " << y;
        EXPECT_NE(std::find(m.begin(), m.end(), 51), m.end()) << "row " << y;
    }
    // Symmetric about the centre column.
    for (int y = 1; y <= 30; ++y)
        for (int x : marks(c, y)) {
            const auto m = marks(c, y);
            EXPECT_NE(std::find(m.begin(), m.end(), 80 - x), m.end()) << x << "," << y;
        }
}

TEST(Circle, ClippedAtTheCanvasEdges) {
    auto c = blank_canvas(20, 10);
    circle(c, {2, 2}, {2, 9}, 2.0, "#");
    EXPECT_GT(count_marks(c), 0);
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(c.layers.row(canvas::kWorking, r).size(), 21u);
    for (int r = 1; r <= 10; ++r)
        for (int x : marks(c, r)) EXPECT_LE(x, 20) << "row " << r;
    for (int r = 11; r <= canvas::kMaxRows; ++r)
        EXPECT_TRUE(c.layers.row(canvas::kWorking, r).empty());
    // Huge radius and absurd aspect ratios stay defined.
    circle(c, {5, 5}, {9000, -9000}, 1e300, "#");
    circle(c, {5, 5}, {7, 7}, 0.0, "#");
    circle(c, {5, 5}, {7, 7}, -3.0, "#");
}

TEST(Circle, DoubleByteCentresSnapToOddCells) {
    EXPECT_EQ(circle_centre_column(4, true), 3);
    EXPECT_EQ(circle_centre_column(5, true), 3);  // 2.5 rounds to 2
    EXPECT_EQ(circle_centre_column(6, true), 5);
    EXPECT_EQ(circle_centre_column(6, false), 6);
    // A radius-0 circle lays only its centre: started at cell 4 it lands on cell 3 (bytes 5, 6).
    auto c = blank_canvas(20, 5, true);
    circle(c, {4, 3}, {4, 3}, 1.0, "AB");
    EXPECT_EQ(c.layers.row(canvas::kWorking, 3).substr(4, 2), "AB");
    EXPECT_EQ(testing::count_marks(c, 'A'), 1);
}

TEST(EllipsePlot, AspectBelowOneTakesTheAngleInDegrees) {
    // a = 0.5: 22.5 degrees; sin * 10 = 3.83, cos * 10 - 1 = 8.24.
    const Extents e = ellipse_extents(10, 0.5);
    EXPECT_EQ(e.hx, 4);
    EXPECT_EQ(e.vy, 8);
    // Just below 1 the extent meets the other branch's.
    EXPECT_EQ(ellipse_extents(10, 0.9999999).hx, ellipse_extents(10, 1.0).hx);

    auto c = blank_canvas(40, 30);
    ellipse_plot(c, 20, 15, 100, 0.5, "#");
    // Row pass at y = 7: t = 36, x = 20 -/+ 3.
    EXPECT_EQ(marks(c, 7), (V{17, 23}));
    // Column pass at x = 20: y = 15 -/+ 10.
    // Column pass at x = 20 -/+ 1: d = 2, y = 15 - round(sqrt(96)) = 5 as well.
    EXPECT_EQ(marks(c, 5), (V{19, 20, 21}));
    EXPECT_EQ(marks(c, 25), (V{19, 20, 21}));
    EXPECT_EQ(marks(c, 4), V{});
}

}  // namespace
}  // namespace quillo::tools
