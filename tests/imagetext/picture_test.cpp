#include "imagetext/picture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

using testing::picture_of;

TEST(GreyValue, WeightsTheChannelsAndRoundsHalvesToEven) {
    EXPECT_EQ(grey_value(0, 0, 0), 0);
    EXPECT_EQ(grey_value(255, 255, 255), 255);
    EXPECT_EQ(grey_value(100, 100, 100), 100);
    EXPECT_EQ(grey_value(0, 255, 0), 150);  // 150.45
    EXPECT_EQ(grey_value(0, 0, 255), 28);   // 28.05
    EXPECT_EQ(grey_value(10, 0, 5), 4);     // 3.55
    // Exact halves in extended precision go to the even neighbour.
    EXPECT_EQ(grey_value(255, 0, 0), 76);  // 76.5
    EXPECT_EQ(grey_value(5, 0, 0), 2);     // 1.5
    EXPECT_EQ(grey_value(15, 0, 0), 4);    // 4.5
    EXPECT_EQ(grey_value(0, 0, 50), 6);    // 5.5
    EXPECT_EQ(grey_value(0, 0, 150), 16);  // 16.5
    // Just below a half stays below.
    EXPECT_EQ(grey_value(0, 50, 0), 29);  // 29.4999...
}

TEST(GreyValue, IntegerShortcutAgreesWithTheExtendedSum) {
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; b += 5) {
                const long double v = 0.3L * r + 0.59L * g + 0.11L * b;
                ASSERT_EQ(grey_value(r, g, b), static_cast<int>(std::nearbyintl(v)))
                    << r << " " << g << " " << b;
            }
}

TEST(Stretch, ShrinkingAveragesAndEnlargingRepeats) {
    const Picture p = picture_of(2, 2, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF});
    const Picture one = stretch(p, 1, 1);
    ASSERT_EQ(one.width, 1);
    EXPECT_EQ(one.pixel(0, 0), rgb_of(64, 64, 64));  // (255 + 2) / 4 rounded

    const Picture big = stretch(p, 4, 6);
    ASSERT_EQ(big.width, 4);
    ASSERT_EQ(big.height, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(big.pixel(x, y), p.pixel(x / 2, y / 3)) << x << "," << y;

    // Uneven shrink: 3 columns into 2 take columns {0} and {1, 2}.
    const Picture row = picture_of(3, 1, {0x100000, 0x200000, 0x400000});
    const Picture two = stretch(row, 2, 1);
    EXPECT_EQ(two.pixel(0, 0), 0x100000u);
    EXPECT_EQ(two.pixel(1, 0), 0x300000u);

    EXPECT_TRUE(stretch(p, 0, 5).empty());
    EXPECT_TRUE(stretch(Picture{}, 3, 3).pixels.size() == 9);  // a new bitmap of nothing: black
}

TEST(Stretch, RegionTakesOnlyItsPixelsAndClipsAtTheEdges) {
    const Picture p = testing::gradient(10, 8);
    const Picture cut = stretch_region(p, 2, 3, 5, 6, 3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(cut.pixel(x, y), p.pixel(x + 2, y + 3));
    // A region reaching past the picture is cut at its edge.
    const Picture edge = stretch_region(p, 8, 6, 20, 20, 2, 2);
    EXPECT_EQ(edge.pixel(1, 1), p.pixel(9, 7));
}

TEST(TurnGray, EveryPixelBecomesItsGreyValue) {
    Picture p = picture_of(3, 1, {0xFF0000, 0x00FF00, 0x123456});
    turn_gray(p);
    EXPECT_EQ(p.pixel(0, 0), rgb_of(76, 76, 76));
    EXPECT_EQ(p.pixel(1, 0), rgb_of(150, 150, 150));
    const int g = grey_value(0x12, 0x34, 0x56);
    EXPECT_EQ(p.pixel(2, 0), rgb_of(g, g, g));
}

}  // namespace
}  // namespace quillo::imagetext
