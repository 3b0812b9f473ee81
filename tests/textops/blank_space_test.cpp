#include "textops/blank_space.h"

#include <gtest/gtest.h>

namespace quillo::textops {
namespace {

TEST(BlankSpace, BlankLinesGoBetweenLinesOnly) {
    EXPECT_EQ(add_blank_lines({"a", "b", "c"}), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(add_blank_lines({"a"}), (Lines{"a"}));
    EXPECT_EQ(add_blank_lines({""}), (Lines{""}));
}

TEST(BlankSpace, BlankColumnsFollowEveryCell) {
    EXPECT_EQ(add_blank_columns({"abc"}, false), (Lines{"ab  c  "}));
    EXPECT_EQ(add_blank_columns({"abc"}, true), (Lines{"ab  c   "}));  // normalised: "abc "
    EXPECT_EQ(add_blank_columns({"", "\t"}, false), (Lines{"", "\t  "}));
    // A full-width character standing on an even byte is aligned first, never split.
    EXPECT_EQ(add_blank_columns({"a\xD6\xD0"}, false), (Lines{"a   \xD6\xD0     "}));
}

TEST(BlankSpace, BlankLinesAreSpacesCarriageReturnsAndTabs) {
    EXPECT_EQ(remove_blank_lines({"a", " \t ", "", "\r", "\xA1\xA1", "b"}),
              (Lines{"a", "\xA1\xA1", "b"}));
    EXPECT_TRUE(remove_blank_lines({""}).empty());
}

TEST(BlankSpace, SpacesAndTabsGoFullWidthSpacesStay) {
    EXPECT_EQ(remove_spaces({"a b\tc", " \xA1\xA1 ", "\x81 "}), (Lines{"abc", "\xA1\xA1", "\x81"}));
}

}  // namespace
}  // namespace quillo::textops
