#include "imagetext/grey_tables.h"

#include <gtest/gtest.h>

namespace quillo::imagetext {
namespace {

std::string bytes_1_to(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s.push_back(char(i));
    return s;
}

TEST(GreyTables, SixteenLevelTableGivesTwoBytesPerSixteenGreys) {
    const std::string t = bytes_1_to(32);
    EXPECT_EQ(grey_character(0, kSixteenLevels, t, 16), t.substr(0, 2));
    EXPECT_EQ(grey_character(15, kSixteenLevels, t, 16), t.substr(0, 2));
    EXPECT_EQ(grey_character(16, kSixteenLevels, t, 16), t.substr(2, 2));
    EXPECT_EQ(grey_character(240, kSixteenLevels, t, 16), t.substr(30, 2));
    EXPECT_EQ(grey_character(255, kSixteenLevels, t, 16), t.substr(30, 2));
    // The 16-level table always has 16 levels, whatever its length.
    EXPECT_EQ(mapping_levels(kSixteenLevels, "ab"), 16);
    // A short table gives the rest of its bytes, then nothing.
    EXPECT_EQ(grey_character(255, kSixteenLevels, t.substr(0, 31), 16), t.substr(30, 1));
    EXPECT_EQ(grey_character(255, kSixteenLevels, "ab", 16), "");
}

TEST(GreyTables, AnyLevelTablesStepByTheirLevelCount) {
    const std::string t90 = bytes_1_to(90);
    ASSERT_EQ(mapping_levels(kHalfWidth, t90), 90);  // step 256 / 90 = 2.84 -> 3
    EXPECT_EQ(grey_character(255, kHalfWidth, t90, 90), std::string(1, char(86)));
    EXPECT_EQ(grey_character(2, kHalfWidth, t90, 90), std::string(1, char(1)));
    EXPECT_EQ(grey_character(3, kHalfWidth, t90, 90), std::string(1, char(2)));

    const std::string t200 = bytes_1_to(120) + bytes_1_to(80);
    ASSERT_EQ(mapping_levels(kHalfWidth, t200), 200);  // step 1
    EXPECT_EQ(grey_character(199, kHalfWidth, t200, 200), t200.substr(199, 1));
    EXPECT_EQ(grey_character(200, kHalfWidth, t200, 200), "");
    EXPECT_EQ(grey_character(255, kHalfWidth, t200, 200), "");

    // Full-width: 4 levels of two bytes, step 64.
    const std::string t3 = "AABBCCDD";
    EXPECT_EQ(grey_character(63, kFullWidth, t3, mapping_levels(kFullWidth, t3)), "AA");
    EXPECT_EQ(grey_character(64, kFullWidth, t3, mapping_levels(kFullWidth, t3)), "BB");
    EXPECT_EQ(grey_character(255, kFullWidth, t3, mapping_levels(kFullWidth, t3)), "DD");
}

TEST(GreyTables, LevelCountsAndTablesWithoutLevelsNeverDivideByZero) {
    EXPECT_EQ(level_count(kFullWidth, std::string(31, 'x')), 16);  // 15.5 to even
    EXPECT_EQ(level_count(kFullWidth, std::string(29, 'x')), 14);  // 14.5 to even
    EXPECT_EQ(level_count(kSixteenLevels, std::string(32, 'x')), 16);
    EXPECT_EQ(level_count(kHalfWidth,
                          "ab\xD6\xD0"
                          "c"),
              3);
    // Empty tables and a one-byte full-width table have no level: no character, no fault.
    EXPECT_EQ(mapping_levels(kHalfWidth, ""), 0);
    EXPECT_EQ(mapping_levels(kFullWidth, "x"), 0);
    for (int g : {0, 128, 255}) {
        EXPECT_EQ(grey_character(g, kHalfWidth, "", 0), "");
        EXPECT_EQ(grey_character(g, kFullWidth, "x", 0), "");
        EXPECT_EQ(grey_character(g, kHalfWidth, "abc", -5), "");
    }
    // More than 256 levels are 256 (step 1): never a step of 0.
    const std::string t600(600, 'z');
    EXPECT_EQ(mapping_levels(kHalfWidth, t600), 256);
    EXPECT_EQ(grey_character(255, kHalfWidth, t600, 600), "z");
}

TEST(GreyTables, HalfWidthTableLosesFullWidthBytes) {
    int removed = 0;
    EXPECT_EQ(strip_full_width("ab\xD6\xD0"
                               "c",
                               &removed),
              "abc");
    EXPECT_EQ(removed, 2);
    // 0x80 is not above 128 and stays, as does everything below.
    EXPECT_EQ(strip_full_width("\x80z", &removed), "\x80z");
    EXPECT_EQ(removed, 0);

    GreyTables tables;
    tables.tables = {"0123456789ABCDEF0123456789ABCDEF", "@#. ", "AABB"};
    tables.kind = kHalfWidth;
    EXPECT_EQ(grey_character(0, tables), "@");
    EXPECT_EQ(grey_character(255, tables), " ");
    tables.kind = 7;  // an unknown kind from the settings file reads as the 16-level table
    EXPECT_EQ(grey_character(255, tables), "EF");
}

}  // namespace
}  // namespace quillo::imagetext
