#include "script/script.h"

#include <gtest/gtest.h>

#include <string>

#include "script/commands.h"

namespace quillo::script {
namespace {

Command one(std::string_view line) {
    std::string error;
    auto c = parse_line(line, 7, error);
    EXPECT_EQ(error, "") << line;
    return c ? *c : Command{};
}

std::string error_of(std::string_view line) {
    std::string error;
    EXPECT_FALSE(parse_line(line, 1, error).has_value()) << line;
    return error;
}

TEST(ScriptParse, LinesCommentsAndBlanks) {
    const auto parsed = parse_script(
        "\xEF\xBB\xBF# a comment\r\n"
        "\n"
        "   \t\n"
        "window 640  320\r\n"
        "  # indented comment\n"
        "click n_view");
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(parsed.commands.size(), 2u);
    EXPECT_EQ(parsed.commands[0].line, 4);
    EXPECT_EQ(parsed.commands[0].name, "window");
    ASSERT_EQ(parsed.commands[0].args.size(), 2u);
    EXPECT_EQ(parsed.commands[0].args[1].text, "320");  // CR of CR LF is no part of it
    EXPECT_EQ(parsed.commands[1].line, 6);
    EXPECT_EQ(parsed.commands[1].args[0].text, "n_view");
    EXPECT_FALSE(parsed.commands[1].args[0].quoted);

    // A "#" inside a line is an ordinary character.
    EXPECT_EQ(one("expect-text Label1 a#b").args[1].text, "a#b");

    // Commands stop at the first bad line, which is reported with its number.
    const auto bad = parse_script("wait 1\nexpect-line 1 \"open\nwait 2\n");
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->line, 2);
    EXPECT_EQ(bad.error->message, "missing closing quote");
    EXPECT_EQ(bad.commands.size(), 1u);
}

TEST(ScriptParse, QuotedArgumentsAndEscapes) {
    const auto c = one(R"(expect-line 1 "a \"b\" \\ c\r\n\t" "" x)");
    ASSERT_EQ(c.args.size(), 4u);
    EXPECT_EQ(c.line, 7);
    EXPECT_EQ(c.args[1].text, "a \"b\" \\ c\r\n\t");
    EXPECT_EQ(c.args[1].bytes, c.args[1].text);
    EXPECT_TRUE(c.args[1].quoted);
    EXPECT_EQ(c.args[2].text, "");  // an empty quoted argument still counts
    EXPECT_TRUE(c.args[2].quoted);
    EXPECT_EQ(c.args[3].text, "x");

    EXPECT_EQ(error_of(R"(type a "\q")"), "unknown escape \\q");
    EXPECT_EQ(error_of(R"(type a "\x4")"), "\\x needs two hex digits");
    EXPECT_EQ(error_of(R"(type a "\xG0")"), "\\x needs two hex digits");
    EXPECT_EQ(error_of(R"(type a "abc\)"), "missing closing quote");
    EXPECT_EQ(error_of(R"(type a "abc"def)"), "a quoted argument must be followed by a blank");
    EXPECT_EQ(error_of(R"(type a b"c")"), "a quote may only start an argument");
    EXPECT_EQ(error_of(R"("click" x)"), "a line must start with a command name");
}

TEST(ScriptParse, TextBecomesGbkAndRawBytesStayRaw) {
    // 中 is D6 D0 in GBK; ■ is A1 F6.
    const auto c = one("expect-line 1 \"中x■\"");
    EXPECT_EQ(c.args[1].text, "中x■");
    EXPECT_EQ(c.args[1].bytes, "\xD6\xD0x\xA1\xF6");

    // Raw bytes are never read as UTF-8, even when they would form a character: C3 A9 is é.
    const auto raw = one(R"(expect-line 1 "\xC3\xA9\x80\xFF\x00z")");
    EXPECT_EQ(raw.args[1].bytes, std::string("\xC3\xA9\x80\xFF\0z", 6));

    // A raw byte between characters does not disturb them.
    const auto mixed = one(R"(expect-line 1 "中\x81中")");
    EXPECT_EQ(mixed.args[1].bytes, "\xD6\xD0\x81\xD6\xD0");

    // Plain words are converted too.
    EXPECT_EQ(one("expect-text Label6 擦").args[1].bytes, "\xB2\xC1");
}

TEST(ScriptParse, Numbers) {
    EXPECT_EQ(parse_number("0"), 0);
    EXPECT_EQ(parse_number("-17"), -17);
    EXPECT_EQ(parse_number("+5"), 5);
    EXPECT_EQ(parse_number("2147483647"), 2147483647);
    EXPECT_EQ(parse_number("-2147483648"), -2147483648LL);
    EXPECT_EQ(parse_number("2147483648"), std::nullopt);
    EXPECT_EQ(parse_number("0x0000FF"), 255);
    EXPECT_EQ(parse_number("0XffFFff"), 0xFFFFFF);
    EXPECT_EQ(parse_number("0xFFFFFFFF"), 0xFFFFFFFFLL);
    EXPECT_EQ(parse_number("0x100000000"), std::nullopt);
    for (const char* bad : {"", "-", "+", "0x", "1.5", "12a", " 1", "--1", "0xG1", "99999999999"})
        EXPECT_EQ(parse_number(bad), std::nullopt) << bad;

    // System colours keep their Windows value.
    EXPECT_EQ(parse_int32("0x8000000F"), static_cast<std::int32_t>(0x8000000Fu));
    EXPECT_EQ(parse_int32("-16777201"), -16777201);

    EXPECT_EQ(parse_bool("true"), true);
    EXPECT_EQ(parse_bool("false"), false);
    EXPECT_EQ(parse_bool("1"), std::nullopt);
    EXPECT_EQ(parse_bool("True"), std::nullopt);
}

TEST(ScriptParse, QuotedBytesReadBackUnchanged) {
    EXPECT_EQ(quote_bytes("ab \"c\"\\"), R"("ab \"c\"\\")");
    EXPECT_EQ(quote_bytes("\xD6\xD0\r\n\t"), "\"中\\r\\n\\t\"");
    // A lead byte before a byte that makes no pair with it, 0x80, 0xFF, DEL, a lone lead byte
    // at the end; D6 61 does make a pair.
    const std::string odd(
        "\xD6 a\x80\xFF\x7F\xD6"
        "a\x81",
        9);
    EXPECT_EQ(quote_bytes(odd), R"("\xD6 a\x80\xFF\x7F謅\x81")");
    EXPECT_EQ(quote_bytes(std::string("\0", 1)), R"("\x00")");

    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const std::string& s : {all, std::string("\xD6\xD0\xD6"), odd}) {
        const auto c = one("expect-line 1 " + quote_bytes(s));
        ASSERT_EQ(c.args.size(), 2u);
        EXPECT_EQ(c.args[1].bytes, s);
    }
}

TEST(ScriptCommands, ArgumentsAreCheckedBeforeTheRun) {
    EXPECT_EQ(check_command(one("window 640 320")), "");
    EXPECT_EQ(check_command(one("answer-colour 0x00FF00")), "");
    EXPECT_EQ(check_command(one("expect-colour 1 2 1 0x0000FF 0 -16777201")), "");
    EXPECT_EQ(check_command(one("expect-checked n_view true")), "");
    EXPECT_EQ(check_command(one("answer cancel")), "");

    EXPECT_EQ(check_command(one("clik n_view")), "unknown command 'clik'");
    EXPECT_EQ(check_command(one("window 640")),
              "window takes 2 arguments, got 1 (usage: window W H)");
    EXPECT_EQ(check_command(one("expect-no-message x")),
              "expect-no-message takes 0 arguments, got 1 (usage: expect-no-message)");
    EXPECT_EQ(check_command(one("wait soon")),
              "argument 1 'soon' is not a number (usage: wait MS)");
    EXPECT_EQ(check_command(one("expect-enabled n_view yes")),
              "argument 2 'yes' is not true or false (usage: expect-enabled NAME true|false)");
    EXPECT_EQ(check_command(one("answer ok")),
              "argument 1 'ok' is not yes, no or cancel (usage: answer yes|no|cancel)");
    EXPECT_EQ(check_command(one("click \"\"")), "argument 1 needs a name (usage: click NAME)");
    EXPECT_EQ(check_command(one("drag Image1 1 2 3")),
              "drag takes 5 arguments, got 4 (usage: drag NAME X1 Y1 X2 Y2)");
    EXPECT_EQ(check_command(one("click-at option_form.Image1 1 x")),
              "argument 3 'x' is not a number (usage: click-at NAME X Y)");
    EXPECT_EQ(check_command(one("set ComboBox1 \"一 二\"")), "");
    EXPECT_EQ(check_command(one("expect-prompt \"a\" \"b\" \"\"")), "");

    // Every command of the table has a usage that starts with its own name.
    for (const auto& sig : command_signatures())
        EXPECT_EQ(std::string(sig.usage).rfind(sig.name, 0), 0u) << sig.name;

    EXPECT_TRUE(is_start_up_command("document"));
    EXPECT_TRUE(is_start_up_command("answer-file-cancel"));
    EXPECT_FALSE(is_start_up_command("window"));
}

}  // namespace
}  // namespace quillo::script
