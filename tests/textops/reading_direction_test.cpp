#include "textops/reading_direction.h"

#include <gtest/gtest.h>

#include "textops/text_lines.h"

namespace quillo::textops {
namespace {

Lines h2v(const Lines& text, bool double_byte = false) {
    auto r = transpose_reading(text, double_byte, vertical_punctuation());
    EXPECT_EQ(r.outcome, Outcome::done);
    return r.lines;
}
Lines v2h(const Lines& text, bool double_byte = false) {
    auto r = transpose_reading(text, double_byte, horizontal_punctuation());
    EXPECT_EQ(r.outcome, Outcome::done);
    return r.lines;
}
Lines mirror(const Lines& text, bool double_byte = false) {
    auto r = mirror_text(text, double_byte);
    EXPECT_EQ(r.outcome, Outcome::done);
    return r.lines;
}

TEST(TextLines, TabsExpandToTheNextMultipleOfEight) {
    EXPECT_EQ(expand_tabs("\tx"), "        x");
    EXPECT_EQ(expand_tabs("abc\tx"), "abc     x");
    EXPECT_EQ(expand_tabs("abcdefgh\t"), "abcdefgh        ");
    EXPECT_EQ(expand_tabs("a\t\tb"), std::string("a") + std::string(15, ' ') + "b");
    EXPECT_EQ(expand_tabs(""), "");
}

TEST(TextLines, OnlyLinesWithFullWidthBytesAreAlignedInSingleByteMode) {
    EXPECT_EQ(align_to_cells("abc", false), "abc");
    EXPECT_EQ(align_to_cells("abc", true), "abc ");
    EXPECT_EQ(align_to_cells("a\xD6\xD0", false), "a \xD6\xD0 ");
    EXPECT_EQ(align_to_cells("\xD6\xD0"
                             "a",
                             false),
              "\xD6\xD0"
              "a ");
    Lines lines{"a\tb", "", "x"};
    EXPECT_EQ(normalise_lines(lines, false), 9u);
    EXPECT_EQ(lines[0], "a       b");
    Lines empty{""};
    EXPECT_EQ(normalise_lines(empty, false), 1u);  // at least 1
}

TEST(ReadingDirection, ThreeLinesBecomeOneAndBack) {
    EXPECT_EQ(h2v({"ab", "cd", "ef"}), (Lines{"abcdef"}));
    EXPECT_EQ(v2h({"abcdef"}), (Lines{"ab", "cd", "ef"}));
}

TEST(ReadingDirection, ShortLinesArePaddedAndBlankLinesKeepOneSpace) {
    // Widest line 5 bytes: three columns, the fifth byte padded to a cell of its own.
    EXPECT_EQ(h2v({"abcde"}), (Lines{"ab", "cd", "e"}));
    EXPECT_EQ(h2v({"abcd", "x"}), (Lines{"abx", "cd"}));
    EXPECT_EQ(h2v({"ab", "abcd"}), (Lines{"abab", "  cd"}));
    EXPECT_EQ(h2v({"  ab"}), (Lines{" ", "ab"}));
    EXPECT_EQ(h2v({""}), (Lines{" "}));
}

TEST(ReadingDirection, TabsAreExpandedFirst) {
    const auto out = h2v({"a\tb"});  // "a       b": 9 bytes, 5 cells
    EXPECT_EQ(out, (Lines{"a", " ", " ", " ", "b"}));
}

TEST(ReadingDirection, AtMost256Lines) {
    Lines text(256, "ab");
    auto r = transpose_reading(text, false, vertical_punctuation());
    ASSERT_EQ(r.outcome, Outcome::done);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].size(), 512u);
    EXPECT_EQ(r.longest, 512u);
    text.push_back("ab");
    r = transpose_reading(text, false, vertical_punctuation());
    EXPECT_EQ(r.outcome, Outcome::too_many_lines);
    EXPECT_TRUE(r.lines.empty());
}

TEST(ReadingDirection, PunctuationTurnsAndComesBackNotQuiteTheSame) {
    // "（" -> "︵" -> "〔"; "[ " -> "︹" -> " ["
    EXPECT_EQ(h2v({"\xA3\xA8"}), (Lines{"\xA6\xE0"}));
    EXPECT_EQ(v2h(h2v({"\xA3\xA8"})), (Lines{"\xA1\xB2"}));
    EXPECT_EQ(h2v({"[ "}), (Lines{"\xA6\xE2"}));
    EXPECT_EQ(v2h(h2v({"[ "})), (Lines{" ["}));
    // A half-width mark turns only when it shares its cell with a space.
    EXPECT_EQ(h2v({"?", "a"}), (Lines{"\xA9\x74"
                                      "a"}));
    EXPECT_EQ(h2v({" ?"}), (Lines{"\xA9\x74"}));
    EXPECT_EQ(h2v({"?a"}), (Lines{"?a"}));
    // "·" and "。" both become "﹒"; the first matching rule wins for ":".
    EXPECT_EQ(h2v({"\xA1\xA4", "\xA1\xA3", ": "}), (Lines{"\xA9\x71\xA9\x71\xA1\xA7"}));
}

TEST(ReadingDirection, FullWidthCharactersStayWholeInSingleByteMode) {
    // "a中" would be cut into "a\xD6" and "\xD0"; aligned first it reads "a ", "中" and the
    // space the aligning adds to a line of odd length.
    EXPECT_EQ(h2v({"a\xD6\xD0"}), (Lines{"a", "\xD6\xD0", " "}));
    EXPECT_EQ(mirror({"a\xD6\xD0"}), (Lines{std::string(" \xD6\xD0") + "a"}));
    EXPECT_EQ(mirror({"ab\xD6\xD0"}), (Lines{std::string("\xD6\xD0") + "ab"}));
    // Pure ASCII is read exactly as it stands, odd lengths included.
    EXPECT_EQ(mirror({"abc"}), (Lines{"c"
                                      "ab"}));
}

TEST(Mirror, ReversesCellsRightAlignedAndSwapsPairs) {
    // 《第一章》 -> 《章一第》
    const std::string chapter = "\xA1\xB6\xB5\xDA\xD2\xBB\xD5\xC2\xA1\xB7";
    EXPECT_EQ(mirror({chapter}, true), (Lines{"\xA1\xB6\xD5\xC2\xD2\xBB\xB5\xDA\xA1\xB7"}));
    EXPECT_EQ(mirror({chapter}, false), mirror({chapter}, true));
    EXPECT_EQ(mirror({"( ", " (", "(x"}), (Lines{"\xA3\xA9", "\xA3\xA9", "(x"}));
    EXPECT_EQ(mirror({"ab", "abcd"}), (Lines{"  ab", "cdab"}));
    EXPECT_EQ(mirror({"[ ab"}), (Lines{"ab]"}));
    EXPECT_EQ(mirror({""}), (Lines{" "}));
    EXPECT_EQ(mirror({"", "ab"}), (Lines{" ", "ab"}));
}

TEST(Mirror, BytesThatAreNoCharacterAreKept) {
    EXPECT_EQ(mirror({"\x80\x81", "\xFF"}), (Lines{"\x80\x81", "\xFF"}));
    EXPECT_EQ(h2v({"\x80\x81", "\xFF"}), (Lines{"\x80\x81\xFF"}));
}

TEST(ReadingDirection, ResultsTooLargeForMemoryAreRefusedWithoutBuildingThem) {
    // One wide line becomes one line per cell.
    auto r = transpose_reading({std::string(1 << 20, 'x')}, false, vertical_punctuation());
    EXPECT_EQ(r.outcome, Outcome::too_wide);
    // Every line is right-aligned to the widest one.
    Lines many(40000, "ab");
    many.push_back(std::string(4000, 'y'));  // 40001 lines of 4000 bytes
    EXPECT_EQ(mirror_text(many, false).outcome, Outcome::too_wide);
    many.back().resize(100);
    EXPECT_EQ(mirror_text(many, false).outcome, Outcome::done);
}

TEST(ReadingDirection, LongLineLimitRoundsHalvesToEven) {
    EXPECT_EQ(long_line_limit(800), 96);
    EXPECT_EQ(long_line_limit(36), 0);  // 0.5
    EXPECT_EQ(long_line_limit(44), 2);  // 1.5
}

}  // namespace
}  // namespace quillo::textops
