#include "canvas/canvas_size.h"

#include <gtest/gtest.h>

namespace quillo::canvas {
namespace {

TEST(CanvasSize, StartupRoundsHalvesToEven) {
    // rows = round(h / 16 + 3), bytes = round((w - bar) / 8) - 2
    EXPECT_EQ(startup_canvas_size(800, 400, 16).height, 28);  // 25 + 3
    EXPECT_EQ(startup_canvas_size(800, 408, 16).height, 28);  // 28.5 -> 28
    EXPECT_EQ(startup_canvas_size(800, 424, 16).height, 30);  // 29.5 -> 30
    EXPECT_EQ(startup_canvas_size(800, 400, 16).width, 96);   // 98 - 2
    EXPECT_EQ(startup_canvas_size(804, 400, 0).width, 98);    // 100.5 -> 100
    EXPECT_EQ(startup_canvas_size(812, 400, 0).width, 100);   // 101.5 -> 102
}

TEST(CanvasSize, StartupStaysWithinTheLayers) {
    EXPECT_EQ(startup_canvas_size(800, 5000, 16).height, 80);
    EXPECT_EQ(startup_canvas_size(800, -200, 16).height, 1);
    EXPECT_EQ(startup_canvas_size(5000, 400, 16).width, 255);
    EXPECT_EQ(startup_canvas_size(10, 400, 16).width, 1);
    EXPECT_EQ(startup_canvas_size(0, 0, 0).width, 1);
}

TEST(CanvasSize, ResizedAddsTheRoundedToolBarRows) {
    // rows = round(h / 16 + round(bar / 16)), bytes = round((w - bar) / 8)
    EXPECT_EQ(resized_canvas_size(800, 400, 16, 0).height, 25);
    EXPECT_EQ(resized_canvas_size(800, 400, 16, 40).height, 27);  // 2.5 -> 2
    EXPECT_EQ(resized_canvas_size(800, 400, 16, 56).height, 29);  // 3.5 -> 4
    EXPECT_EQ(resized_canvas_size(800, 408, 16, 40).height, 28);  // 27.5 -> 28
    EXPECT_EQ(resized_canvas_size(800, 392, 16, 40).height, 26);  // 26.5 -> 26
    EXPECT_EQ(resized_canvas_size(804, 400, 0, 0).width, 100);    // 100.5 -> 100
    EXPECT_EQ(resized_canvas_size(812, 400, 0, 0).width, 102);    // 101.5 -> 102
    EXPECT_EQ(resized_canvas_size(800, 400, 16, 0).width, 98);
    EXPECT_EQ(resized_canvas_size(9000, 9000, 16, 60).height, 80);
    EXPECT_EQ(resized_canvas_size(9000, 9000, 16, 60).width, 255);
    EXPECT_EQ(resized_canvas_size(0, 0, 16, 0).height, 1);
    EXPECT_EQ(resized_canvas_size(0, 0, 16, 0).width, 1);
}

TEST(CanvasSize, GameHeightAndClamps) {
    EXPECT_EQ(game_canvas_height(408), 26);  // 25.5 -> 26
    EXPECT_EQ(game_canvas_height(424), 26);  // 26.5 -> 26
    EXPECT_EQ(game_canvas_height(0), 1);
    EXPECT_EQ(game_canvas_height(4000), 80);
    EXPECT_EQ(clamp_height(0), 1);
    EXPECT_EQ(clamp_height(80), 80);
    EXPECT_EQ(clamp_height(81), 80);
    EXPECT_EQ(clamp_width(0), 1);
    EXPECT_EQ(clamp_width(255), 255);
    EXPECT_EQ(clamp_width(256), 255);
}

}  // namespace
}  // namespace quillo::canvas
