// The panel and hint boundaries are driven through the real status bar by status_bar.qs; here the
// click ranges inside the panels, the hint under every click, and the coordinate text.
#include "canvas/status_bar_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo::canvas {
namespace {

TEST(StatusBarRules, PanelsReachPastBothEnds) {
    EXPECT_EQ(status_panel_at(-5), 0);
    EXPECT_EQ(status_panel_at(5000), 5);
}

TEST(StatusBarRules, ClickRangesAndTheHintOverEachClick) {
    const std::pair<int, StatusClick> edges[] = {
        {2, StatusClick::none},         {3, StatusClick::byte_mode}, {24, StatusClick::byte_mode},
        {25, StatusClick::none},        {27, StatusClick::none},     {28, StatusClick::view_mode},
        {47, StatusClick::view_mode},   {48, StatusClick::none},     {50, StatusClick::colour_mode},
        {73, StatusClick::colour_mode}, {74, StatusClick::none},     {200, StatusClick::none}};
    for (const auto& [x, click] : edges) EXPECT_EQ(status_click_at(x), click) << x;
    // Wherever a click switches something, the hint names that switch.
    for (int x = -2; x < 400; ++x) {
        switch (status_click_at(x)) {
            case StatusClick::byte_mode:
                EXPECT_STREQ(status_hint_at(x), "单/双字节模式") << x;
                break;
            case StatusClick::view_mode:
                EXPECT_STREQ(status_hint_at(x), "普通/绘图界面切换") << x;
                break;
            case StatusClick::colour_mode:
                EXPECT_STREQ(status_hint_at(x), "单色/多色切换") << x;
                break;
            case StatusClick::none:
                break;
        }
    }
}

TEST(StatusBarRules, CoordinateTextRightAlignsInTwoCharacters) {
    EXPECT_EQ(coordinate_text(12, 5), "X:12 Y: 5");
    EXPECT_EQ(coordinate_text(128, 80), "X:128 Y:80");
    EXPECT_EQ(coordinate_text(-1, 0), "X:-1 Y: 0");
}

}  // namespace
}  // namespace quillo::canvas
