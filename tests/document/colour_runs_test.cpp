#include "document/colour_runs.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo::document {
namespace {

const ColourCell kRed{true, false, 0x0000FF, 0};
const ColourCell kRedOnBlue{true, true, 0x0000FF, 0xFF0000};

TEST(ColourRuns, BreaksAtEveryDifferenceIncludingHiddenValues) {
    ColourGrid g;
    for (int c = 2; c <= 4; ++c) g.set(1, c, kRed);
    g.set(1, 5, kRedOnBlue);
    ColourCell hidden = kRed;
    hidden.back = 0x123456;  // not shown, but a different cell all the same
    g.set(1, 6, hidden);
    std::vector<ColourRun> runs;
    const std::string text = "abcdefgh";
    colour_runs(g, 1, 8, text, false, runs);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].start, 2);
    EXPECT_EQ(runs[0].length, 3);
    EXPECT_EQ(runs[0].text(text), "bcd");
    EXPECT_EQ(runs[1].text(text), "e");
    EXPECT_EQ(runs[2].start, 6);
    EXPECT_EQ(runs[2].cell.back, 0x123456);

    colour_runs(g, 1, 8, text, false, runs, true);  // with the plain runs: the whole row
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text(text), "a");
    EXPECT_EQ(runs[4].text(text), "gh");
    EXPECT_FALSE(runs[4].cell.has_flag());

    // Cells past the given count are never part of a run.
    colour_runs(g, 1, 3, text, false, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].length, 2);
}

TEST(ColourRuns, DoubleByteTakesTwoBytesPerCellAndShortRowsClip) {
    ColourGrid g;
    g.set(2, 2, kRed);
    g.set(2, 3, kRed);
    g.set(2, 5, kRed);
    std::vector<ColourRun> runs;
    const std::string text =
        "\xD6\xD0"
        "ab"
        "\xCE\xC4"
        "c";  // cells: 中, ab, 文, "c"
    colour_runs(g, 2, 10, text, true, runs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].byte_begin, 2);
    EXPECT_EQ(runs[0].text(text), "ab\xCE\xC4");
    // Cell 5 lies past the 7-byte row: a run with no text.
    EXPECT_EQ(runs[1].start, 5);
    EXPECT_TRUE(runs[1].text(text).empty());
    EXPECT_EQ(runs[1].byte_begin, runs[1].byte_end);

    // A cell count past the layer or row past it is clipped, not read.
    g.set(3, 256, kRed);
    colour_runs(g, 3, 10000, std::string(255, 'x'), false, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].start, 256);
    EXPECT_EQ(runs[0].byte_begin, 255);
    colour_runs(g, 81, 10, text, false, runs);
    EXPECT_TRUE(runs.empty());
}

TEST(ColourRuns, FindRunExtendsBothWays) {
    ColourGrid g;
    for (int c = 3; c <= 7; ++c) g.set(4, c, kRedOnBlue);
    const std::string text = "0123456789";
    const auto run = find_colour_run(g, 4, 5, 10, text, false);
    EXPECT_EQ(run.start, 3);
    EXPECT_EQ(run.length, 5);
    EXPECT_EQ(run.text(text), "23456");
    const auto plain = find_colour_run(g, 4, 9, 10, text, false);
    EXPECT_EQ(plain.start, 8);
    EXPECT_EQ(plain.length, 3);
    const auto clipped = find_colour_run(g, 4, 5, 6, text, false);  // the canvas ends at cell 6
    EXPECT_EQ(clipped.length, 4);
    EXPECT_EQ(find_colour_run(g, 4, 11, 10, text, false).length, 0);
}

}  // namespace
}  // namespace quillo::document
