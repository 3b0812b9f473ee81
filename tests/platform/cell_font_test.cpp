#include "platform/cell_font.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>

namespace quillo::platform {
namespace {

bool half_bit(const std::uint8_t* g, int row, int col) {
    return g[row] & (0x80 >> col);
}
bool full_bit(const std::uint8_t* g, int row, int col) {
    return g[2 * row + col / 8] & (0x80 >> (col % 8));
}
int set_pixels(const std::uint8_t* g, int bytes) {
    int n = 0;
    for (int i = 0; i < bytes; ++i) n += __builtin_popcount(g[i]);
    return n;
}

TEST(CellFont, HalfWidthGlyphs) {
    const std::uint8_t* a = half_width_glyph('A');
    EXPECT_GT(set_pixels(a, 16), 10);
    EXPECT_NE(std::memcmp(a, half_width_glyph('B'), 16), 0);
    // Capitals leave room above them for accents.
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(set_pixels(half_width_glyph(' '), 16), 0);

    const std::uint8_t* box = placeholder_glyph();
    EXPECT_GT(set_pixels(box, 16), 10);
    for (unsigned char c : {0x00, 0x09, 0x1F, 0x7F}) {
        EXPECT_EQ(std::memcmp(half_width_glyph(c), box, 16), 0) << int(c);
    }
    // The placeholder is a box: its corners are set, and it is not just a filled block.
    int top = 0;
    while (top < 16 && box[top] == 0) ++top;
    ASSERT_LT(top, 16);
    EXPECT_NE(box[top], 0xFF);
    EXPECT_LT(set_pixels(box, 16), 8 * 16 / 2);
    EXPECT_EQ(std::memcmp(half_width_glyph(0x80), box, 16), 0);
}

TEST(CellFont, FullWidthGlyphs) {
    const std::uint8_t* zhong = full_width_glyph(0xD6, 0xD0);  // 中
    const std::uint8_t* wen = full_width_glyph(0xCE, 0xC4);    // 文
    ASSERT_NE(zhong, nullptr);
    ASSERT_NE(wen, nullptr);
    EXPECT_NE(std::memcmp(zhong, wen, 32), 0);
    // 中 is 16 wide: its box reaches both halves, and its stroke runs down the whole cell.
    bool left = false, right = false;
    for (int row = 0; row < 16; ++row) {
        left |= full_bit(zhong, row, 2);
        right |= full_bit(zhong, row, 12);
        EXPECT_TRUE(full_bit(zhong, row, 7)) << row;
    }
    EXPECT_TRUE(left && right);

    // Greek capital alpha (GBK A6 A1) has a narrow Unifont glyph shaped like 'A': centred.
    const std::uint8_t* alpha = full_width_glyph(0xA6, 0xA1);
    ASSERT_NE(alpha, nullptr);
    const std::uint8_t* a = half_width_glyph('A');
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 16; ++col) {
            bool expected = col >= 4 && col < 12 && half_bit(a, row, col - 4);
            EXPECT_EQ(full_bit(alpha, row, col), expected) << row << "," << col;
        }
    }

    // Positions no pair can occupy.
    EXPECT_EQ(full_width_glyph(0x81, 0x7F), nullptr);
    EXPECT_EQ(full_width_glyph(0x81, 0x3F), nullptr);
    EXPECT_EQ(full_width_glyph(0x81, 0xFF), nullptr);
    EXPECT_EQ(full_width_glyph(0x80, 0x40), nullptr);
    EXPECT_EQ(full_width_glyph(0xFF, 0xA1), nullptr);
    EXPECT_EQ(full_width_glyph('a', 'b'), nullptr);
}

// The font must show exactly the pairs that the CP936 codec turns into characters, each drawn.
TEST(CellFont, PresenceFollowsCp936) {
    iconv_t cd = iconv_open("UTF-32LE", "CP936");
    ASSERT_NE(cd, iconv_t(-1));
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            char in[2] = {char(lead), char(trail)};
            char out[16];
            char *ip = in, *op = out;
            std::size_t il = 2, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            bool valid = iconv(cd, &ip, &il, &op, &ol) != std::size_t(-1) && il == 0;
            const std::uint8_t* g = full_width_glyph(lead, trail);
            ASSERT_EQ(g != nullptr, valid) << std::hex << lead << " " << trail;
            if (valid) {
                ++characters;
                // Only the ideographic space may be blank.
                if (!(lead == 0xA1 && trail == 0xA1)) {
                    ASSERT_GT(set_pixels(g, 32), 0) << std::hex << lead << " " << trail;
                }
            }
        }
    }
    iconv_close(cd);
    EXPECT_GT(characters, 20000);  // GBK holds over 20000 hanzi alone
}

}  // namespace
}  // namespace quillo::platform
