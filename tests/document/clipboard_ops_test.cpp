#include "document/clipboard_ops.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "document/colour_file.h"
#include "document/text_file.h"
#include "platform/errors.h"
#include "platform/gbk.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;
using canvas::kSelection;

canvas::CanvasState block_of(const std::vector<std::string>& rows, bool double_byte = false) {
    canvas::CanvasState c;
    c.double_byte = double_byte;
    for (std::size_t i = 0; i < rows.size(); ++i)
        c.layers.row(kSelection, static_cast<int>(i) + 1) = rows[i];
    return c;
}

std::vector<std::string> block_rows(const canvas::CanvasState& c, int n) {
    std::vector<std::string> out;
    for (int r = 1; r <= n; ++r) out.push_back(c.layers.row(kSelection, r));
    return out;
}

// The clipboard as another program leaves it: UTF-8.
std::string utf8(std::string_view gbk) {
    return platform::gbk_to_utf8(gbk);
}

TEST(ClipboardOps, CopyCutAndClear) {
    EXPECT_EQ(block_bytes(3, false), 3);
    EXPECT_EQ(block_bytes(3, true), 6);
    auto c = block_of({"ab\xD6\xD0", "cd  ", "ef\x80 "}, true);
    EXPECT_EQ(block_text(c, 3), "ab\xD6\xD0\r\ncd  \r\nef\x80 ");
    EXPECT_EQ(cut_block(c, 3, 4), "ab\xD6\xD0\r\ncd  \r\nef\x80 ");
    EXPECT_EQ(block_rows(c, 3), (std::vector<std::string>{"     ", "     ", "     "}));
    clear_block(c, 2, 4);
    EXPECT_EQ(block_rows(c, 3), (std::vector<std::string>{"    ", "    ", "     "}));
    // A block one byte wide is blanked like any other.
    auto thin = block_of({"x", "y"});
    EXPECT_EQ(cut_block(thin, 2, 1), "x\r\ny");
    EXPECT_EQ(block_rows(thin, 2), (std::vector<std::string>{"  ", "  "}));
}

TEST(ClipboardOps, CopyThenPasteWithoutWrapGivesTheTextBack) {
    for (bool twin : {false, true}) {
        const std::vector<std::string> rows = {"ab\xD6\xD0", "\xB0\xA1\x80x", "    "};
        auto c = block_of(rows, twin);
        const std::string clipboard = utf8(block_text(c, 3));
        clear_block(c, 3, 4);
        const auto result = paste_block(c, clipboard, 3, 4, false);
        EXPECT_TRUE(result.pasted);
        EXPECT_EQ(result.lacking, 0);
        EXPECT_EQ(block_rows(c, 3), rows) << "double-byte " << twin;
    }
}

TEST(ClipboardOps, PasteWithoutWrapCutsOrPadsEachLine) {
    auto c = block_of({"....", "....", "....", "...."});
    // CR LF, LF and CR each end a line; missing rows become blank.
    paste_block(c, "abcdef\r\nx\ny\rz", 3, 4, false);
    EXPECT_EQ(block_rows(c, 4), (std::vector<std::string>{"abcd", "x   ", "y   ", "...."}));
    paste_block(c, "one", 3, 4, false);
    EXPECT_EQ(block_rows(c, 3), (std::vector<std::string>{"one ", "    ", "    "}));
    // Single-byte mode cuts at exactly w bytes, even inside a full-width character.
    paste_block(c, utf8("ab\xD6\xD0"), 1, 3, false);
    EXPECT_EQ(c.layers.row(kSelection, 1), "ab\xD6");

    // Double-byte mode aligns characters to cells and never ends a row in half of one.
    auto d = block_of({}, true);
    paste_block(d,
                utf8("a\xD6\xD0"
                     "b\nabc\xD6\xD0\nabc\x81"),
                3, 4, false);
    EXPECT_EQ(block_rows(d, 3), (std::vector<std::string>{"a \xD6\xD0", "abc ", "abc "}));
}

TEST(ClipboardOps, WrapLine) {
    EXPECT_EQ(wrap_line("the quick brown fox", 10, false, 10),
              (std::vector<std::string>{"the quick", "brown fox"}));
    EXPECT_EQ(wrap_line("abcdefghijkl", 5, false, 10),
              (std::vector<std::string>{"abcde", "fghij", "kl"}));
    // Blanks at a break are dropped, blanks inside a row stay.
    EXPECT_EQ(wrap_line("ab    cd", 3, false, 10), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(wrap_line("a b c d", 3, false, 10), (std::vector<std::string>{"a b", "c d"}));
    EXPECT_EQ(wrap_line("   abcdef", 4, false, 10),
              (std::vector<std::string>{"   a", "bcde", "f"}));
    // A full-width character moves whole to the next row.
    EXPECT_EQ(wrap_line("ab\xD6\xD0", 3, false, 10), (std::vector<std::string>{"ab", "\xD6\xD0"}));
    // ...unless the row is one byte wide.
    EXPECT_EQ(wrap_line("\xD6\xD0", 1, false, 10), (std::vector<std::string>{"\xD6", "\xD0"}));
    // Double-byte: each full-width character starts a cell.
    EXPECT_EQ(wrap_line("a\xD6\xD0"
                        "b\xB0\xA1",
                        4, true, 10),
              (std::vector<std::string>{"a \xD6\xD0", "b \xB0\xA1"}));
    EXPECT_EQ(wrap_line("", 4, false, 10), (std::vector<std::string>{""}));
    EXPECT_EQ(wrap_line("abcdefghij", 2, false, 3), (std::vector<std::string>{"ab", "cd", "ef"}));
}

TEST(ClipboardOps, PasteWithWrap) {
    auto c = block_of({});
    // One long line fills the block; text that does not fit is dropped.
    paste_block(c, "one two three four five six seven", 3, 9, true);
    EXPECT_EQ(block_rows(c, 3), (std::vector<std::string>{"one two  ", "three    ", "four five"}));
    // Short text leaves the remaining rows blank; each line starts a new row.
    paste_block(c, "ab\r\n\r\ncd", 4, 9, true);
    EXPECT_EQ(block_rows(c, 4),
              (std::vector<std::string>{"ab       ", "         ", "cd       ", "         "}));
    // A lone lead byte at a line's end does not reach past the block.
    auto d = block_of({}, true);
    paste_block(d, utf8("abc\x81"), 1, 4, true);
    EXPECT_EQ(d.layers.row(kSelection, 1), "abc ");
}

TEST(ClipboardOps, PasteOfBadOrHugeClipboardText) {
    auto c = block_of({"keep", "this"});
    const auto empty = paste_block(c, "", 2, 4, true);
    EXPECT_FALSE(empty.pasted);
    EXPECT_EQ(block_rows(c, 2), (std::vector<std::string>{"keep", "this"}));

    // Characters GBK lacks become "?" and are counted; a "?" of the text is no such character.
    // (U+1F600 and U+0E01: an emoticon and a Thai letter.)
    const auto lacking = paste_block(c, "a\xF0\x9F\x98\x80?\xE0\xB8\x81", 1, 8, false);
    EXPECT_EQ(c.layers.row(kSelection, 1), "a???    ");
    EXPECT_EQ(lacking.lacking, 2);

    // Malformed UTF-8 comes in as the bytes themselves.
    paste_block(c, "x\xFFy", 1, 4, false);
    EXPECT_EQ(c.layers.row(kSelection, 1), "x\xFFy ");

    // Ten thousand lines, and lines of a hundred thousand bytes: only what the block shows is read.
    std::string huge;
    for (int i = 0; i < 10000; ++i) huge += std::string(1000, char('a' + i % 26)) + "\r\n";
    const std::string long_line(100000, 'q');
    for (bool wrap : {false, true}) {
        auto b = block_of({}, true);
        paste_block(b, huge, 80, 254, wrap);
        EXPECT_EQ(b.layers.row(kSelection, 80).substr(0, 3), wrap ? "ttt" : "bbb");
        paste_block(b, long_line + "\n" + long_line, 80, 254, wrap);
        EXPECT_EQ(b.layers.row(kSelection, 1), std::string(254, 'q'));
        EXPECT_EQ(b.layers.row(kSelection, 80), std::string(254, wrap ? 'q' : ' '));
    }
}

// Random text of ASCII, blanks, full-width characters and stray high bytes, for properties that
// hold whatever the clipboard brings.
std::string random_gbk(std::mt19937& gen, std::size_t length) {
    static const char* const pieces[] = {"a",    "Z",    " ",    "  ", "\xD6\xD0", "\xB0\xA1",
                                         "\x81", "\x80", "\xFE", "\n", "\r\n",     "?"};
    std::string out;
    while (out.size() < length) out += pieces[gen() % std::size(pieces)];
    return out;
}

std::string without_blanks(std::string_view s) {
    std::string out;
    for (char b : s)
        if (b != ' ') out += b;
    return out;
}

TEST(ClipboardOps, PasteAndWrapPropertiesOnRandomText) {
    std::mt19937 gen(18);
    for (int round = 0; round < 400; ++round) {
        const bool twin = gen() % 2;
        const bool wrap = gen() % 2;
        const int n = 1 + static_cast<int>(gen() % 6);
        const int cells = 1 + static_cast<int>(gen() % 8);
        const int w = block_bytes(cells, twin);
        const std::string text = random_gbk(gen, 1 + gen() % 120);
        auto c = block_of({}, twin);
        c.layers.row(kSelection, n + 1) = "below";
        paste_block(c, utf8(text), n, w, wrap);
        for (int r = 1; r <= n; ++r) {
            const std::string& row = c.layers.row(kSelection, r);
            ASSERT_EQ(row.size(), static_cast<std::size_t>(w)) << text;
            // No lead byte waits at the edge for the first byte after the block.
            std::size_t i = 0;
            while (twin && i < row.size()) {
                const bool lead = platform::is_lead_byte(static_cast<unsigned char>(row[i]));
                ASSERT_FALSE(lead && i + 1 == row.size()) << text;
                i += lead ? 2 : 1;
            }
        }
        EXPECT_EQ(c.layers.row(kSelection, n + 1), "below");

        // Wrapping a line only drops blanks at breaks and adds blanks before characters.
        std::string line = random_gbk(gen, gen() % 80);
        std::erase(line, '\r');
        std::erase(line, '\n');
        const auto rows = wrap_line(line, w, twin, 1000);
        std::string joined;
        for (const auto& row : rows) {
            EXPECT_LE(row.size(), static_cast<std::size_t>(w));
            joined += row;
        }
        EXPECT_EQ(without_blanks(joined), without_blanks(line)) << line;
    }
}

class SelectionFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillo_selection_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(SelectionFiles, TextFileAndColourFile) {
    auto c = block_of({"ab\xD6\xD0  ", "cd    "}, true);
    ColourState colours;
    colours.selection.set(1, 2, ColourCell{true, false, 255, 0});
    colours.chosen_text = 0;
    colours.chosen_back = -16777201;

    const fs::path plain = dir / "plain.txt";
    write_selection_files(plain, c, 2, 3, colours, false);
    EXPECT_EQ(read_file_bytes(plain), "ab\xD6\xD0  \r\ncd    \r\n");
    EXPECT_FALSE(fs::exists(colour_file_name(plain)));

    const fs::path coloured = dir / "coloured.txt";
    write_selection_files(coloured, c, 2, 3, colours, true);
    EXPECT_EQ(read_file_bytes(colour_file_name(coloured)),
              "2\r\n3\r\n#2\r\n@\r\n*1\r\n255\r\n@\r\n@\r\n@\r\n@\r\n0\r\n-16777201\r\n");

    // A folder that does not exist, or a folder where a file should go, is reported.
    c.layers.row(kSelection, 1) = "new";
    EXPECT_THROW(write_selection_files(dir / "missing" / "x.txt", c, 1, 3, colours, true),
                 platform::FileError);
    fs::create_directories(colour_file_name(dir / "blocked.txt"));
    EXPECT_THROW(write_selection_files(dir / "blocked.txt", c, 1, 3, colours, true),
                 platform::FileError);
    EXPECT_EQ(read_file_bytes(dir / "blocked.txt"), "new\r\n");  // written before the colours
    EXPECT_THROW(write_selection_files(dir, c, 1, 3, colours, false), platform::FileError);
}

}  // namespace
}  // namespace quillo::document
