// The options dialog's rules without a window: buttons for settings, the snake body and what
// OK takes back.
#include <gtest/gtest.h>

#include "document/option_rules.h"

namespace quillo::document {
namespace {

TEST(OptionRulesTest, DifficultyAndStartViewButtons) {
    EXPECT_EQ(difficulty_button(200), 2);  // the default
    EXPECT_EQ(difficulty_button(40000), 4);
    EXPECT_EQ(difficulty_button(100), 1);
    EXPECT_EQ(difficulty_button(300), 3);
    EXPECT_EQ(difficulty_button(150), 2);  // 1.5 rounds to even
    EXPECT_EQ(difficulty_button(250), 2);
    EXPECT_EQ(difficulty_button(349), 3);
    EXPECT_EQ(difficulty_button(350), 4);
    EXPECT_EQ(difficulty_button(49), 4);  // rounds to 0
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(difficulty_button(level_up_distance(b)), b);
    EXPECT_EQ(level_up_distance(4), 40000);

    EXPECT_EQ(start_view_button(1), 1);
    EXPECT_EQ(start_view_button(3), 3);
    EXPECT_EQ(start_view_button(2), 2);
    EXPECT_EQ(start_view_button(7), 2);  // starts in the text view, as 2 does
}

TEST(OptionRulesTest, SnakeBodies) {
    // One letter: 254 times the letter and a space.
    const std::string one = snake_body_from_pen("A");
    ASSERT_EQ(one.size(), 508u);
    for (std::size_t i = 0; i < one.size(); i += 2) ASSERT_EQ(one.substr(i, 2), "A ");
    EXPECT_EQ(snake_body_from_pen("\xB0\xA1xyz").substr(0, 4), "\xB0\xA1\xB0\xA1");
    EXPECT_EQ(snake_body_from_pen("").substr(0, 4), "\xA1\xF1\xA1\xF1");  // "●"

    // Typed lines joined and repeated past 254 bytes; whole repetitions only.
    const std::string typed = snake_body_from_lines({"ab", "c"});
    EXPECT_EQ(typed.size(), 255u);
    EXPECT_EQ(typed.substr(0, 6), "abcabc");
    EXPECT_EQ(snake_body_from_lines({std::string(254, 'x')}).size(), 508u);
    EXPECT_EQ(snake_body_from_lines({std::string(255, 'x')}).size(), 255u);
    // Nothing typed: "●", so that the repetition ends.
    const std::string dots = snake_body_from_lines({""});
    EXPECT_EQ(dots.size(), 256u);
    EXPECT_EQ(dots.substr(254), "\xA1\xF1");
    EXPECT_EQ(snake_body_from_lines({}), dots);
}

// The values OK copies into the settings are checked where they land, in the settings file
// (options_window_test.cpp); here, which choice of body is kept.
TEST(OptionRulesTest, OkTakesTheBodyChosen) {
    Settings s;
    s.snake_body = "kept";
    OptionChoices c;
    c.body = BodyChoice::keep;
    apply_option_choices(s, c);
    EXPECT_EQ(s.snake_body, "kept");
    EXPECT_TRUE(s.body_mood);
    c.body = BodyChoice::pen;
    c.pen = "Q";
    apply_option_choices(s, c);
    EXPECT_EQ(s.snake_body.substr(0, 4), "Q Q ");
    EXPECT_FALSE(s.body_mood);
    c.body = BodyChoice::typed;
    c.typed_lines = {"\xC9\xDF"};  // "蛇"
    apply_option_choices(s, c);
    EXPECT_EQ(s.snake_body.size(), 256u);
}

}  // namespace
}  // namespace quillo::document
