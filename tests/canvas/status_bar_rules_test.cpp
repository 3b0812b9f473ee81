#include "canvas/status_bar_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo::canvas {
namespace {

TEST(StatusBarRules, PanelsLieSideBySide) {
    // Widths 25, 25, 25, 120, 70 and the rest.
    EXPECT_EQ(status_panel_at(-5), 0);
    EXPECT_EQ(status_panel_at(0), 0);
    EXPECT_EQ(status_panel_at(24), 0);
    EXPECT_EQ(status_panel_at(25), 1);
    EXPECT_EQ(status_panel_at(49), 1);
    EXPECT_EQ(status_panel_at(50), 2);
    EXPECT_EQ(status_panel_at(74), 2);
    EXPECT_EQ(status_panel_at(75), 3);
    EXPECT_EQ(status_panel_at(194), 3);
    EXPECT_EQ(status_panel_at(195), 4);
    EXPECT_EQ(status_panel_at(264), 4);
    EXPECT_EQ(status_panel_at(265), 5);
    EXPECT_EQ(status_panel_at(5000), 5);
}

TEST(StatusBarRules, EachHintSitsOverItsOwnPanel) {
    const std::string byte_mode = "单/双字节模式";
    const std::string view = "普通/绘图界面切换";
    const std::string colour = "单色/多色切换";
    EXPECT_EQ(status_hint_at(10), byte_mode);
    EXPECT_EQ(status_hint_at(24), byte_mode);
    EXPECT_EQ(status_hint_at(25), view);
    EXPECT_EQ(status_hint_at(40), view);
    EXPECT_EQ(status_hint_at(60), colour);
    EXPECT_EQ(status_hint_at(100), std::string("正在进行的操作"));
    EXPECT_EQ(status_hint_at(200), std::string("坐标显示"));
    EXPECT_EQ(status_hint_at(300), std::string("当前文件及路径名"));
    // Wherever a click switches something, the hint names that switch.
    for (int x = -2; x < 400; ++x) {
        switch (status_click_at(x)) {
            case StatusClick::byte_mode:
                EXPECT_EQ(status_hint_at(x), byte_mode) << x;
                break;
            case StatusClick::view_mode:
                EXPECT_EQ(status_hint_at(x), view) << x;
                break;
            case StatusClick::colour_mode:
                EXPECT_EQ(status_hint_at(x), colour) << x;
                break;
            case StatusClick::none:
                break;
        }
    }
}

TEST(StatusBarRules, ClickRanges) {
    EXPECT_EQ(status_click_at(2), StatusClick::none);
    EXPECT_EQ(status_click_at(3), StatusClick::byte_mode);
    EXPECT_EQ(status_click_at(24), StatusClick::byte_mode);
    EXPECT_EQ(status_click_at(25), StatusClick::none);
    EXPECT_EQ(status_click_at(27), StatusClick::none);
    EXPECT_EQ(status_click_at(28), StatusClick::view_mode);
    EXPECT_EQ(status_click_at(47), StatusClick::view_mode);
    EXPECT_EQ(status_click_at(48), StatusClick::none);
    EXPECT_EQ(status_click_at(50), StatusClick::colour_mode);
    EXPECT_EQ(status_click_at(73), StatusClick::colour_mode);
    EXPECT_EQ(status_click_at(74), StatusClick::none);
    EXPECT_EQ(status_click_at(200), StatusClick::none);
}

TEST(StatusBarRules, CoordinateTextRightAlignsInTwoCharacters) {
    EXPECT_EQ(coordinate_text(5, 12), "X: 5 Y:12");
    EXPECT_EQ(coordinate_text(12, 5), "X:12 Y: 5");
    EXPECT_EQ(coordinate_text(128, 80), "X:128 Y:80");
    EXPECT_EQ(coordinate_text(-1, 0), "X:-1 Y: 0");
}

}  // namespace
}  // namespace quillo::canvas
