#include "textops/canvas_transforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "canvas/canvas_window.h"
#include "platform/gbk.h"

namespace quillo::textops {
namespace {

using canvas::kCommitted;
using canvas::kUndo;
using canvas::kWorking;

// A canvas whose committed and working layers hold `rows`, each padded to width + 1 spaces as
// load window leaves them.
canvas::CanvasState canvas_of(const std::vector<std::string>& rows, int width, bool double_byte,
                              int height = 0) {
    canvas::CanvasState c;
    c.width = width;
    c.height = height ? height : static_cast<int>(rows.size());
    c.double_byte = double_byte;
    for (int r = 1; r <= c.height; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        std::string row = i < rows.size() ? rows[i] : std::string();
        if (row.size() < static_cast<std::size_t>(width)) row.resize(std::min(width + 1, 255), ' ');
        c.layers.row(kCommitted, r) = row;
        c.layers.row(kWorking, r) = row;
    }
    return c;
}

std::vector<std::string> working(const canvas::CanvasState& c) {
    std::vector<std::string> out;
    for (int r = 1; r <= c.height; ++r) out.push_back(c.layers.row(kWorking, r));
    return out;
}

// Rows of varied content: ASCII, full-width characters at cell starts, a trailing part beyond
// the width on one row.
std::vector<std::string> sample_rows(int width, int count) {
    std::vector<std::string> rows;
    for (int r = 0; r < count; ++r) {
        std::string row;
        for (int i = 0; static_cast<int>(row.size()) + 2 <= width; ++i)
            row += (i + r) % 3 == 0 ? std::string("\xD6\xD0")
                                    : std::string(1, char('a' + (i + r) % 26)) + char('A' + i % 26);
        row.resize(std::min(width + 1, 255), ' ');
        if (r == 1 && width + 5 <= 255) row += "TAIL";
        rows.push_back(row);
    }
    return rows;
}

// True when every lead byte of the first `bytes` bytes starts an odd-numbered byte pair.
bool characters_whole(const std::string& row, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes && i < row.size(); i += 2)
        if (i + 1 < row.size() && platform::is_lead_byte(static_cast<unsigned char>(row[i + 1])) &&
            !platform::is_lead_byte(static_cast<unsigned char>(row[i])))
            return false;
    return true;
}

TEST(CanvasTransforms, RowCount) {
    // 40 / 16 = 2.5 and 56 / 16 = 3.5: halves to even.
    EXPECT_EQ(transform_rows(40, 25), 2);
    EXPECT_EQ(transform_rows(56, 25), 4);
    // A board taller than the canvas brings no rows from outside it into view.
    EXPECT_EQ(transform_rows(2000, 25), 25);
    EXPECT_EQ(transform_rows(5000, 80), 80);
    EXPECT_EQ(transform_rows(7, 25), 0);
}

TEST(CanvasTransforms, MirrorLeftRightSingleByte) {
    EXPECT_EQ(mirror_row("abcdef", 5, false), "edcbaf");
    EXPECT_EQ(mirror_row("abc", 5, false), "  cba");  // a short row reads as padded
    // Full-width characters are not protected in single-byte mode: their bytes swap places.
    EXPECT_EQ(mirror_row("x\xD6\xD0", 3, false), "\xD0\xD6x");
    for (int width : {9, 10}) {
        auto c = canvas_of(sample_rows(width, 4), width, false);
        const auto before = working(c);
        mirror_left_right(c, 3);
        const std::string reversed{before[0][width - 1], before[0][width - 2],
                                   before[0][width - 3]};
        EXPECT_EQ(c.layers.row(kWorking, 1).substr(0, 3), reversed);
        EXPECT_EQ(c.layers.row(kWorking, 2).substr(width), before[1].substr(width));  // the tail
        EXPECT_EQ(c.layers.row(kWorking, 4), before[3]);  // below the transform's rows
        mirror_left_right(c, 3);
        EXPECT_EQ(working(c), before) << "width " << width;
    }
}

TEST(CanvasTransforms, MirrorLeftRightDoubleByteKeepsCharactersWhole) {
    EXPECT_EQ(mirror_row("ab\xD6\xD0"
                         "cd",
                         6, true),
              "cd\xD6\xD0"
              "ab");
    // Odd widths mirror round(w / 2) cells, halves to even: 36 cells at 73, 38 at 75.
    EXPECT_EQ(mirrored_cells(73), 36);
    EXPECT_EQ(mirrored_cells(75), 38);
    std::string row73(74, ' ');
    row73[0] = 'L';
    row73[72] = 'R';  // byte 73 is beyond the 36 cells: it stays
    EXPECT_EQ(mirror_row(row73, 73, true)[70], 'L');
    EXPECT_EQ(mirror_row(row73, 73, true)[72], 'R');
    // At 255 bytes, 127 cells: the character in cell 1 lands whole in cell 127, byte 255 stays.
    EXPECT_EQ(mirrored_cells(255), 127);
    std::string wide = "\xD6\xD0" + std::string(252, '.') + "Z";
    const std::string mirrored = mirror_row(wide, 255, true);
    EXPECT_EQ(mirrored.size(), 255u);
    EXPECT_EQ(mirrored.substr(252), "\xD6\xD0Z");
    for (int width : {9, 10, 255}) {
        auto c = canvas_of(sample_rows(width, 5), width, true);
        const auto before = working(c);
        mirror_left_right(c, 5);
        for (const auto& row : working(c)) EXPECT_TRUE(characters_whole(row, width)) << row;
        EXPECT_EQ(c.layers.row(kWorking, 2).substr(2 * mirrored_cells(width)),
                  before[1].substr(2 * mirrored_cells(width)));
        mirror_left_right(c, 5);
        EXPECT_EQ(working(c), before) << "width " << width;
    }
}

TEST(CanvasTransforms, MirrorTopBottom) {
    for (bool twin : {false, true}) {
        auto c = canvas_of({"one", "two", "three", "four", "five"}, 7, twin);
        const auto before = working(c);
        mirror_top_bottom(c, 3);
        EXPECT_EQ(c.layers.row(kWorking, 1), before[2]);
        EXPECT_EQ(c.layers.row(kWorking, 2), before[1]);
        EXPECT_EQ(c.layers.row(kWorking, 3), before[0]);
        EXPECT_EQ(c.layers.row(kWorking, 4), before[3]);
        EXPECT_EQ(c.layers.row(kWorking, 5), before[4]);
        mirror_top_bottom(c, 3);
        EXPECT_EQ(working(c), before);
    }
}

TEST(CanvasTransforms, RotateFrontAndRear) {
    // Cells a b / c d turn to b d / a c; the rest of each row stays.
    auto c = canvas_of({"a_b_xy", "c_d_zw"}, 6, false);
    rotate_front(c, 2);
    EXPECT_EQ(c.layers.row(kWorking, 1), "b_d_xy");
    EXPECT_EQ(c.layers.row(kWorking, 2), "a_c_zw");
    // The rear square is the last two whole cells of an odd width: bytes 3..6, byte 7 stays.
    c = canvas_of({"..a_b_!", "..c_d_?"}, 7, true);
    rotate_rear(c, 2);
    EXPECT_EQ(c.layers.row(kWorking, 1), "..b_d_!");
    EXPECT_EQ(c.layers.row(kWorking, 2), "..a_c_?");

    for (bool twin : {false, true})
        for (int width : {13, 14}) {
            auto s = canvas_of(sample_rows(width, 7), width, twin);
            const auto before = working(s);
            rotate_front(s, 5);
            EXPECT_EQ(s.layers.row(kWorking, 6), before[5]);  // below the square
            EXPECT_EQ(s.layers.row(kWorking, 1).substr(10), before[0].substr(10));
            for (const auto& row : working(s)) EXPECT_TRUE(characters_whole(row, width));
            for (int k = 0; k < 3; ++k) rotate_front(s, 5);
            EXPECT_EQ(working(s), before);
            for (int k = 0; k < 4; ++k) rotate_rear(s, 5);
            EXPECT_EQ(working(s), before);
        }
}

TEST(CanvasTransforms, RotateWhenTheBoardIsTallerThanTheCanvasIsWide) {
    // Six rows on a canvas of 7 bytes: a square of 3 cells, rows 4..6 untouched, nothing grows.
    auto c = canvas_of({"abcdefg", "hijklmn", "opqrstu", "row4", "row5", "row6"}, 7, false);
    const auto before = working(c);
    EXPECT_EQ(square_side(6, 7), 3);
    rotate_front(c, 6);
    EXPECT_EQ(c.layers.row(kWorking, 1), "eflmstg");
    EXPECT_EQ(c.layers.row(kWorking, 3), "abhiopu");
    for (int r = 4; r <= 6; ++r) EXPECT_EQ(c.layers.row(kWorking, r), before[r - 1]);
    rotate_rear(c, 6);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(c.layers.row(kWorking, r).size(), before[r - 1].size());
    // A canvas one byte wide has no whole cell: nothing turns.
    auto narrow = canvas_of({"a", "b"}, 1, true);
    rotate_rear(narrow, 2);
    rotate_front(narrow, 2);
    EXPECT_EQ(narrow.layers.row(kWorking, 1), "a");
}

TEST(CanvasTransforms, FillWithThePen) {
    auto c = canvas_of({"abc", "def"}, 5, false, 3);
    c.layers.row(kCommitted, 2) += "beyond";
    const auto committed_before = c.layers.row(kCommitted, 2);
    EXPECT_FALSE(fill_with_pen(c, ""));
    EXPECT_EQ(c.layers.row(kCommitted, 2), committed_before);

    ASSERT_TRUE(fill_with_pen(c, "L"));
    EXPECT_EQ(c.layers.row(kCommitted, 1), "LLLLL ");
    EXPECT_EQ(c.layers.row(kCommitted, 2), "LLLLL" + committed_before.substr(5));
    EXPECT_EQ(c.layers.row(kWorking, 3), "LLLLL ");
    EXPECT_EQ(c.layers.row(kUndo, 2), committed_before);

    // Double-byte: whole cells within the width; byte 5 of an odd width is no whole cell.
    auto d = canvas_of({"abcde"}, 5, true);
    ASSERT_TRUE(fill_with_pen(d, "\xA1\xF6"));
    EXPECT_EQ(d.layers.row(kWorking, 1),
              "\xA1\xF6\xA1\xF6"
              "e");
    ASSERT_TRUE(fill_with_pen(d, "#"));
    EXPECT_EQ(d.layers.row(kCommitted, 1), "# # e");
    EXPECT_EQ(d.layers.row(kUndo, 1),
              "\xA1\xF6\xA1\xF6"
              "e");
}

}  // namespace
}  // namespace quillo::textops
