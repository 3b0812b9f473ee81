// UTF-8 text in and out of GBK documents, and the East Asian Width that decides how wide a
// missing character's stand-in is.
#include "interop/utf8_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <string>
#include <vector>

#include "document/document.h"
#include "interop/east_asian_width.h"
#include "interop/gbk_codes.h"
#include "platform/gbk.h"

namespace quillo::interop {
namespace {

using Lines = std::vector<std::string>;

// Every two-byte GBK character, 64 to a line.
Lines every_gbk_character() {
    Lines lines(1);
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (!platform::gbk_pair_to_unicode(static_cast<unsigned char>(lead),
                                               static_cast<unsigned char>(trail)))
                continue;
            if (lines.back().size() == 128) lines.emplace_back();
            lines.back() += static_cast<char>(lead);
            lines.back() += static_cast<char>(trail);
        }
    }
    return lines;
}

TEST(Utf8Text, EveryGbkCharacterComesBackAsTheSameBytes) {
    ASSERT_GT(platform::gbk_pair_count(), 20000u) << "the system's iconv has no GBK table";
    Lines lines = every_gbk_character();
    lines.insert(lines.begin(), "ASCII ~!@#$%^&*()_+ \t tab");
    lines.emplace_back();  // an empty line survives too
    const Utf8Writing utf8 = write_utf8_text(lines, "\r\n");
    EXPECT_EQ(utf8.stray_bytes, 0);
    EXPECT_EQ(first_invalid_utf8(utf8.bytes), std::string::npos);
    EXPECT_FALSE(utf8.bytes.starts_with("\xEF\xBB\xBF"));
    const Utf8Reading back = read_utf8_text(utf8.bytes);
    EXPECT_EQ(back.bad_line, 0);
    EXPECT_EQ(back.replaced, 0);
    EXPECT_EQ(back.lines, lines);
    // The UTF-8 is the characters' own: 中 is E4 B8 AD, not a private stand-in.
    EXPECT_EQ(write_utf8_text({"\xD6\xD0"}, "\n").bytes, "\xE4\xB8\xAD\n");
}

TEST(Utf8Text, CharactersGbkLacksBecomeQuestionMarksAsWideAsThey) {
    ASSERT_EQ(gbk_code(0x1F600), 0);  // 😀, wide
    ASSERT_EQ(gbk_code(0x0E01), 0);   // Thai ko kai, narrow
    ASSERT_EQ(gbk_code(0xFF1F), 0xA3BF);
    const Utf8Reading r = read_utf8_text(
        "plain\n"
        "a\xF0\x9F\x98\x80"
        "b\xE0\xB8\x81"
        "c\xE4\xB8\xAD\r\n"
        "\xF0\x9F\x98\x80");
    EXPECT_EQ(r.bad_line, 0);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0], "plain");
    EXPECT_EQ(r.lines[1],
              "a\xA3\xBF"
              "b?c\xD6\xD0");
    EXPECT_EQ(r.lines[2], "\xA3\xBF");
    EXPECT_EQ(r.replaced, 3);
    EXPECT_EQ(r.first_replaced_line, 2);
    // The private code points that carry stray bytes in the program are no character of a file.
    EXPECT_EQ(read_utf8_text("\xEF\x9C\x80").lines, Lines{"?"});  // U+F700
}

TEST(Utf8Text, MalformedUtf8NamesTheLineOfTheFirstBadByteAndConvertsNothing) {
    struct Case {
        std::string bytes;
        int line;
        std::size_t offset;
    };
    const std::vector<Case> cases{
        {"ok\r\nline 2\nbad \xC3\x28 here\n\xFF", 3, 15},
        {"\xC0\xAF", 1, 0},                                     // overlong "/"
        {"a\rb\rc\xED\xA0\x80", 3, 5},                          // encoded surrogate, CR lines
        {"\xE4\xB8\xAD\r\n\xE4\xB8", 2, 5},                     // cut inside the last character
        {"\xF4\x90\x80\x80", 1, 0},                             // past U+10FFFF
        {"\xEF\xBB\xBF\n\n\x80", 3, 5},                         // after a byte-order mark
        {std::string("x\0y\n", 4) + "\xD6\xD0\xCE\xC4", 2, 4},  // GBK text
    };
    for (const auto& c : cases) {
        const Utf8Reading r = read_utf8_text(c.bytes);
        EXPECT_EQ(r.bad_line, c.line) << c.bytes;
        EXPECT_EQ(r.bad_offset, c.offset) << c.bytes;
        EXPECT_TRUE(r.lines.empty());
    }
}

TEST(Utf8Text, LinesSplitAsTheDocumentReaderSplitsThem) {
    const std::string text = "one\r\ntwo\nthree\rfour\r\n\r\nsix";
    EXPECT_EQ(read_utf8_text(text).lines, document::split_lines(text));
    EXPECT_EQ(read_utf8_text("\xEF\xBB\xBFhi\n").lines, Lines{"hi"});  // the mark is dropped
    EXPECT_TRUE(read_utf8_text("").lines.empty());
}

TEST(Utf8Text, OnlyUtf8ThatIsNoGbkIsOfferedForReading) {
    EXPECT_FALSE(looks_like_utf8_text("plain ASCII\r\n"));
    EXPECT_FALSE(looks_like_utf8_text("\xD6\xD0\xCE\xC4"));  // GBK 中文: no UTF-8
    // UTF-8 你好 and café happen to be GBK too (E4BD A0E5 A5BD; C3A9): read as GBK, as ever.
    EXPECT_FALSE(looks_like_utf8_text("\xE4\xBD\xA0\xE5\xA5\xBD"));
    EXPECT_FALSE(looks_like_utf8_text("caf\xC3\xA9"));
    EXPECT_TRUE(looks_like_utf8_text("\xE4\xB8\xAD\xE6\x96\x87"));    // 中文: 9687 is no pair
    EXPECT_TRUE(looks_like_utf8_text("\xE2\x94\x80\xE2\x94\x80\n"));  // ──: 0x80 leads none
    EXPECT_FALSE(looks_like_utf8_text("\xE4\xB8\xAD\xE6\x96"));       // cut: no UTF-8
}

TEST(Utf8Text, BytesThatAreNoGbkCharacterAreWrittenAsQuestionMarks) {
    const Utf8Writing w = write_utf8_text({"ok", "a\x80z\xD6", "\xFF\xD6\xD0"}, "\n");
    EXPECT_EQ(w.bytes, "ok\na?z?\n?\xE4\xB8\xAD\n");
    EXPECT_EQ(w.stray_bytes, 3);
    EXPECT_EQ(w.first_stray_line, 2);
    std::string out;
    EXPECT_EQ(append_gbk_as_utf8("a\x1B\tb\x7F", out, true), 3);
    EXPECT_EQ(out, "a??b?");
}

TEST(EastAsianWidth, WideAndFullwidthCharactersOnly) {
    for (char32_t c : {0x4E2DU, 0x3000U, 0xFF01U, 0xFFE5U, 0xAC00U, 0x1F600U, 0x20000U, 0x3041U})
        EXPECT_TRUE(is_wide(c)) << std::hex << unsigned(c);
    for (char32_t c : {0x41U, 0xE9U, 0x2500U, 0x3B1U, 0x410U, 0xFF61U, 0x303FU, 0x4DC0U, 0xE000U})
        EXPECT_FALSE(is_wide(c)) << std::hex << unsigned(c);
}

TEST(EastAsianWidth, AgreesWithTheCLibraryOnEveryGbkCharacter) {
    const char* old = std::setlocale(LC_CTYPE, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t cp = platform::gbk_pair_to_unicode(static_cast<unsigned char>(lead),
                                                              static_cast<unsigned char>(trail));
            if (!cp) continue;
            const int width = ::wcwidth(static_cast<wchar_t>(cp));
            if (width < 1) continue;  // private use: the C library gives no width
            EXPECT_EQ(is_wide(cp), width == 2) << std::hex << static_cast<unsigned>(cp);
            ++checked;
        }
    }
    std::setlocale(LC_CTYPE, saved.c_str());
    EXPECT_GT(checked, 20000);
}

}  // namespace
}  // namespace quillo::interop
