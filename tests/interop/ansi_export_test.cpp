// The ANSI export, read back by the program's own ANSI import: the same cells, the same colours.
#include "interop/ansi_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/canvas_window.h"
#include "canvas/row_text.h"
#include "document/ansi_import.h"
#include "interop/utf8_text.h"
#include "platform/colours.h"

namespace quillo::interop {
namespace {

// What the import gets when the user reads the exported file as UTF-8.
document::AnsiImport import_back(const std::string& utf8, bool double_byte, int width) {
    const Utf8Reading r = read_utf8_text(utf8);
    EXPECT_EQ(r.bad_line, 0);
    EXPECT_EQ(r.replaced, 0);
    std::string gbk;
    for (const auto& l : r.lines) gbk += l + "\r\n";
    return document::import_ansi(gbk, double_byte, width);
}

struct Picture {
    std::vector<std::string> rows;
    document::ColourGrid layer;
    AnsiCanvas canvas() const {
        AnsiCanvas c;
        c.rows = rows;
        c.layer = &layer;
        c.multicolour = true;
        c.canvas_text = 0x000000;
        c.canvas_back = platform::resolve_colour(platform::kClBtnFace);
        return c;
    }
};

// The cells and colours of the import against the picture as shown.
void expect_same(const Picture& p, const AnsiCanvas& c, const document::AnsiImport& in) {
    ASSERT_FALSE(in.error);
    EXPECT_EQ(in.cut_rows, 0);
    EXPECT_EQ(in.lines_left_out, 0);
    ASSERT_EQ(in.rows.size(), p.rows.size());
    const int cells = c.double_byte ? c.width / 2 : c.width;
    for (std::size_t r = 0; r < p.rows.size(); ++r) {
        EXPECT_EQ(in.rows[r], p.rows[r].substr(0, std::size_t(c.width))) << "row " << r + 1;
        ASSERT_GE(in.cells[r].size(), std::size_t(cells));
        for (int cell = 1; cell <= cells; ++cell) {
            const CellRgb shown = shown_colours(c, int(r) + 1, cell);
            const document::AnsiCell want{true, platform::colour_from_rgb(shown.text), true,
                                          platform::colour_from_rgb(shown.back)};
            EXPECT_EQ(in.cells[r][std::size_t(cell - 1)], want)
                << "row " << r + 1 << " cell " << cell;
        }
    }
}

TEST(AnsiExport, SingleByteCanvasComesBackThroughTheImport) {
    Picture p;
    p.rows = {canvas::pad_to_width("Hi \xD6\xD0\xCE\xC4 there", 20),
              canvas::pad_to_width("**  x **[1m ***[", 20), canvas::pad_to_width("", 20),
              "0123456789abcdefghijKLMNOP"};  // a row longer than the canvas
    p.layer.set(1, 1, {true, true, 0x0000FF, 0x00FF00});
    p.layer.set(1, 2, {true, true, 0x0000FF, 0x00FF00});
    p.layer.set(1, 4, {true, false, 0x123456, 0});  // 中, both its cells
    p.layer.set(1, 5, {true, false, 0x123456, 0});
    p.layer.set(1, 20, {false, true, 0, 0xFEDCBA});  // the last cell
    p.layer.set(3, 7, {false, true, 0, platform::kClWindow});
    p.layer.set(4, 1, {true, true, 0xFFFFFF, 0x000000});
    AnsiCanvas c = p.canvas();
    c.width = 20;
    for (const char* end : {"\r\n", "\n"}) {
        const AnsiText text = write_ansi(c, end);
        EXPECT_EQ(text.replaced, 0);
        EXPECT_NE(text.bytes.find("\x1B[38;2;255;0;0;48;2;0;255;0m"), std::string::npos);
        EXPECT_NE(text.bytes.find("\xE4\xB8\xAD"), std::string::npos);  // 中, as UTF-8
        EXPECT_NE(text.bytes.find(std::string("\x1B[0m") + end), std::string::npos);
        // Imported on a canvas exactly as wide and on a wider one.
        expect_same(p, c, import_back(text.bytes, false, 20));
        expect_same(p, c, import_back(text.bytes, false, 60));
    }
}

TEST(AnsiExport, DoubleByteCanvasComesBackThroughTheImport) {
    Picture p;
    for (const char* line :
         {"ab\xD6\xD0\xCE\xC4  cd\xB0\xA1", "\xA9\xA4\xA9\xA4\xA9\xA4**[m", "x**[1;31m", ""})
        p.rows.push_back(canvas::pad_to_width(canvas::double_byte_normalise(line, true), 16));
    p.layer.set(1, 2, {true, true, 0x0000FF, 0x00FF00});
    p.layer.set(1, 3, {true, true, 0x0000FF, 0x00FF00});
    p.layer.set(2, 8, {false, true, 0, 0x808000});
    p.layer.set(3, 1, {true, false, 0x00AAFF, 0});
    AnsiCanvas c = p.canvas();
    c.width = 16;
    c.double_byte = true;
    const AnsiText text = write_ansi(c, "\r\n");
    expect_same(p, c, import_back(text.bytes, true, 16));
    expect_same(p, c, import_back(text.bytes, true, 20));
}

TEST(AnsiExport, ColoursAreThoseTheViewShows) {
    Picture p;
    p.rows = {"abc "};
    p.layer.set(1, 2, {true, true, 0x0000FF, 0x00FF00});
    AnsiCanvas c = p.canvas();
    c.width = 3;
    const CellRgb plain{0x000000, platform::resolve_colour(platform::kClBtnFace)};
    EXPECT_EQ(shown_colours(c, 1, 2), (CellRgb{0xFF0000, 0x00FF00}));
    c.brush_mode = document::kBrushRestore;  // the restore brush shows the canvas colours
    EXPECT_EQ(shown_colours(c, 1, 2), plain);
    c.brush_mode = 0;
    c.multicolour = false;
    EXPECT_EQ(shown_colours(c, 1, 2), plain);
    // One colour over the whole line: one escape, then the reset.
    EXPECT_EQ(write_ansi(c, "\n").bytes, "\x1B[38;2;0;0;0;48;2;212;208;200mabc\x1B[0m\n");
}

TEST(AnsiExport, ControlBytesAndStrayBytesBecomeQuestionMarks) {
    Picture p;
    p.rows = {"a\x1B[b", "\x80z"};
    AnsiCanvas c = p.canvas();
    c.width = 4;
    const AnsiText text = write_ansi(c, "\n");
    EXPECT_EQ(text.replaced, 2);
    EXPECT_EQ(text.first_replaced_line, 1);
    EXPECT_NE(text.bytes.find("a?[b"), std::string::npos);
    EXPECT_NE(text.bytes.find("?z  "), std::string::npos);
}

TEST(AnsiImport, ReadsTwentyFourBitColoursAndKeepsTheClassicEscapes) {
    // 24-bit text and background, then a classic 16-colour escape.
    const auto in =
        document::import_ansi("\x1B\x1B[38;2;1;2;3;48;2;250;0;9mAB**[1;31mCD\r\n", false, 10);
    ASSERT_EQ(in.cells.size(), 1u);
    EXPECT_EQ(in.cells[0][0], (document::AnsiCell{true, 0x030201, true, 0x0900FA}));
    EXPECT_EQ(in.cells[0][2], (document::AnsiCell{true, 0x000066, true, 0x0900FA}));
    // Not of the 24-bit form (256-colour "5", a value past 255): read by the classic rules.
    EXPECT_EQ(document::import_ansi("**[38;5;31mABCD", false, 10).cells[0][0],
              (document::AnsiCell{true, 0x0000FF, true, document::kAnsiDefaultBack}));
    EXPECT_EQ(document::import_ansi("**[38;2;256;0;0mABCD", false, 10).rows[0].substr(0, 4),
              "256;");
    // A full row: escapes after it are colours, anything else is cut to two characters.
    const auto full = document::import_ansi("abcd**[0m\r\nabcdXYZ", false, 4);
    EXPECT_EQ(full.rows[0], "abcd   ");  // padded to the longest row, "abcdXY", as ever
    EXPECT_EQ(full.cut_rows, 1);
    EXPECT_EQ(full.rows[1], "abcdXY");
}

}  // namespace
}  // namespace quillo::interop
