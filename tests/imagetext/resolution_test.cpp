#include "imagetext/resolution.h"

#include <gtest/gtest.h>

namespace quillo::imagetext {
namespace {

TEST(Resolution, StartingSizesFollowTheRatio) {
    EXPECT_EQ(starting_size(400, 100), (Size{42, 10}));  // 10.5 to even
    EXPECT_EQ(starting_size(100, 400), (Size{7, 28}));
    EXPECT_EQ(starting_size(30, 20), (Size{30, 20}));      // small: its own size
    EXPECT_EQ(starting_size(40, 10), (Size{40, 10}));      // wide but narrower than 42
    EXPECT_EQ(starting_size(150, 100), (Size{42, 28}));    // ratio exactly 1.5 is not wide
    EXPECT_EQ(starting_size(4000, 3000), (Size{37, 28}));  // 37.33
    EXPECT_EQ(starting_size(0, 0), (Size{0, 0}));
    // A side that would round to nothing keeps one pixel.
    EXPECT_EQ(starting_size(1, 60000), (Size{1, 28}));
    EXPECT_EQ(starting_size(60000, 1), (Size{42, 1}));

    EXPECT_EQ(width_slider_max(30, 30), 30);
    EXPECT_EQ(height_slider_max(20, 20), 20);
    EXPECT_EQ(width_slider_max(4000, 37), 192);
    EXPECT_EQ(height_slider_max(3000, 28), 144);
    EXPECT_EQ(proportional_height(84, 400, 100), 21);
    EXPECT_EQ(proportional_height(10, 3, 7), 23);  // 23.33 truncated
    EXPECT_EQ(proportional_height(9, 5, 0), 9);    // no height: ratio 1
}

TEST(Resolution, PageSizeEstimateAndLimits) {
    EXPECT_EQ(page_size_estimate(20, 10), "7000Byte");
    EXPECT_EQ(page_size_estimate(100, 50), "170.9KB");
    EXPECT_EQ(page_size_estimate(16, 17), "9520Byte");
    EXPECT_EQ(page_size_estimate(20, 15), "10.25KB");   // 10500 / 1024 = 10.2539
    EXPECT_EQ(page_size_estimate(192, 144), "945KB");   // 967680 / 1024 = 945.0
    EXPECT_EQ(page_size_estimate(200, 150), "1MB");     // 1050000: 1.0013
    EXPECT_EQ(page_size_estimate(300, 300), "3MB");     // 3.004
    EXPECT_EQ(page_size_estimate(400, 300), "4.01MB");  // 4.0054
    EXPECT_EQ(page_size_estimate(0, 10), "0Byte");

    EXPECT_FALSE(draw_allowed(151, 10, false));
    EXPECT_TRUE(draw_allowed(150, 10, false));
    EXPECT_FALSE(draw_allowed(150, 10, true));  // colours and grey characters at once
    EXPECT_FALSE(draw_allowed(10, 81, false));
    EXPECT_FALSE(draw_allowed(150, 67, false));  // 351750 bytes
    EXPECT_TRUE(draw_allowed(150, 66, false));
    EXPECT_FALSE(send_allowed(40, 30));  // 42000
    EXPECT_TRUE(send_allowed(40, 28));   // 39200
}

TEST(Resolution, CaptionShortensLongPathsByCharacters) {
    EXPECT_EQ(picture_caption("/a/b.jpg"), "图变文字画——/a/b.jpg");
    const std::string thirty(30, 'x');
    EXPECT_EQ(picture_caption(thirty), "图变文字画——" + thirty);
    EXPECT_EQ(picture_caption("/home/user/pictures/holiday/beach-2024.jpg"),
              "图变文字画——/ho...s/holiday/beach-2024.jpg");
    // Chinese names are cut between characters, never inside one.
    EXPECT_EQ(picture_caption("/图片/" + std::string(20, 'y') + "/猫猫猫猫猫.jpg"),
              "图变文字画——/图片..." + std::string(14, 'y') + "/猫猫猫猫猫.jpg");
}

TEST(Resolution, ReadOutsAndHints) {
    EXPECT_EQ(size_hint(42, 10), "SIZE:10×42");
    EXPECT_EQ(org_panel(400, 100), "Org:400×100");
    EXPECT_EQ(now_panel(42, 10), "Now:42×10");
    EXPECT_EQ(file_size_panel(100, 50), "FileSize:170.9KB");
    EXPECT_EQ(width_slider_hint(84, 21), "21x84|84Pixels x21Pixels");
    EXPECT_EQ(height_slider_hint(84, 21), "21 x 84|84 pixels x 21 pixels");
}

}  // namespace
}  // namespace quillo::imagetext
