#include "platform/raster.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/cell_font.h"

namespace quillo::platform {
namespace {

constexpr Rgb kBack = 0x102030;
constexpr Rgb kInk = 0xF0E0D0;
constexpr Rgb kOld = 0x00FF00;

// Pixel by pixel drawing of the same text, written for clarity, not speed.
void reference_text(std::vector<Rgb>& img, int w, int h, int x, int y, std::string_view s) {
    auto put = [&](int px, int py, bool ink) {
        if (px >= 0 && py >= 0 && px < w && py < h) img[py * w + px] = ink ? kInk : kBack;
    };
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        const std::uint8_t* full = nullptr;
        if (b >= 0x80 && i + 1 < s.size()) full = full_width_glyph(b, s[i + 1]);
        const std::uint8_t* half = b < 0x80 ? half_width_glyph(b) : placeholder_glyph();
        int cols = full ? 16 : 8;
        for (int row = 0; row < 16; ++row) {
            for (int col = 0; col < cols; ++col) {
                bool ink = full ? (full[row * 2 + col / 8] >> (7 - col % 8)) & 1
                                : (half[row] >> (7 - col)) & 1;
                put(x + col, y + row, ink);
            }
        }
        x += cols;
        i += full ? 2 : 1;
    }
}

void expect_same(const Raster& r, const std::vector<Rgb>& img, const std::string& what) {
    int wrong = 0;
    for (int y = 0; y < r.height(); ++y) {
        for (int x = 0; x < r.width(); ++x) {
            if (r.pixel(x, y) != img[y * r.width() + x] && wrong++ < 5) {
                ADD_FAILURE() << what << ": pixel " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << what;
}

TEST(Raster, NewRasterAndFillRect) {
    Raster r(20, 10);
    EXPECT_EQ(r.bytes_per_line(), 80);
    EXPECT_EQ(r.pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(r.pixel(19, 9), 0xFFFFFFu);
    EXPECT_EQ(r.pixel(20, 0), 0u);
    EXPECT_EQ(r.pixel(-1, 0), 0u);
    EXPECT_EQ(r.data()[0] >> 24, 0xFFu);  // Qt wraps the words as opaque RGB32

    r.set_brush_colour(0xFF0000);
    r.fill_rect(-5, -5, 10, 10);
    EXPECT_EQ(r.pixel(4, 4), 0xFF0000u);
    EXPECT_EQ(r.pixel(5, 4), 0xFFFFFFu);
    EXPECT_EQ(r.pixel(4, 5), 0xFFFFFFu);
    EXPECT_EQ(r.scan_line(4)[0], 0xFFFF0000u);
    r.set_brush_colour(0x0000FF);
    r.fill_rect(15, 8, 100, 100);
    EXPECT_EQ(r.pixel(19, 9), 0x0000FFu);
    EXPECT_EQ(r.pixel(14, 9), 0xFFFFFFu);
    r.fill_rect(2, 2, -3, 4);  // empty
    r.fill_rect(25, 0, 5, 5);  // outside
    EXPECT_EQ(r.pixel(2, 2), 0xFF0000u);

    Raster empty(-3, 0);
    EXPECT_EQ(empty.width(), 0);
    EXPECT_EQ(empty.text_out(0, 0, "ab"), 16);
    empty.fill_rect(0, 0, 5, 5);
}

TEST(Raster, TextCellsAndColours) {
    Raster r(64, 20);
    r.set_brush_colour(kOld);
    r.fill_rect(0, 0, 64, 20);
    r.set_brush_colour(kBack);
    r.set_font_colour(kInk);
    EXPECT_EQ(r.text_out(0, 0,
                         "a\xD6\xD0"
                         "b"),
              32);  // a中b: 8 + 16 + 8
    std::vector<Rgb> img(64 * 20, kOld);
    reference_text(img, 64, 20, 0, 0,
                   "a\xD6\xD0"
                   "b");
    expect_same(r, img, "a zhong b");
    // The cell is opaque: the brush colour covers what was there, the text row is 16 high.
    EXPECT_EQ(r.pixel(0, 0), kBack);
    EXPECT_EQ(r.pixel(8 + 7, 0), kInk);  // the stroke of 中 at its column 7
    EXPECT_EQ(r.pixel(32, 0), kOld);
    EXPECT_EQ(r.pixel(0, 16), kOld);

    // Bytes that are no character get the placeholder, 8 pixels each.
    Raster p(200, 16);
    p.set_brush_colour(kBack);
    p.set_font_colour(kInk);
    const std::string odd = std::string("\x80", 1) +
                            "\xFF"
                            "\x81\x7F"
                            "\xD6"
                            "1"
                            "\xD6";
    EXPECT_EQ(p.text_out(0, 0, odd), 7 * 8);
    std::vector<Rgb> want(200 * 16, 0xFFFFFF);
    reference_text(want, 200, 16, 0, 0, odd);
    expect_same(p, want, "stray bytes");
    const std::uint8_t* box = placeholder_glyph();
    for (int cell : {0, 1, 4, 6}) {  // 0x80, 0xFF, the lead before "1", the lone lead at the end
        for (int row = 0; row < 16; ++row) {
            for (int col = 0; col < 8; ++col) {
                bool ink = (box[row] >> (7 - col)) & 1;
                ASSERT_EQ(p.pixel(cell * 8 + col, row), ink ? kInk : kBack) << cell;
            }
        }
    }

    // A new colour pair takes effect at once.
    r.set_brush_colour(0x000001);
    r.set_font_colour(0x000002);
    r.text_out(0, 0, " ");
    EXPECT_EQ(r.pixel(3, 3), 0x000001u);
    r.text_out(0, 0, "\xD6\xD0");
    EXPECT_EQ(r.pixel(7, 0), 0x000002u);
    EXPECT_EQ(r.data()[7] >> 24, 0xFFu);
}

TEST(Raster, ClipsAtEveryEdge) {
    const int w = 37, h = 23;
    const std::string text =
        "x\xD6\xD0yz\xCE\xC4"
        "\x80"
        "Q";
    struct Case {
        int x, y;
    };
    for (Case c : {Case{-4, 0}, Case{-11, -5}, Case{-100, 3}, Case{30, 20}, Case{36, -15},
                   Case{-3, 22}, Case{0, -16}, Case{0, 23}, Case{37, 0}, Case{-72, 7}}) {
        Raster r(w, h);
        r.set_brush_colour(kOld);
        r.fill_rect(0, 0, w, h);
        r.set_brush_colour(kBack);
        r.set_font_colour(kInk);
        EXPECT_EQ(r.text_out(c.x, c.y, text), c.x + 72);
        std::vector<Rgb> img(w * h, kOld);
        reference_text(img, w, h, c.x, c.y, text);
        expect_same(r, img, "at " + std::to_string(c.x) + "," + std::to_string(c.y));
    }

    // A row wider than one internal batch of cells, starting off the left edge.
    const int wide = 3000;
    std::string row;
    for (int i = 0; row.size() < 500; ++i) row += (i % 3 == 0) ? "\xD6\xD0" : "k";
    Raster r(wide, 20);
    r.set_brush_colour(kBack);
    r.set_font_colour(kInk);
    r.text_out(-5, 2, row);
    std::vector<Rgb> img(wide * 20, 0xFFFFFF);
    reference_text(img, wide, 20, -5, 2, row);
    expect_same(r, img, "long row");
}

}  // namespace
}  // namespace quillo::platform
