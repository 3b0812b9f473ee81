#include "textops/text_search.h"

#include <gtest/gtest.h>

namespace quillo::textops {
namespace {

constexpr SearchOptions kDown{true, false, false};
constexpr SearchOptions kUp{false, false, false};
constexpr SearchOptions kWordDown{true, false, true};
constexpr SearchOptions kWordUp{false, false, true};

TEST(TextSearch, ForwardFindsTheFirstBackwardTheLast) {
    EXPECT_EQ(find_text("xabyab", "ab", kDown), 1u);
    EXPECT_EQ(find_text("xabyab", "ab", kUp), 4u);
    EXPECT_EQ(find_text("xabyab", "zz", kDown), kNoHit);
    EXPECT_EQ(find_text("xabyab", "zz", kUp), kNoHit);
    EXPECT_EQ(find_text("ab", "abc", kDown), kNoHit);
    EXPECT_EQ(find_text("", "a", kUp), kNoHit);
}

TEST(TextSearch, AnEmptyFindTextFindsNothing) {
    EXPECT_EQ(find_text("abc", "", kDown), kNoHit);
    EXPECT_EQ(find_text("abc", "", kUp), kNoHit);
    EXPECT_TRUE(replace_all_hits("abc", kNoHit, "", kDown).empty());
}

TEST(TextSearch, CaseFoldsOnlySingleByteLetters) {
    EXPECT_EQ(find_text("xABc", "abC", kDown), 1u);
    EXPECT_EQ(find_text("xABc", "abC", SearchOptions{true, true, false}), kNoHit);
    // "﹖" is A9 74: its trail byte is a "t" but never matches one, in any case.
    EXPECT_EQ(find_text("\xA9\x74", "t", kDown), kNoHit);
    EXPECT_EQ(find_text("\xA9\x74", "T", kUp), kNoHit);
    EXPECT_EQ(find_text("\xA9\x54", "\xA9\x74", kDown), kNoHit);
}

TEST(TextSearch, HitsNeverStartInsideAFullWidthCharacter) {
    // "﹐" is A9 6F, "o" is 6F.
    EXPECT_EQ(find_text("\xA9\x6F", "o", kDown), kNoHit);
    EXPECT_EQ(find_text("\xA9\x6Fo", "o", kDown), 2u);
    EXPECT_EQ(find_text("o\xA9\x6F", "o", kUp), 0u);
    // 中文 is D6 D0 CE C4: "D0 CE" stands in the middle and is no hit.
    EXPECT_EQ(find_text("\xD6\xD0\xCE\xC4", "\xD0\xCE", kDown), kNoHit);
    EXPECT_EQ(find_text("\xD6\xD0\xCE\xC4", "\xD0\xCE", kUp), kNoHit);
    EXPECT_EQ(find_text("\xD6\xD0\xCE\xC4\xD0\xCE", "\xD0\xCE", kDown), 4u);
    // A long run of full-width characters, searched both ways.
    std::string run;
    for (int i = 0; i < 1000; ++i) run += "\xD6\xD0";
    EXPECT_EQ(find_text(run, "\xD0\xD6", kDown), kNoHit);
    EXPECT_EQ(find_text(run, "\xD0\xD6", kUp), kNoHit);
    EXPECT_EQ(find_text(run + "a",
                        "\xD6\xD0"
                        "a",
                        kUp),
              1998u);
    // A hit may not end inside a character either.
    EXPECT_EQ(find_text("a\xD6\xD0", "a\xD6", kDown), kNoHit);
    // Bytes that form no character are single characters of their own.
    EXPECT_EQ(find_text("\x80o", "o", kDown), 1u);
}

TEST(TextSearch, WholeWords) {
    EXPECT_EQ(find_text("abc", "ab", kWordDown), kNoHit);
    EXPECT_EQ(find_text("ab c", "ab", kWordDown), 0u);
    EXPECT_EQ(find_text("ab\xB0\xA1", "ab", kWordDown), 0u);
    EXPECT_EQ(find_text("xab ab", "ab", kWordDown), 4u);
    EXPECT_EQ(find_text("ab abx", "ab", kWordUp), 0u);
    // A trail byte that looks like a letter is no word character.
    EXPECT_EQ(find_text("\xA9\x74"
                        "ab",
                        "ab", kWordDown),
              2u);
    // Backward, a rejected hit does not hide the text after the next one: "ab" in "abab" is
    // no whole word.
    EXPECT_EQ(find_text("abab", "ab", kWordUp), kNoHit);
    EXPECT_EQ(find_text("abab", "ab", kWordDown), kNoHit);
}

TEST(TextSearch, ReplaceAllHitsDoNotOverlapAndEndWhenTheTextDoes) {
    EXPECT_EQ(replace_all_hits("aaa", kNoHit, "a", kDown), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(replace_hits("aaa", {0, 1, 2}, 1, "aa"), "aaaaaa");
    EXPECT_EQ(replace_all_hits("aaaa", kNoHit, "aa", kDown), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(replace_all_hits("aaaaa", kNoHit, "aa", kUp), (std::vector<std::size_t>{3, 1}));
    EXPECT_EQ(replace_all_hits("a-a-a", 2, "a", kDown), (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(replace_all_hits("a-a-a", 2, "a", kUp), (std::vector<std::size_t>{0}));
    EXPECT_EQ(replace_hits("a-a-a", {4, 0}, 1, ""), "-a-");
}

}  // namespace
}  // namespace quillo::textops
