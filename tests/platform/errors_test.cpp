#include "platform/errors.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/command_runner.h"
#include "platform/scripted_ui.h"

namespace quillo::platform {
namespace {

std::string int_error(std::string_view text) {
    try {
        str_to_int(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

std::string float_error(std::string_view text) {
    try {
        str_to_float(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

TEST(StrToInt, AcceptsTheClassicForms) {
    EXPECT_EQ(str_to_int("12"), 12);
    EXPECT_EQ(str_to_int(" 12"), 12);
    EXPECT_EQ(str_to_int("   -7"), -7);
    EXPECT_EQ(str_to_int("+5"), 5);
    EXPECT_EQ(str_to_int("007"), 7);
    EXPECT_EQ(str_to_int("2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(str_to_int("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(str_to_int("$FF"), 255);
    EXPECT_EQ(str_to_int("$ff"), 255);
    EXPECT_EQ(str_to_int("0x10"), 16);
    EXPECT_EQ(str_to_int("-$10"), -16);
    // All 32 bits in hexadecimal: system colours are written this way.
    EXPECT_EQ(str_to_int("$8000000F"), static_cast<int>(0x8000000Fu));
    EXPECT_EQ(str_to_int("$FFFFFFFF"), -1);
}

TEST(StrToInt, RefusesWithTheClassicMessage) {
    EXPECT_EQ(int_error("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(int_error(""), "'' is not a valid integer value");
    EXPECT_EQ(int_error("12 "), "'12 ' is not a valid integer value");
    EXPECT_EQ(int_error("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(int_error("-2147483649"), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(int_error("99999999999999999999"),
              "'99999999999999999999' is not a valid integer value");
    EXPECT_EQ(int_error("$100000000"), "'$100000000' is not a valid integer value");
    for (const char* bad : {" ", "-", "+", "$", "0x", "1.5", "1e3", "12a", "- 1", "$G"}) {
        EXPECT_NE(int_error(bad), "no error") << bad;
    }
    // The text is quoted as given, whatever bytes it holds.
    EXPECT_EQ(int_error("\xd6\xd0"), "'\xd6\xd0' is not a valid integer value");
    EXPECT_EQ(int_error("宽"), "'宽' is not a valid integer value");
}

TEST(StrToFloat, ReadsAndRefuses) {
    EXPECT_DOUBLE_EQ(str_to_float("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(str_to_float("  -0.25  "), -0.25);
    EXPECT_DOUBLE_EQ(str_to_float("3"), 3.0);
    EXPECT_DOUBLE_EQ(str_to_float(".5"), 0.5);
    EXPECT_DOUBLE_EQ(str_to_float("2."), 2.0);
    EXPECT_DOUBLE_EQ(str_to_float("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(str_to_float("+1.25E-2"), 0.0125);
    EXPECT_EQ(str_to_float("1e-400"), 0.0);  // too small reads as zero, not as an error

    EXPECT_EQ(float_error("abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(float_error("1,5"), "'1,5' is not a valid floating point value");
    for (const char* bad :
         {"", " ", ".", "-", "1e", "1e+", "inf", "nan", "0x1p3", "1.2.3", "1e400"}) {
        EXPECT_NE(float_error(bad), "no error") << bad;
    }
}

TEST(RunGuarded, ShowsPlatformErrorsAndLetsOthersThrough) {
    ScriptedUi ui;
    int ran = 0;
    EXPECT_TRUE(run_guarded(ui, [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(ui.shown().empty());

    EXPECT_FALSE(run_guarded(ui, [&] {
        str_to_int("abc");
        ++ran;  // never reached: the error ends the command
    }));
    EXPECT_EQ(ran, 1);
    auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ScriptedUi::Shown::message);
    EXPECT_EQ(shown[0].text, "'abc' is not a valid integer value");
    EXPECT_EQ(shown[0].caption, "Quillo 4.8");
    EXPECT_EQ(shown[0].icon, Icon::error);

    EXPECT_FALSE(run_guarded(ui, [] { throw FileError("cannot open"); }));
    EXPECT_EQ(ui.take_shown().at(0).text, "cannot open");

    // A script that forgot an answer must fail the test, not become a message box.
    EXPECT_THROW(run_guarded(ui, [&] { ui.confirm("Save?"); }), UnexpectedDialog);
    EXPECT_THROW(run_guarded(ui, [] { throw std::out_of_range("bug"); }), std::out_of_range);
}

}  // namespace
}  // namespace quillo::platform
