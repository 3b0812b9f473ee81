#include "canvas/row_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo::canvas {
namespace {

TEST(RowText, PixelToCellTruncatesTowardsZero) {
    EXPECT_EQ(pixel_to_cell(31, 0, 16), 2);  // double-byte cells
    EXPECT_EQ(pixel_to_cell(32, 0, 16), 3);
    EXPECT_EQ(pixel_to_cell(15, 0, 8), 2);  // half-width columns
    EXPECT_EQ(pixel_to_cell(0, 0, 8), 1);
    EXPECT_EQ(pixel_to_cell(20, 10, 8), 2);  // origin is taken off first
    // Left of the origin: truncating division, so -1..-7 still fall in cell 1.
    EXPECT_EQ(pixel_to_cell(-1, 0, 8), 1);
    EXPECT_EQ(pixel_to_cell(-7, 0, 8), 1);
    EXPECT_EQ(pixel_to_cell(-8, 0, 8), 0);
    EXPECT_EQ(pixel_to_cell(-16, 0, 8), -1);
    EXPECT_EQ(pixel_to_cell(5, 10, 16), 1);
}

TEST(RowText, PadToWidthGoesOnePastTheWidth) {
    EXPECT_EQ(pad_to_width("abc", 5), "abc   ");
    EXPECT_EQ(pad_to_width("abcde", 5), "abcde");
    EXPECT_EQ(pad_to_width("abcdef", 5), "abcdef");
    EXPECT_EQ(pad_to_width("", 3), "    ");
    EXPECT_EQ(pad_to_width("", 0), "");
    EXPECT_EQ(pad_to_width("ab", -4), "ab");
}

TEST(RowText, DoubleByteNormaliser) {
    // Two half-width characters and one full-width character stay as they are.
    EXPECT_EQ(double_byte_normalise("ab\xD6\xD0", true), "ab\xD6\xD0");
    // One half-width character before a full-width one: a space keeps the pair on a cell, and
    // the odd input length adds one at the end.
    EXPECT_EQ(double_byte_normalise("a\xD6\xD0", true), "a \xD6\xD0 ");
    EXPECT_EQ(double_byte_normalise("x", true), "x ");
    EXPECT_EQ(double_byte_normalise("", true), "");
    EXPECT_EQ(double_byte_normalise("\xD6\xD0\xCE\xC4", true), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(double_byte_normalise("\xD6\xD0z", true), "\xD6\xD0z ");
    // Flag off: nothing changes, whatever the bytes.
    EXPECT_EQ(double_byte_normalise("a\xD6\xD0", false), "a\xD6\xD0");
    EXPECT_EQ(double_byte_normalise("x", false), "x");
    // Every full-width character of the result starts at an odd byte (1-based).
    const std::string out = double_byte_normalise(
        "a\xB0\xA1"
        "bc\xB0\xA2"
        "d\xB0\xA3",
        true);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) >= 128) {
            EXPECT_EQ(i % 2, 0u) << "lead byte at " << i << " in " << out;
            ++i;
        }
    }
}

TEST(RowText, TrailingSpaceTrim) {
    EXPECT_EQ(trailing_space_trim("ab  "), "ab");
    EXPECT_EQ(trailing_space_trim(" a "), " a");
    EXPECT_EQ(trailing_space_trim("a"), "a");
    EXPECT_EQ(trailing_space_trim("    "), " ");
    EXPECT_EQ(trailing_space_trim(" "), " ");
    EXPECT_EQ(trailing_space_trim(""), "");
}

TEST(RowText, RoundHalfEvenAndCutToRow) {
    EXPECT_EQ(round_half_even(0.5), 0);
    EXPECT_EQ(round_half_even(1.5), 2);
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(-1.5), -2);
    EXPECT_EQ(round_half_even(2.4), 2);
    EXPECT_EQ(round_half_even(2.6), 3);
    EXPECT_EQ(cut_to_row(std::string(300, 'q')), std::string(255, 'q'));
    EXPECT_EQ(cut_to_row(std::string(255, 'q')).size(), 255u);
    EXPECT_EQ(cut_to_row("abc"), "abc");
}

}  // namespace
}  // namespace quillo::canvas
