#include "canvas/display.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/raster.h"

namespace quillo::canvas {
namespace {

constexpr platform::Rgb kInk = 0x102030;
constexpr platform::Rgb kBack = 0xD4D0C8;
constexpr platform::Rgb kOld = 0x00FF00;

int count(const platform::Raster& img, int x0, int y0, int w, int h, platform::Rgb colour) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += img.pixel(x, y) == colour;
    return n;
}

struct DisplayTest : ::testing::Test {
    DisplayTest() : img(400, 200) {
        img.set_brush_colour(kOld);
        img.fill_rect(0, 0, 400, 200);
        c.height = 3;
        c.width = 4;
        c.layers.row(kWorking, 1) = "A    ";
        c.layers.row(kWorking, 2) = "\xD6\xD0   ";
        c.layers.row(kWorking, 3) = "     ";
    }
    platform::Raster img;
    CanvasState c;
    Display display;
    DisplayColours colours{kInk, kBack};
};

TEST_F(DisplayTest, PaintsRowsInTextColourOnBackground) {
    const Damage d = display.repaint(img, c, 3, false, colours);
    EXPECT_EQ(d.first_row, 1);
    EXPECT_EQ(d.last_row, 3);
    // "A" has ink and background in its 8 x 16 cell; the spaces after it are background only.
    EXPECT_GT(count(img, 0, 0, 8, 16, kInk), 0);
    EXPECT_GT(count(img, 0, 0, 8, 16, kBack), 0);
    EXPECT_EQ(count(img, 8, 0, 32, 16, kBack), 32 * 16);
    // A full-width character inks a 16-pixel cell in row 2, the pixels of row 3 are all background.
    EXPECT_GT(count(img, 8, 16, 8, 16, kInk), 0);
    EXPECT_EQ(count(img, 0, 32, 40, 16, kBack), 40 * 16);
    // Beyond each row's text and below row n nothing is touched.
    EXPECT_EQ(count(img, 40, 0, 100, 48, kOld), 100 * 48);
    EXPECT_EQ(count(img, 0, 48, 400, 152, kOld), 400 * 152);
}

TEST_F(DisplayTest, SkipsUnchangedRowsUnlessForced) {
    display.repaint(img, c, 3, false, colours);
    // Something draws over row 1; an unforced repaint of unchanged rows leaves it there.
    img.set_brush_colour(kOld);
    img.fill_rect(0, 0, 40, 16);
    Damage d = display.repaint(img, c, 3, false, colours);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(count(img, 0, 0, 40, 16, kOld), 40 * 16);

    d = display.repaint(img, c, 3, true, colours);
    EXPECT_EQ(d.first_row, 1);
    EXPECT_EQ(d.last_row, 3);
    EXPECT_EQ(count(img, 0, 0, 40, 16, kOld), 0);

    // Only the changed row is painted again, and the damage says so.
    c.layers.row(kWorking, 2) = "B    ";
    d = display.repaint(img, c, 3, false, colours);
    EXPECT_EQ(d.first_row, 2);
    EXPECT_EQ(d.last_row, 2);
    EXPECT_EQ(count(img, 8, 16, 8, 16, kInk), 0);

    // New colours repaint everything.
    d = display.repaint(img, c, 3, false, DisplayColours{0xFFFFFF, 0x000000});
    EXPECT_EQ(d.first_row, 1);
    EXPECT_EQ(d.last_row, 3);
    EXPECT_EQ(count(img, 0, 32, 40, 16, 0x000000), 40 * 16);

    display.invalidate();
    d = display.repaint(img, c, 2, false, DisplayColours{0xFFFFFF, 0x000000});
    EXPECT_EQ(d.first_row, 1);
    EXPECT_EQ(d.last_row, 2);
}

TEST_F(DisplayTest, RowCountBoundaries) {
    EXPECT_TRUE(display.repaint(img, c, 0, true, colours).empty());
    EXPECT_TRUE(display.repaint(img, c, -4, true, colours).empty());
    EXPECT_EQ(count(img, 0, 0, 400, 200, kOld), 400 * 200);
    // More rows than the layers hold: painting stops at row 80 (empty rows paint nothing).
    const Damage d = display.repaint(img, c, 500, true, colours);
    EXPECT_EQ(d.last_row, 80);
}

}  // namespace
}  // namespace quillo::canvas
