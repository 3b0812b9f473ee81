#include "document/ini_file.h"

#include <gtest/gtest.h>

namespace quillo::document {
namespace {

TEST(IniFile, SectionsAndKeysMatchWithoutCaseAndTheFirstMatchWins) {
    const IniFile ini = IniFile::from_bytes(
        "; comment=1\r\nstray=0\r\n[Display]\r\n  Chinese = 1 \r\nchinese=0\r\n"
        "[display]\r\npen_st=9\r\n[PEN]\nPEN_ST=4\rname=  \"  two words \"  \r\n");
    EXPECT_EQ(ini.read_int("DISPLAY", "chinese", 7), 1);
    // Only the first [display] is searched, as the Windows profile functions do.
    EXPECT_EQ(ini.read_int("display", "pen_st", 7), 7);
    EXPECT_EQ(ini.read_int("pen", "pen_st", 7), 4);
    EXPECT_EQ(ini.read_string("pen", "name", "x"), "  two words ");
    EXPECT_EQ(ini.read_string("pen", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.read_string("nowhere", "pen_st", "dflt"), "dflt");
    // Keys before any section and comment lines are never found.
    EXPECT_EQ(ini.read_string("", "stray", "d"), "d");
    EXPECT_FALSE(ini.find("display", "; comment").has_value());
}

TEST(IniFile, IntegersAndBooleans) {
    const IniFile ini = IniFile::from_bytes(
        "[n]\na=-2147483633\nb=+12abc\nc=abc\nd=\ne=-\nf=4294967295\ng=4294967296\n"
        "h=2147483663\ni=0\nj=5\nk=x1\n");
    EXPECT_EQ(ini.read_int("n", "a", 0), static_cast<int>(0x8000000F));
    EXPECT_EQ(ini.read_int("n", "b", 0), 12);   // leading digits count
    EXPECT_EQ(ini.read_int("n", "c", 33), 33);  // a non-number reads as the default
    EXPECT_EQ(ini.read_int("n", "d", 33), 33);
    EXPECT_EQ(ini.read_int("n", "e", 33), 33);
    EXPECT_EQ(ini.read_int("n", "f", 33), -1);
    EXPECT_EQ(ini.read_int("n", "g", 33), 33);                            // beyond 32 bits
    EXPECT_EQ(ini.read_int("n", "h", 33), static_cast<int>(0x8000000F));  // unsigned spelling
    EXPECT_FALSE(ini.read_bool("n", "i", true));
    EXPECT_TRUE(ini.read_bool("n", "j", false));
    EXPECT_TRUE(ini.read_bool("n", "k", true));
    EXPECT_FALSE(ini.read_bool("n", "missing", false));
}

TEST(IniFile, WritingChangesOnlyItsOwnLine) {
    const std::string before =
        "; my settings\r\n[display]\r\nUnknown = keep  me \r\nChinese=0\r\n\r\n"
        "[pen]\r\npen_st=1\r\n";
    IniFile ini = IniFile::from_bytes(before);
    ini.write_bool("display", "chinese", false);  // same value: nothing changes
    EXPECT_FALSE(ini.modified());
    EXPECT_EQ(ini.to_bytes(), before);

    ini.write_bool("DISPLAY", "chinese", true);
    ini.write_int("display", "form_mode", 1);        // new key: end of its section
    ini.write_string("picture", "Gray_Pen1", "@#");  // new section: end of the file
    ini.write_string("picture", "gray_pen1", "ab");  // found again without case
    EXPECT_TRUE(ini.modified());
    EXPECT_EQ(ini.to_bytes(),
              "; my settings\r\n[display]\r\nUnknown = keep  me \r\nChinese=1\r\nform_mode=1\r\n"
              "\r\n[pen]\r\npen_st=1\r\n\r\n[picture]\r\nGray_Pen1=ab\r\n");
}

TEST(IniFile, ValuesSurviveAWriteAndARead) {
    IniFile ini;
    const std::string gbk_with_backslash_trail = "\x95\x5C\xB1\xED";  // trail byte 0x5C
    const std::vector<std::string> values = {
        " 1  2  3", "trailing ", "\t",    "\"quoted\"",
        "'single'", "",          "a=b;c", gbk_with_backslash_trail,
        "\"",       "x\"",
    };
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.write_string("pen", "k" + std::to_string(i), values[i]);
    const IniFile back = IniFile::from_bytes(ini.to_bytes());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.read_string("pen", "k" + std::to_string(i), "?"), values[i]) << i;
    EXPECT_NE(ini.to_bytes().find("k0=\" 1  2  3\"\r\n"), std::string::npos);

    // A line end cannot be stored: the value is cut there.
    ini.write_string("pen", "multi", "one\r\ntwo");
    EXPECT_EQ(IniFile::from_bytes(ini.to_bytes()).read_string("pen", "multi", ""), "one");
}

TEST(IniFile, GbkBytesCompareExactlyInNames) {
    // Trail bytes in the ASCII letter range must not be folded: 0x81 0x41 and 0x81 0x61 differ.
    EXPECT_FALSE(equal_ignoring_ascii_case("\x81\x41", "\x81\x61"));
    EXPECT_TRUE(equal_ignoring_ascii_case("Key\x81\x41", "kEY\x81\x41"));
    EXPECT_FALSE(equal_ignoring_ascii_case("key", "keys"));
}

}  // namespace
}  // namespace quillo::document
