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

namespace quillo::canvas {
namespace {

// The text pass leaves out the columns coloured runs cover; the pixels must stay exactly those
// of painting the whole row and every run over it, also where a full-width character crosses
// the edge of a run.
TEST(DisplayColour, SkippingCoveredColumnsKeepsEveryPixel) {
    for (const bool double_byte : {false, true}) {
        CanvasState c;
        c.width = 60;
        c.height = 6;
        c.double_byte = double_byte;
        document::ColourGrid grid;
        unsigned seed = 7;
        const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
        const std::string pieces[] = {"\xD6\xD0", "a", " ", "\x81", "\xCE\xC4", "\x80", "zz"};
        for (int r = 1; r <= c.height; ++r) {
            std::string row;
            while (row.size() < 61) row += pieces[next() % 7];
            c.layers.row(kWorking, r) = row.substr(0, 61);
            for (int cell = 1; cell <= 60; ++cell) {
                const unsigned k = next() % 5;
                if (k < 2)
                    grid.set(r, cell,
                             ColourCell{k == 0, true, int(0x0000FF + k * 0x100), 0x00FF00});
            }
        }
        // Row 6: its text ends before the canvas does.
        c.layers.row(kWorking, 6) = "ab\xD6";
        const ColourPass pass{&grid, true, 0};
        platform::Raster fast(600, 120);
        Display display;
        display.repaint(fast, c, c.height, true, kColours, pass);

        platform::Raster slow(600, 120);
        std::vector<document::ColourRun> runs;
        for (int r = 1; r <= c.height; ++r) {
            const auto& row = c.layers.row(kWorking, r);
            slow.set_brush_colour(kColours.background);
            slow.set_font_colour(kColours.text);
            slow.text_out(0, (r - 1) * 16, row);
            document::colour_runs(grid, r, c.width, row, double_byte, runs);
            for (const auto& run : runs) {
                slow.set_brush_colour(run.cell.back_set ? platform::resolve_colour(run.cell.back)
                                                        : kColours.background);
                slow.set_font_colour(run.cell.text_set ? platform::resolve_colour(run.cell.text)
                                                       : kColours.text);
                slow.text_out((run.start - 1) * (double_byte ? 16 : 8), (r - 1) * 16,
                              run.text(row));
            }
        }
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 600; ++x)
                ASSERT_EQ(fast.pixel(x, y), slow.pixel(x, y))
                    << "x " << x << " y " << y << (double_byte ? " double" : " single");
    }
}

}  // namespace
}  // namespace quillo::canvas
