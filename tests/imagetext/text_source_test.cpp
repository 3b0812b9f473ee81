#include "imagetext/text_source.h"

#include <gtest/gtest.h>

namespace quillo::imagetext {
namespace {

std::string take(TextSource& s, int n, bool double_byte) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s.next(double_byte) + "|";
    return out;
}

TEST(TextSource, CyclesThroughNonEmptyLines) {
    TextSource s({"ab", ""});
    EXPECT_EQ(take(s, 5, false), "a|b|a|b|a|");
    s.rewind();
    EXPECT_EQ(s.next(false), "a");

    TextSource t({"", "x\xD6\xD0", "", "yz"});
    // Single-byte: bytes above 128 become spaces.
    EXPECT_EQ(take(t, 6, false), "x| | |y|z|x|");
}

TEST(TextSource, DoubleByteModeGivesWholeCellsOfTheNormalisedLine) {
    // "a中" is laid out as "a 中" + padding: cells "a ", "中".
    TextSource s({"a\xD6\xD0", "\xB9\xFA"});
    EXPECT_EQ(take(s, 4, true), "a |\xD6\xD0|\xB9\xFA|a |");
    s.rewind();
    EXPECT_EQ(s.next(true), "a ");
    TextSource odd({"abc"});  // odd length: the last cell is "c "
    EXPECT_EQ(take(odd, 3, true), "ab|c |ab|");
}

TEST(TextSource, NoTextGivesNothingWithoutSpinning) {
    TextSource none;
    EXPECT_EQ(none.next(false), "");
    TextSource blanks({"", "", ""});
    EXPECT_EQ(blanks.next(true), "");
    EXPECT_EQ(blanks.next(false), "");
}

}  // namespace
}  // namespace quillo::imagetext
