#include "tools/points.h"

#include <gtest/gtest.h>

#include "tool_canvas.h"

namespace quillo::tools {
namespace {

using testing::blank_canvas;
using testing::count_marks;
using testing::marks;
using V = std::vector<int>;

TEST(ScatterCell, MapsValuesOntoRowsAndColumns) {
    // 0 and w both land on the last column of row 1.
    EXPECT_EQ(scatter_cell(0, 10), (Cell{10, 1}));
    EXPECT_EQ(scatter_cell(10, 10), (Cell{10, 1}));
    EXPECT_EQ(scatter_cell(1, 10), (Cell{1, 1}));
    EXPECT_EQ(scatter_cell(11, 10), (Cell{1, 2}));
    EXPECT_EQ(scatter_cell(20, 10), (Cell{10, 2}));
    // The largest value (h * w - 1) is the next to last column of the bottom row.
    EXPECT_EQ(scatter_cell(5 * 10 - 1, 10), (Cell{9, 5}));
}

TEST(RandomScatter, LaysWhereTheGeneratorSays) {
    auto c = blank_canvas(10, 5);
    platform::Random rng(1234), twin(1234);
    random_scatter(c, 5, 10, 30, "#", false, rng);
    auto expected = blank_canvas(10, 5);
    for (int i = 0; i < 30; ++i) {
        const Cell at = scatter_cell(twin.next_int(50), 10);
        expected.layers.row(canvas::kWorking, at.y)[static_cast<std::size_t>(at.x - 1)] = '#';
    }
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(c.layers.row(canvas::kWorking, r), expected.layers.row(canvas::kWorking, r));
    EXPECT_EQ(rng.seed_value(), twin.seed_value());

    // Two-byte cells: column x falls in cell (x + 1) / 2.
    auto d = blank_canvas(10, 5, true);
    platform::Random a(99), b(99);
    random_scatter(d, 5, 10, 12, "\xA1\xF6", true, a);
    for (int i = 0; i < 12; ++i) {
        const Cell at = scatter_cell(b.next_int(50), 10);
        const int cell = (at.x + 1) / 2;
        EXPECT_EQ(d.layers.row(canvas::kWorking, at.y).substr(2 * cell - 2, 2), "\xA1\xF6");
    }
}

TEST(RandomScatter, CountsAndBounds) {
    auto c = blank_canvas(10, 5);
    platform::Random rng(7);
    random_scatter(c, 5, 10, 0, "#", false, rng);
    random_scatter(c, 5, 10, -4, "#", false, rng);
    EXPECT_EQ(count_marks(c), 0);
    EXPECT_EQ(rng.seed_value(), 7u);

    // A billion points on 2 x 3 bytes is cut to 20 per byte: the generator steps 120 times.
    auto small = blank_canvas(3, 2);
    platform::Random big(5), steps(5);
    random_scatter(small, 2, 3, 1'000'000'000, "#", false, big);
    for (int i = 0; i < 120; ++i) steps.next_int(6);
    EXPECT_EQ(big.seed_value(), steps.seed_value());
    EXPECT_EQ(small.layers.row(canvas::kWorking, 2)[2], ' ');  // the never-chosen cell

    // Width 255 in two-byte cells: column 255 is cell 128, bytes 255 and 256: skipped.
    auto wide = blank_canvas(255, 1, true);
    platform::Random r(3);
    random_scatter(wide, 1, 255, 20000, "\xA1\xF6", true, r);
    EXPECT_EQ(wide.layers.row(canvas::kWorking, 1).substr(254), "  ");
    EXPECT_EQ(wide.layers.row(canvas::kWorking, 1).size(), 256u);
}

TEST(Points, SinglePointMovesFreehandAccumulates) {
    auto c = blank_canvas(10, 5);
    single_point(c, {2, 2}, "#");
    single_point(c, {5, 3}, "#");
    EXPECT_EQ(count_marks(c), 1);
    EXPECT_EQ(marks(c, 3), V{5});
    freehand_cell(c, {6, 3}, "#");
    freehand_cell(c, {9, 4}, "#");
    freehand_cell(c, {11, 4}, "#");  // the padding byte after the last column
    freehand_cell(c, {12, 4}, "#");  // beyond the row
    freehand_cell(c, {0, 4}, "#");
    EXPECT_EQ(marks(c, 3), (V{5, 6}));
    EXPECT_EQ(marks(c, 4), (V{9, 11}));
    EXPECT_EQ(c.layers.row(canvas::kWorking, 4).size(), 11u);
    single_point(c, {11, 2}, "#");
    EXPECT_EQ(marks(c, 2), V{11});
}

}  // namespace
}  // namespace quillo::tools
