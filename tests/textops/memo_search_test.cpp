#include "textops/memo_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillo::textops {
namespace {

// A text box of one line of bytes, recording the messages it was shown.
class FakeBox : public SearchTarget {
  public:
    explicit FakeBox(std::string t) : text_(std::move(t)) {}
    std::string text() override { return text_; }
    std::size_t selection_start() override { return start; }
    std::size_t selection_length() override { return length; }
    void select(std::size_t s, std::size_t l) override {
        start = s;
        length = l;
    }
    void replace_selection(std::string_view with) override {
        text_.replace(start, length, with);
        length = with.size();
        ++edits;
    }
    void replace_text(std::string_view t, std::size_t s, std::size_t l) override {
        text_ = t;
        select(s, l);
        ++edits;
    }
    void message(const std::string& t, const std::string& caption) override {
        messages.push_back(caption + ": " + t);
    }

    std::string text_;
    std::size_t start = 0;
    std::size_t length = 0;
    int edits = 0;
    std::vector<std::string> messages;
};

SearchRequest ask(std::string find, std::string replace = {}, bool down = true) {
    SearchRequest r;
    r.find_text = std::move(find);
    r.replace_text = std::move(replace);
    r.options.down = down;
    return r;
}

TEST(MemoSearch, FindNextWalksThroughTheHitsThenSaysSo) {
    FakeBox box("ab\r\nxab");
    MemoSearch s;
    s.open(MemoSearch::Kind::find);
    s.find_next(ask("ab"), box);
    EXPECT_EQ(box.start, 0u);
    s.find_next(ask("ab"), box);
    EXPECT_EQ(box.start, 5u);
    EXPECT_EQ(box.length, 2u);
    s.find_next(ask("ab"), box);
    EXPECT_EQ(box.start, 5u);
    s.find_next(ask("zz"), box);
    EXPECT_EQ(box.messages,
              (std::vector<std::string>{"Search Results: No more instances of \"ab\" found.",
                                        "Search Results: Search string \"zz\" not found."}));
}

TEST(MemoSearch, UpFromTheEndFindsTheLastFirst) {
    FakeBox box("ab ab ab");
    MemoSearch s;
    s.open(MemoSearch::Kind::find);
    s.find_next(ask("ab", "", false), box);
    EXPECT_EQ(box.start, 6u);
    s.find_next(ask("ab", "", false), box);
    EXPECT_EQ(box.start, 3u);
}

TEST(MemoSearch, EmptyFindTextDoesNothing) {
    FakeBox box("abc");
    MemoSearch s;
    s.open(MemoSearch::Kind::replace);
    auto all = ask("", "x");
    all.replace_all = true;
    s.replace(all, box);
    s.find_next(ask(""), box);
    EXPECT_EQ(box.text_, "abc");
    EXPECT_TRUE(box.messages.empty());
    EXPECT_TRUE(s.search_string().empty());
}

TEST(MemoSearch, ReplaceAllInOneEditEndsAfterTheInsertedText) {
    FakeBox box("a-a-a");
    MemoSearch s;
    s.open(MemoSearch::Kind::replace);
    auto all = ask("a", "aa");
    all.replace_all = true;
    s.replace(all, box);
    EXPECT_EQ(box.text_, "aa-aa-aa");
    EXPECT_EQ(box.edits, 1);
    EXPECT_EQ(box.start, 6u);  // the last text inserted is selected
    EXPECT_EQ(box.length, 2u);
    EXPECT_EQ(s.replace_count(), 3);
    EXPECT_TRUE(box.messages.empty());  // something was replaced: no miss message

    // Replace after Replace All is one replacement; it finds nothing more here.
    s.replace(ask("a", "aa"), box);
    EXPECT_EQ(box.messages,
              (std::vector<std::string>{"Replace Results: No more instances of \"a\" found."}));
}

TEST(MemoSearch, ReplaceOneAtATimeAndRepeatWithSearchAgain) {
    FakeBox box("x y x");
    MemoSearch s;
    s.open(MemoSearch::Kind::replace);
    s.replace(ask("x", "zz"), box);
    EXPECT_EQ(box.text_, "zz y x");
    s.search_again(ask("x", "zz"), box);
    EXPECT_EQ(box.text_, "zz y zz");
    s.search_again(ask("x", "zz"), box);
    EXPECT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(s.replace_count(), 2);
}

TEST(MemoSearch, ReplaceCountWhenAskedFor) {
    FakeBox box("aXa");
    MemoSearch s;
    s.show_replace_count = true;
    s.open(MemoSearch::Kind::replace);
    auto all = ask("a", "b");
    all.replace_all = true;
    s.replace(all, box);
    EXPECT_EQ(box.text_, "bXb");
    EXPECT_EQ(box.messages,
              (std::vector<std::string>{"Replace Results: Replaced 2 instances of \"a\"."}));
}

TEST(MemoSearch, SearchAgainNeedsASearchString) {
    FakeBox box("abc");
    MemoSearch s;
    s.open(MemoSearch::Kind::find);
    s.search_again(ask("b"), box);
    EXPECT_EQ(box.start, 0u);
    EXPECT_TRUE(box.messages.empty());
}

}  // namespace
}  // namespace quillo::textops
