// Zoom factors, the mapping of widget positions to canvas pixels, and the nearest-neighbour
// scaling the view and the PNG export share.
#include "interop/canvas_zoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillo::interop {
namespace {

TEST(CanvasZoom, DefaultFactorFollowsTheScreenRatio) {
    EXPECT_EQ(default_zoom(1.0), 1);
    EXPECT_EQ(default_zoom(1.25), 1);
    EXPECT_EQ(default_zoom(1.5), 2);  // halves to even
    EXPECT_EQ(default_zoom(1.75), 2);
    EXPECT_EQ(default_zoom(2.0), 2);
    EXPECT_EQ(default_zoom(2.5), 2);
    EXPECT_EQ(default_zoom(3.0), 3);
    EXPECT_EQ(default_zoom(6.0), 4);
    EXPECT_EQ(default_zoom(0.0), 1);
    EXPECT_EQ(zoom_in(4), 4);
    EXPECT_EQ(zoom_in(1), 2);
    EXPECT_EQ(zoom_out(1), 1);
    EXPECT_EQ(zoom_out(3), 2);
}

TEST(CanvasZoom, WidgetPositionsMapToTheCanvasPixelShownThere) {
    // Factor 3 on an ordinary screen: canvas pixel 8 (column 2) covers widget units 24..26.
    EXPECT_EQ(canvas_pixel(23.0, 3, 1.0), 7);
    EXPECT_EQ(canvas_pixel(24.0, 3, 1.0), 8);
    EXPECT_EQ(canvas_pixel(26.9, 3, 1.0), 8);
    EXPECT_EQ(canvas_pixel(27.0, 3, 1.0), 9);
    // Factor 2 on a screen of ratio 2: a unit is a canvas pixel; half units still fall inside.
    EXPECT_EQ(canvas_pixel(8.5, 2, 2.0), 8);
    // Factor 1 on that screen: two canvas pixels to the unit.
    EXPECT_EQ(canvas_pixel(8.5, 1, 2.0), 17);
    EXPECT_EQ(widget_units(16, 3, 1.0), 48);
    EXPECT_EQ(widget_units(16, 2, 2.0), 16);
    EXPECT_EQ(canvas_pixels(100, 3, 1.0), 33);
    EXPECT_EQ(canvas_pixels(widget_units(777, 3, 2.0), 3, 2.0), 777);
    EXPECT_EQ(canvas_pixel(-1.0, 2, 1.0), -1);  // left of the canvas stays left of it
}

TEST(CanvasZoom, ScalingRepeatsEachPixelFactorByFactorTimes) {
    const std::vector<std::uint32_t> src{1, 2, 3, 4, 5, 6};  // 3 x 2, stride 3
    for (int f = 1; f <= 4; ++f) {
        std::vector<std::uint32_t> dst(std::size_t(3 * f * 2 * f + 5), 99);
        scale_pixels(src.data(), 3, 3, 2, f, dst.data(), 3 * f);
        for (int y = 0; y < 2 * f; ++y)
            for (int x = 0; x < 3 * f; ++x)
                ASSERT_EQ(dst[std::size_t(y * 3 * f + x)], src[std::size_t(y / f * 3 + x / f)])
                    << "factor " << f << " at " << x << "," << y;
        EXPECT_EQ(dst.back(), 99u);  // nothing past the block
    }
}

}  // namespace
}  // namespace quillo::interop
