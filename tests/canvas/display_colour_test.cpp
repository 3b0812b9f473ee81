#include <gtest/gtest.h>

#include <string>

#include "canvas/display.h"

namespace quillo::canvas {
namespace {

using document::ColourCell;

constexpr platform::Rgb kCanvasBack = 0xFFFFFF;
const DisplayColours kColours{0x000000, kCanvasBack};
// Windows values 0x00BBGGRR: red, and green.
const ColourCell kRedBack{false, true, 0, 0x0000FF};
const ColourCell kGreenBack{false, true, 0, 0x00FF00};

struct Fixture {
    CanvasState c;
    document::ColourGrid grid;
    platform::Raster image{200, 64};
    Display display;
    Fixture() {
        c.width = 10;
        c.height = 2;
        for (int r = 1; r <= 2; ++r) c.layers.row(kWorking, r) = std::string(11, ' ');
    }
    // The background of a space cell: pixel (column, row) near its top-left corner.
    platform::Rgb cell_pixel(int x_pixels, int row) const {
        return image.pixel(x_pixels + 1, (row - 1) * 16 + 1);
    }
};

TEST(DisplayColour, RunsPaintOverTheTextInMulticolourModeOnly) {
    Fixture f;
    f.grid.set(1, 3, kRedBack);
    f.grid.set(1, 4, kRedBack);
    ColourPass pass{&f.grid, false, 0};
    f.display.repaint(f.image, f.c, 2, true, kColours, pass);
    EXPECT_EQ(f.cell_pixel(16, 1), kCanvasBack);
    pass.multicolour = true;
    EXPECT_FALSE(f.display.repaint(f.image, f.c, 2, false, kColours, pass).empty());
    EXPECT_EQ(f.cell_pixel(8, 1), kCanvasBack);
    EXPECT_EQ(f.cell_pixel(16, 1), 0xFF0000u);
    EXPECT_EQ(f.cell_pixel(30, 1), 0xFF0000u);
    EXPECT_EQ(f.cell_pixel(32, 1), kCanvasBack);
    // Double-byte cells are 16 pixels wide.
    f.c.double_byte = true;
    f.display.repaint(f.image, f.c, 2, false, kColours, pass);
    EXPECT_EQ(f.cell_pixel(32, 1), 0xFF0000u);
    EXPECT_EQ(f.cell_pixel(62, 1), 0xFF0000u);
    EXPECT_EQ(f.cell_pixel(64, 1), kCanvasBack);
    // The restore mode shows every run in the canvas colours.
    pass.brush_mode = document::kBrushRestore;
    f.display.repaint(f.image, f.c, 2, true, kColours, pass);
    EXPECT_EQ(f.cell_pixel(32, 1), kCanvasBack);
    // The plain overload paints no colours.
    f.display.repaint(f.image, f.c, 2, true, kColours);
    EXPECT_EQ(f.cell_pixel(32, 1), kCanvasBack);
}

TEST(DisplayColour, CacheFollowsColourChangesAndBrushModeSkipsText) {
    Fixture f;
    ColourPass pass{&f.grid, true, 0};
    f.display.repaint(f.image, f.c, 2, true, kColours, pass);
    EXPECT_TRUE(f.display.repaint(f.image, f.c, 2, false, kColours, pass).empty());
    f.grid.set(2, 1, kGreenBack);
    const Damage d = f.display.repaint(f.image, f.c, 2, false, kColours, pass);
    EXPECT_EQ(d.first_row, 2);
    EXPECT_EQ(d.last_row, 2);
    EXPECT_EQ(f.cell_pixel(0, 2), 0x00FF00u);
    f.grid.set(2, 1, {});  // colour gone: the row shows plain again
    f.display.repaint(f.image, f.c, 2, false, kColours, pass);
    EXPECT_EQ(f.cell_pixel(0, 2), kCanvasBack);

    // A colour-brush mode: new text alone waits for a forced repaint.
    pass.brush_mode = document::kBrushText;
    f.c.layers.row(kWorking, 1) = std::string(11, ' ');
    f.c.layers.row(kWorking, 1)[0] = '#';
    const platform::Rgb before = f.image.pixel(3, 8);
    EXPECT_TRUE(f.display.repaint(f.image, f.c, 2, false, kColours, pass).empty());
    EXPECT_EQ(f.image.pixel(3, 8), before);
    f.display.repaint(f.image, f.c, 2, true, kColours, pass);
    bool ink = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) ink = ink || f.image.pixel(x, y) == 0x000000u;
    EXPECT_TRUE(ink);
}

TEST(DisplayColour, BrushedRunIsDrawnAtOnceAndTheCacheAgrees) {
    Fixture f;
    ColourPass pass{&f.grid, true, document::kBrushBack};
    f.display.repaint(f.image, f.c, 2, true, kColours, pass);
    f.grid.set(1, 5, kRedBack);
    f.grid.set(1, 6, kRedBack);
    const Damage d = f.display.draw_run_at(f.image, f.c, kColours, pass, 6, 1);
    EXPECT_EQ(d.first_row, 1);
    EXPECT_EQ(f.cell_pixel(32, 1), 0xFF0000u);
    EXPECT_EQ(f.cell_pixel(40, 1), 0xFF0000u);
    EXPECT_TRUE(f.display.repaint(f.image, f.c, 2, false, kColours, pass).empty());
    EXPECT_TRUE(f.display.draw_run_at(f.image, f.c, kColours, pass, 99, 1).empty());
}

}  // namespace
}  // namespace quillo::canvas
