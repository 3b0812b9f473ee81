#include "platform/gbk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quillo::platform {
namespace {

// GB2312 row/cell + 0x8080; these are fixed by the standard.
const std::string kZhong = "\xD6\xD0";  // 中 U+4E2D
const std::string kWen = "\xCE\xC4";    // 文 U+6587
const std::string kSentence = "\xCE\xD2\xC3\xC7\xBB\xAD\xD6\xD0\xB9\xFA\xCE\xC4\xD7\xD6\xA1\xA3";
const char* kSentenceUtf8 = reinterpret_cast<const char*>(u8"我们画中国文字。");

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s.push_back(static_cast<char>(b));
    return s;
}

void expect_round_trip(const std::string& s) {
    EXPECT_EQ(utf16_to_gbk(gbk_to_utf16(s)), s) << "utf16, size " << s.size();
    EXPECT_EQ(utf8_to_gbk(gbk_to_utf8(s)), s) << "utf8, size " << s.size();
}

TEST(Gbk, TableMatchesKnownCharactersAndIsItsOwnInverse) {
    ASSERT_GT(gbk_pair_count(), 20000u);  // GBK has about 21 000 two-byte characters
    EXPECT_EQ(gbk_pair_to_unicode(0xD6, 0xD0), U'\u4E2D');
    EXPECT_EQ(gbk_pair_to_unicode(0xCE, 0xC4), U'\u6587');
    EXPECT_EQ(gbk_pair_to_unicode(0xA1, 0xA1), U'\u3000');  // full-width space
    EXPECT_NE(gbk_pair_to_unicode(0xD6, 'A'), 0u);          // trails start at 0x40
    // Outside the lead/trail ranges there is no pair.
    EXPECT_EQ(gbk_pair_to_unicode(0x81, 0x7F), 0u);
    EXPECT_EQ(gbk_pair_to_unicode(0x81, 0xFF), 0u);
    EXPECT_EQ(gbk_pair_to_unicode(0x81, 0x3F), 0u);
    EXPECT_EQ(gbk_pair_to_unicode(0x80, 0x80), 0u);
    EXPECT_EQ(gbk_pair_to_unicode(0xFF, 0xA1), 0u);

    std::size_t seen = 0;
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            char32_t cp = gbk_pair_to_unicode(lead, trail);
            if (cp == 0) continue;
            ++seen;
            ASSERT_TRUE(is_lead_byte(lead));
            ASSERT_GE(cp, 0x80u);
            ASSERT_FALSE(is_stray_code_point(cp)) << lead << " " << trail;
            ASSERT_EQ(unicode_to_gbk(cp), bytes({lead, trail}));
        }
    }
    EXPECT_EQ(seen, gbk_pair_count());

    EXPECT_EQ(unicode_to_gbk(U'A'), "A");
    EXPECT_EQ(unicode_to_gbk(U'\u4E2D'), kZhong);
    EXPECT_EQ(unicode_to_gbk(kStrayByteBase + 0x80), "\x80");
    EXPECT_EQ(unicode_to_gbk(U'\U0001F600'), "");  // emoji
    EXPECT_EQ(unicode_to_gbk(U'\u0915'), "");      // Devanagari
    EXPECT_EQ(unicode_to_gbk(0xD800), "");
    EXPECT_EQ(unicode_to_gbk(0x110000), "");
}

TEST(Gbk, DecodesStrayBytesToPrivateCodePoints) {
    auto stray = [](int b) { return static_cast<char16_t>(kStrayByteBase + b); };
    EXPECT_EQ(gbk_to_utf16("A" + kZhong + kWen), (std::u16string{u'A', u'\u4E2D', u'\u6587'}));
    EXPECT_EQ(gbk_to_utf16("\x80"), std::u16string{stray(0x80)});
    EXPECT_EQ(gbk_to_utf16("\xFF"), std::u16string{stray(0xFF)});
    EXPECT_EQ(gbk_to_utf16("a\xD6"), (std::u16string{u'a', stray(0xD6)}));  // split character
    EXPECT_EQ(gbk_to_utf16("\x81\x7F"), (std::u16string{stray(0x81), u'\x7F'}));
    EXPECT_EQ(gbk_to_utf16("\x81 "), (std::u16string{stray(0x81), u' '}));
    EXPECT_EQ(gbk_to_utf16("\x80\xD6\xD0"), (std::u16string{stray(0x80), u'\u4E2D'}));
    EXPECT_EQ(gbk_to_utf16("\xD6"
                           "A")
                  .size(),
              1u);  // a pair, not a stray and an 'A'
    // CR would become a line break in a text box; LF and the other controls stay.
    EXPECT_EQ(gbk_to_utf16(bytes({'\r', '\n', 0, '\t', 0x0B, 0x7F})),
              (std::u16string{stray('\r'), u'\n', u'\0', u'\t', u'\x0B', u'\x7F'}));
    EXPECT_EQ(gbk_to_utf16(""), u"");
}

TEST(Gbk, EncodesWhatGbkLacksAsQuestionMark) {
    EXPECT_EQ(utf16_to_gbk(u"\U0001F600"), "?");  // one mark for the surrogate pair
    EXPECT_EQ(utf16_to_gbk(u"a\u0915b"), "a?b");
    const char16_t lone_high[] = {u'x', 0xD83D, u'y'};
    EXPECT_EQ(utf16_to_gbk(std::u16string_view(lone_high, 3)), "x?y");
    const char16_t lone_low[] = {0xDE00, 0xD83D};
    EXPECT_EQ(utf16_to_gbk(std::u16string_view(lone_low, 2)), "??");
    EXPECT_EQ(utf16_to_gbk(u"\u4E2D\r\n"), kZhong + "\r\n");
}

TEST(Gbk, EveryByteStringSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) expect_round_trip(bytes({b}));
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            std::string s = bytes({a, b});
            ASSERT_EQ(utf16_to_gbk(gbk_to_utf16(s)), s) << a << " " << b;
            ASSERT_EQ(utf8_to_gbk(gbk_to_utf8(s)), s) << a << " " << b;
        }
    for (const std::string& s : std::initializer_list<std::string>{
             "ab\xD6", "\x81\x7F", "\x81\x20", "\x81\x81\x81", "\x80\x80", "\xFF\xFE\xFF",
             "\xD6"
             "A\xD6",
             kSentence, "\xA1" + kSentence + "\x80"})
        expect_round_trip(s);

    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> byte(0, 255), high(0x80, 0xFF), len(0, 40), kind(0, 3);
    for (int iter = 0; iter < 20000; ++iter) {
        std::string s;
        int n = len(gen);
        for (int i = 0; i < n; ++i)
            s.push_back(static_cast<char>(kind(gen) ? high(gen) : byte(gen)));
        ASSERT_EQ(utf16_to_gbk(gbk_to_utf16(s)), s) << "iteration " << iter;
        ASSERT_EQ(utf8_to_gbk(gbk_to_utf8(s)), s) << "iteration " << iter;
    }
}

TEST(Gbk, Utf8ConversionUsesTheSameMapping) {
    EXPECT_EQ(utf8_to_gbk(kSentenceUtf8), kSentence);
    EXPECT_EQ(gbk_to_utf8(kSentence), kSentenceUtf8);
    EXPECT_EQ(gbk_to_utf8("\x80"), "\xEF\x9E\x80");  // U+F780
    EXPECT_EQ(gbk_to_utf8("a\r\n"), "a\r\n");
    EXPECT_EQ(utf8_to_gbk("\xF0\x9F\x98\x80"), "?");  // U+1F600
    // Malformed UTF-8: each byte is carried as itself.
    EXPECT_EQ(utf8_to_gbk("\xC0\xAF"), "\xC0\xAF");                  // overlong '/'
    EXPECT_EQ(utf8_to_gbk("\xED\xA0\x80"), "\xED\xA0\x80");          // encoded surrogate
    EXPECT_EQ(utf8_to_gbk("\xF4\x90\x80\x80"), "\xF4\x90\x80\x80");  // past U+10FFFF
    EXPECT_EQ(utf8_to_gbk("x\xE4\xB8"), "x\xE4\xB8");                // cut short at the end
    EXPECT_EQ(utf8_to_gbk("\xE4\xB8"
                          "A"),
              "\xE4\xB8"
              "A");  // cut short before ASCII
    EXPECT_EQ(utf8_to_gbk("\x80\xFF"), "\x80\xFF");
}

}  // namespace
}  // namespace quillo::platform
