#include "document/ansi_import.h"

#include <gtest/gtest.h>

namespace quillo::document {
namespace {

AnsiCell coloured(std::int32_t text, std::int32_t back) {
    return {true, text, true, back};
}

TEST(AnsiImport, BrightRedAB) {
    // Every spelling of the escape: "**", two ESC bytes and the terminals' single ESC.
    for (const char* text : {"**[1;31mAB", "\x1B\x1B[1;31mAB", "\x1B[1;31mAB"}) {
        const AnsiImport r = import_ansi(text, false, 80);
        ASSERT_FALSE(r.error);
        ASSERT_EQ(r.rows, std::vector<std::string>{"AB"});
        const std::vector<AnsiCell> both(2, coloured(0x000066, 0x400040));
        EXPECT_EQ(r.cells[0], both);
        EXPECT_EQ(r.right, 2);
        EXPECT_EQ(r.bottom, 1);
    }
}

TEST(AnsiImport, EscapesInsideALineAndDoubleByteCells) {
    AnsiImport r = import_ansi("a**[32mbcdef", false, 80);
    EXPECT_EQ(r.rows[0], "abcdef");
    const AnsiCell white = coloured(0xFFFFFF, 0x400040), green = coloured(0x00FF00, 0x400040);
    EXPECT_EQ(r.cells[0], (std::vector<AnsiCell>{white, green, green, green, green, green}));

    // Double-byte: the character before an escape is followed by a space to keep 2-byte cells.
    r = import_ansi("a**[32mbcdef", true, 80);
    EXPECT_EQ(r.rows[0], "a bcdef");
    EXPECT_EQ(r.cells[0], (std::vector<AnsiCell>{white, green, green, green}));
    EXPECT_EQ(r.right, 4);  // 7 bytes: 3.5 cells, rounded to even

    // An escape without terminator among its next 3 characters resets and stays as text; 7
    // swaps, 44 sets the background, and colours go on into the next line.
    r = import_ansi("**[31m**[123xyz\n**[44;7mQRS", false, 80);
    EXPECT_EQ(r.rows[0], "123xyz");
    EXPECT_EQ(r.cells[0][0], white);
    EXPECT_EQ(r.rows[1], "QRS    ");  // padded to L + 1
    EXPECT_EQ(r.cells[1][0], coloured(0x990000, 0xFFFFFF));
    // After the text, up to cell L, the colours current at the end of the file.
    EXPECT_EQ(r.cells[1].size(), 6u);
    EXPECT_EQ(r.cells[1][5], coloured(0x990000, 0xFFFFFF));
}

TEST(AnsiImport, CutsAndWhatWasLeftOut) {
    // Width 10: ten cells, then at most two characters of the rest.
    AnsiImport r = import_ansi("0123456789ABCDEF\r\nab", false, 10);
    EXPECT_EQ(r.rows[0], "0123456789AB");
    EXPECT_EQ(r.rows[1], "ab           ");
    EXPECT_EQ(r.cut_rows, 1);
    EXPECT_EQ(r.bytes_left_out, 4);
    EXPECT_EQ(r.right, 12);

    // The colour layer ends at 150 cells whatever the canvas width.
    r = import_ansi(std::string(200, 'x'), false, 255);
    EXPECT_EQ(r.rows[0].size(), 152u);
    EXPECT_EQ(r.right, kAnsiMaxCells);
    EXPECT_EQ(r.cells[0].size(), static_cast<std::size_t>(kAnsiMaxCells));
    EXPECT_EQ(r.bytes_left_out, 48);

    std::string many;
    for (int i = 0; i < 85; ++i) many += "line\n";
    r = import_ansi(many, false, 80);
    EXPECT_EQ(r.rows.size(), 80u);
    EXPECT_EQ(r.bottom, 80);
    EXPECT_EQ(r.lines_left_out, 5);

    r = import_ansi("", false, 80);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.right, 0);
}

TEST(AnsiImport, NonNumberParameterEndsTheImport) {
    const AnsiImport r = import_ansi("ok\n**[a;31mXY\nnever", false, 80);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, "'a' is not a valid integer value");
    EXPECT_EQ(r.rows, (std::vector<std::string>{"ok", ""}));
}

}  // namespace
}  // namespace quillo::document
