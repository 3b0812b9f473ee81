#include "platform/colours.h"

#include <gtest/gtest.h>

namespace quillo::platform {
namespace {

TEST(Colours, PlainValuesSwapRedAndBlue) {
    EXPECT_EQ(resolve_colour(0x563412), 0x123456u);
    EXPECT_EQ(resolve_colour(0x0000FF), 0xFF0000u);  // COLORREF red
    EXPECT_EQ(resolve_colour(kClBlack), 0x000000u);
    EXPECT_EQ(resolve_colour(kClWhite), 0xFFFFFFu);
    EXPECT_EQ(colour_from_rgb(0x123456), 0x563412);
    EXPECT_EQ(colour_from_rgb(0xFF123456), 0x563412);  // stray alpha is dropped
    for (Rgb rgb : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu, 0xA1B2C3u, 0xFFFFFFu}) {
        EXPECT_EQ(resolve_colour(colour_from_rgb(rgb)), rgb);
        EXPECT_FALSE(is_system_colour(colour_from_rgb(rgb)));
    }
    // Flag bits that mark no system colour: the low 24 bits still name the colour.
    EXPECT_EQ(resolve_colour(0x02563412), 0x123456u);
    EXPECT_FALSE(is_system_colour(0x02563412));
}

TEST(Colours, SystemColours) {
    EXPECT_TRUE(is_system_colour(kClBtnFace));
    EXPECT_TRUE(is_system_colour(kClWindow));
    EXPECT_FALSE(is_system_colour(static_cast<WinColour>(0xFF000000)));
    EXPECT_FALSE(is_system_colour(static_cast<WinColour>(0x40000000)));
    EXPECT_EQ(resolve_colour(kClBtnFace), 0xD4D0C8u);
    EXPECT_EQ(resolve_colour(kClWindow), 0xFFFFFFu);
    EXPECT_EQ(resolve_colour(kClWindowText), 0x000000u);
    EXPECT_EQ(resolve_colour(static_cast<WinColour>(0x8000001E)), 0xD4D0C8u);  // menu bar, last
    EXPECT_EQ(resolve_colour(static_cast<WinColour>(0x8000001F)), 0x000000u);  // unknown index
    EXPECT_EQ(resolve_colour(static_cast<WinColour>(0x80FFFFFF)), 0x000000u);
}

}  // namespace
}  // namespace quillo::platform
