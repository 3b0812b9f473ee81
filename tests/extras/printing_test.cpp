#include "extras/printing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillo::extras {
namespace {

std::vector<int> plain_extents(const std::vector<std::string>& lines) {
    std::vector<int> e;
    for (const auto& l : lines) e.push_back(plain_extent(l));
    return e;
}

TEST(Printing, LinePitchIsSixteenHundredthsOfAnInch) {
    EXPECT_EQ(line_pitch(600), 96);
    EXPECT_EQ(line_pitch(300), 48);
    EXPECT_EQ(line_pitch(1200), 192);
    EXPECT_EQ(line_pitch(96), 15);  // 15.36
    EXPECT_EQ(line_pitch(72), 12);  // 11.52
    EXPECT_DOUBLE_EQ(font_pixels(600), 100.0);
}

TEST(Printing, LongTextGoesOnToFurtherPagesAndEveryLineIsPrintedOnce) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i) lines.push_back("line " + std::to_string(i));
    const PageGeometry page{600, 4800, 6000};  // 8 x 10 inches
    const PrintLayout L = layout_print(lines, plain_extents(lines), page);
    EXPECT_EQ(L.scale, 1.0);
    EXPECT_EQ(L.pitch, 96);
    ASSERT_EQ(L.lines.size(), 200u);
    // A page holds as many lines as show whole: 62 here (the 63rd would end below the page).
    EXPECT_EQ(L.lines_per_page, 62);
    EXPECT_EQ(L.pages, 4);
    for (std::size_t i = 0; i < L.lines.size(); ++i) {
        const PrintedLine& p = L.lines[i];
        EXPECT_EQ(p.source, int(i));
        EXPECT_EQ(p.byte_end, int(lines[i].size()));
        EXPECT_LE(p.y + L.em, page.height);
        if (i == 0) continue;
        if (L.lines[i - 1].page == p.page) {
            EXPECT_EQ(p.y, L.lines[i - 1].y + L.pitch);
        } else {
            EXPECT_EQ(p.page, L.lines[i - 1].page + 1);
            EXPECT_EQ(p.y, 0);
            EXPECT_GT(L.lines[i - 1].y + L.pitch + L.em, page.height);  // the page was full
        }
    }
    EXPECT_EQ(L.lines.back().page, 3);

    // An empty text prints one empty page.
    const PrintLayout empty = layout_print({""}, {0}, page);
    EXPECT_EQ(empty.pages, 1);
    EXPECT_EQ(layout_print({}, {}, page).pages, 1);
    // A page lower than one line still takes one line.
    EXPECT_EQ(layout_print(lines, plain_extents(lines), {600, 4800, 50}).lines_per_page, 1);
}

TEST(Printing, AWidePictureIsPrintedSmallerAndWhatStillDoesNotFitGoesOnBelow) {
    const PageGeometry page{600, 4800, 6000};
    // 255 bytes are 12750 pixels at full size: the whole print shrinks to fit the widest line.
    const std::vector<std::string> canvas{std::string(255, 'x'), "short"};
    const PrintLayout shrunk = layout_print(canvas, plain_extents(canvas), page);
    EXPECT_NEAR(shrunk.scale, 4800.0 / 12750.0, 1e-9);
    ASSERT_EQ(shrunk.lines.size(), 2u);
    EXPECT_LE(255 * shrunk.column, page.width + 1e-6);
    EXPECT_EQ(shrunk.pitch, 36);  // 96 x 0.376, nearest

    // A line too long even at a third of the size is continued on the next printed lines,
    // cut between characters only, and no byte is left out.
    std::string text = "a";
    for (int i = 0; i < 600; ++i) text += "\xD6\xD0";  // 中
    const PrintLayout wrapped = layout_print({text}, {int(text.size())}, page);
    EXPECT_DOUBLE_EQ(wrapped.scale, kMinPrintScale);
    ASSERT_GT(wrapped.lines.size(), 1u);
    int next = 0;
    for (const auto& p : wrapped.lines) {
        EXPECT_EQ(p.byte_begin, next);
        EXPECT_EQ(p.byte_begin % 2, next == 0 ? 0 : 1);  // after "a", characters start at odd bytes
        EXPECT_LE((p.byte_end - p.byte_begin) * wrapped.column, page.width + 1e-6);
        next = p.byte_end;
    }
    EXPECT_EQ(next, int(text.size()));
}

TEST(Printing, CharactersAndExtents) {
    EXPECT_EQ(plain_extent("ab  "), 2);
    EXPECT_EQ(plain_extent("   "), 0);
    EXPECT_EQ(plain_extent(""), 0);

    std::vector<PrintChar> chars;
    print_chars("a\xD6\xD0\x81 \x80", 0, 6, chars);
    ASSERT_EQ(chars.size(), 5u);
    EXPECT_EQ(chars[0].code, U'a');
    EXPECT_EQ(chars[1].code, U'中');
    EXPECT_EQ(chars[1].byte, 1);
    EXPECT_EQ(chars[1].bytes, 2);
    EXPECT_EQ(chars[2].code, U'\uFFFD');  // a lead byte followed by a space is no character
    EXPECT_EQ(chars[3].code, U' ');
    EXPECT_EQ(chars[4].code, U'\uFFFD');
    print_chars("a\xD6\xD0 z", 2, 5, chars);  // starts inside a character: read from there
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[0].code, U'\uFFFD');
    EXPECT_EQ(chars[2].code, U'z');
}

TEST(Printing, ColouredCellsPrintInTheirColoursAndTheRestInTheCanvasColours) {
    document::ColourGrid grid;
    grid.set(1, 2, {true, true, 0x0000FF, 0x00FF00});  // red on green (0x00BBGGRR)
    grid.set(1, 3, {true, true, 0x0000FF, 0x00FF00});
    std::vector<PrintSpan> spans;
    colour_spans(grid, 1, 6, "abcdef", false, false, 0x000000, platform::kClBtnFace, 0, 6, spans);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].byte_end, 1);
    EXPECT_EQ(spans[0].back, platform::resolve_colour(platform::kClBtnFace));
    EXPECT_EQ(spans[1].byte_begin, 1);
    EXPECT_EQ(spans[1].byte_end, 3);
    EXPECT_EQ(spans[1].text, 0xFF0000u);
    EXPECT_EQ(spans[1].back, 0x00FF00u);
    EXPECT_TRUE(spans[1].filled);
    EXPECT_EQ(spans[2].byte_begin, 3);
    EXPECT_EQ(spans[2].byte_end, 6);

    // Cut to a printed line's bytes; bytes beyond the canvas width show in the canvas colours.
    colour_spans(grid, 1, 4, "abcdefgh", false, false, 0x000000, 0xFFFFFF, 2, 7, spans);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].byte_begin, 2);
    EXPECT_EQ(spans[0].text, 0xFF0000u);
    EXPECT_EQ(spans[2].byte_begin, 4);
    EXPECT_EQ(spans[2].byte_end, 7);
    EXPECT_EQ(spans[2].back, 0xFFFFFFu);

    // Double-byte cells are two bytes; while the brush restores, every run shows plain.
    colour_spans(grid, 1, 3, "abcdef", true, true, 0x000000, 0xFFFFFF, 0, 6, spans);
    for (const auto& s : spans) {
        EXPECT_EQ(s.text, 0x000000u);
        EXPECT_EQ(s.back, 0xFFFFFFu);
    }
    colour_spans(grid, 1, 3, "abcdef", true, false, 0x000000, 0xFFFFFF, 0, 6, spans);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[1].byte_begin, 2);
    EXPECT_EQ(spans[1].byte_end, 6);
    EXPECT_EQ(spans[1].back, 0x00FF00u);

    // A coloured picture prints as one block: as wide as its widest text or coloured cell, and
    // the padding beyond stays paper.
    document::ColourGrid blank_cells;
    blank_cells.set(2, 8, {false, true, 0, 0x00FF00});
    EXPECT_EQ(coloured_extents(blank_cells, 10, {"abcdef    ", "          ", "x"}, false),
              (std::vector<int>{8, 8, 8}));
    EXPECT_EQ(coloured_extents(blank_cells, 7, {"abcdef    ", "          ", "x"}, false),
              (std::vector<int>{6, 6, 6}));  // cell 8 lies beyond the canvas
}

}  // namespace
}  // namespace quillo::extras
