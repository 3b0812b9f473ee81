#include "extras/snake.h"

#include <gtest/gtest.h>

#include <string>

#include "extras/snake_body.h"
#include "extras/snake_rules.h"

namespace quillo::extras {
namespace {

constexpr int kEdge = 127;

class SnakeTest : public ::testing::Test {
  protected:
    // A canvas of h rows and w bytes whose committed layer holds a drawing.
    void board(int h, int w) {
        c.height = h;
        c.width = w;
        for (int r = 1; r <= h; ++r) {
            c.layers.row(canvas::kCommitted, r) = std::string(static_cast<std::size_t>(w), '#');
            c.layers.row(canvas::kWorking, r) = c.layers.row(canvas::kCommitted, r);
        }
    }

    void start(int length = 2, int level = 2, int distance = 200, std::string body = "0123456789") {
        settings = {length, level, distance, std::move(body)};
        start_snake(s, c, settings, pen, rng);
    }

    // Steps until `steps` have moved; the game must not end on the way.
    void run(int steps, int edge = kEdge) {
        for (int i = 0; i < steps; ++i)
            ASSERT_EQ(step_snake(s, c, edge, pen, rng), StepResult::moved) << "step " << i + 1;
    }

    // Steps until the game ends; returns the number of steps that moved.
    int run_to_end(int edge = kEdge) {
        for (int i = 0; i < 10000; ++i)
            if (step_snake(s, c, edge, pen, rng) == StepResult::collided) return i;
        ADD_FAILURE() << "the game did not end";
        return -1;
    }

    void no_food() { s.has_food = false; }

    std::string cell(int x, int y) const {
        return c.layers.row(canvas::kWorking, y).substr(static_cast<std::size_t>(2 * x - 2), 2);
    }

    bool food_on_snake() const {
        for (int i = 1; i <= s.length; ++i)
            if (s.segments[i].x == s.food_x && s.segments[i].y == s.food_y) return true;
        return false;
    }

    canvas::CanvasState c;
    SnakeState s;
    SnakeSettings settings;
    std::string pen = "@@";
    platform::Random rng{12345};
};

TEST_F(SnakeTest, StartBlanksTheWorkingLayerAndLaysTheSnakeLeftOfTheBoard) {
    board(20, 40);
    start(4, 3);
    for (int r = 1; r <= 20; ++r) {
        std::string expect(80, ' ');
        if (r == s.food_y) expect.replace(2 * s.food_x - 2, 2, "@@");
        EXPECT_EQ(c.layers.row(canvas::kWorking, r), expect) << r;
        EXPECT_EQ(c.layers.row(canvas::kCommitted, r), std::string(40, '#'));
    }
    EXPECT_EQ(s.length, 4);
    const int xs[] = {0, -2, -1, 0, 1};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(s.segments[i].x, xs[i]);
        EXPECT_EQ(s.segments[i].y, 10);
        EXPECT_EQ(s.segments[i].text_index, 4 - i + 1);
    }
    EXPECT_EQ(s.interval_ms, 220);  // level 3
    EXPECT_EQ(s.speed_gauge, 3);
    EXPECT_EQ(s.length_gauge, 4);
    EXPECT_EQ(s.direction, kRight);
    EXPECT_FALSE(food_on_snake());
    EXPECT_TRUE(s.has_food);

    // Bad values from a hand-edited settings file are brought into range.
    start(0, 9, 0);
    EXPECT_EQ(s.length, 2);
    EXPECT_EQ(s.level, 6);
    EXPECT_EQ(s.level_up_distance, 200);
    start(99, -3);
    EXPECT_EQ(s.length, 30);
    EXPECT_EQ(s.interval_ms, 10);  // level 0
}

TEST_F(SnakeTest, EatingGrowsTheSnakeOneStepLater) {
    board(20, 40);
    start(2);
    s.food_x = 3;
    s.food_y = 10;
    run(1);
    EXPECT_EQ(cell(2, 10), "01");  // the default length shows the head alone
    EXPECT_EQ(cell(1, 10), "  ");
    run(1);  // onto the food
    EXPECT_TRUE(s.ate);
    EXPECT_EQ(s.score, 3 + 3 + 150);
    EXPECT_EQ(s.length_gauge, 3);
    EXPECT_FALSE(food_on_snake());
    EXPECT_EQ(cell(s.food_x, s.food_y), "@@");
    EXPECT_EQ(cell(3, 10), "01");
    EXPECT_EQ(cell(2, 10), "  ");
    run(1);  // now two cells show
    EXPECT_FALSE(s.ate);
    EXPECT_EQ(s.length, 3);
    EXPECT_EQ(cell(4, 10), "01");
    EXPECT_EQ(cell(3, 10), "23");
    EXPECT_EQ(cell(2, 10), "  ");
}

TEST_F(SnakeTest, FoodNeverLandsOnTheSnakeAndAFullBoardGetsNone) {
    // Rows 1..2 of 4 bytes: cells 1..2. The snake holds three of the four cells.
    board(2, 4);
    s.length = 3;
    s.segments[1] = {1, 1, 3};
    s.segments[2] = {2, 1, 2};
    s.segments[3] = {1, 2, 1};
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        rng.seed(seed);
        ASSERT_TRUE(place_food(s, c, pen, rng));
        EXPECT_EQ(s.food_x, 2);
        EXPECT_EQ(s.food_y, 2);
    }
    s.length = 4;
    s.segments[4] = {2, 2, 1};
    EXPECT_FALSE(place_food(s, c, pen, rng));
    EXPECT_FALSE(s.has_food);
}

TEST_F(SnakeTest, LeavingEachEdgeEndsTheGameAndLeavesTheBoardAsItWas) {
    struct Case {
        int key;
        int moved;
    };
    // Head starts on cell 1 of row 10 of 20 rows; the board's edge is cell 5.
    for (const Case& k :
         {Case{kKeyRight, 4}, Case{kKeyUp, 9}, Case{kKeyDown, 10}, Case{kKeyLeft, 0}}) {
        board(20, 40);
        start(2);
        no_food();
        snake_key(s, k.key);
        int moved = 0;
        for (;; ++moved) {
            std::string before[21];
            for (int r = 1; r <= 20; ++r) before[r] = c.layers.row(canvas::kWorking, r);
            if (step_snake(s, c, 5, pen, rng) == StepResult::collided) {
                for (int r = 1; r <= 20; ++r)
                    EXPECT_EQ(c.layers.row(canvas::kWorking, r), before[r]);
                break;
            }
            ASSERT_LT(moved, 50);
        }
        EXPECT_EQ(moved, k.moved) << k.key;
        EXPECT_TRUE(s.collided);
        EXPECT_EQ(s.score, 3 * k.moved);
    }

    // One row: the head starts on row 0 and the first step ends the game.
    board(1, 40);
    start(2);
    EXPECT_EQ(run_to_end(), 0);
}

TEST_F(SnakeTest, RunningIntoItselfEndsTheGame) {
    board(20, 40);
    start(6);
    no_food();
    run(4);  // head on cell 5
    snake_key(s, kKeyDown);
    run(1);
    snake_key(s, kKeyLeft);
    run(1);
    snake_key(s, kKeyUp);  // back onto the body
    EXPECT_EQ(step_snake(s, c, kEdge, pen, rng), StepResult::collided);

    // Turning back into the neck collides too.
    start(3);
    no_food();
    run(1);
    snake_key(s, kKeyLeft);
    EXPECT_EQ(step_snake(s, c, kEdge, pen, rng), StepResult::collided);
}

TEST_F(SnakeTest, SpeedUpsLowerTheLevelThenShortenTheInterval) {
    board(40, 255);
    start(2, 2, 100);
    no_food();
    run(99);
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.distance_gauge, 99);
    run(1);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.interval_ms, 59);
    EXPECT_EQ(s.speed_gauge, 5);
    EXPECT_EQ(s.distance_gauge, 0);
    EXPECT_EQ(s.score, 100 * 4 + 250);

    // At level 1 the interval shrinks by 3 per cent and the gauge still rises.
    board(40, 255);
    start(2, 1, 100);
    no_food();
    run(100);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.interval_ms, 78);  // 80 * 0.97 = 77.6
    EXPECT_EQ(s.speed_gauge, 6);

    // Level 0 starts at 10 ms and stays there.
    board(40, 255);
    start(2, 0, 100);
    no_food();
    run(100);
    EXPECT_EQ(s.interval_ms, 10);
    EXPECT_EQ(s.speed_gauge, 7);

    // "较快": 3 points a step and 250 more at step 200.
    board(40, 255);
    start(2, 2, 200);
    no_food();
    run(120);
    snake_key(s, kKeyDown);
    run(19);
    snake_key(s, kKeyLeft);
    run(60);
    EXPECT_EQ(s.score, 199 * 3);
    run(1);
    EXPECT_EQ(s.score, 200 * 3 + 250);
    EXPECT_EQ(s.level, 1);
}

TEST_F(SnakeTest, TheSegmentTableNeverOverflows) {
    board(80, 255);
    start(30);
    // Food always waits on the next cell; the snake winds down the board in rows.
    for (int step = 0; step < 400; ++step) {
        const auto& head = s.head();
        if (s.direction == kRight && head.x == 120)
            s.direction = kDown;
        else if (s.direction == kLeft && head.x == 2)
            s.direction = kDown;
        else if (s.direction == kDown)
            s.direction = head.x >= 120 ? kLeft : kRight;
        int x = head.x;
        int y = head.y;
        if (s.direction == kRight)
            ++x;
        else if (s.direction == kLeft)
            --x;
        else
            ++y;
        s.has_food = true;
        s.food_x = x;
        s.food_y = y;
        ASSERT_EQ(step_snake(s, c, kEdge, pen, rng), StepResult::moved) << step;
        ASSERT_LE(s.length, kSnakeMaxSegments);
    }
    EXPECT_EQ(s.length, kSnakeMaxSegments);
    EXPECT_LE(s.length_gauge, kSnakeMaxSegments);
    // The snake still moves: its tail follows.
    const SnakeSegment tail = s.segments[1];
    no_food();
    run(1);
    EXPECT_NE(s.segments[1].x * 100 + s.segments[1].y, tail.x * 100 + tail.y);
}

TEST_F(SnakeTest, NarrowBoardsAndShortRowsStayInsideTheRows) {
    // A board narrower than the snake: the long snake starts off the board and the first step
    // leaves it.
    board(10, 2);
    start(30);
    EXPECT_EQ(run_to_end(1), 0);
    EXPECT_EQ(c.layers.row(canvas::kWorking, 5).size(), 4u);

    // Rows shorter than the board: cells past the row's end are not written.
    board(10, 3);
    start(5);
    no_food();
    run(8, 10);
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(c.layers.row(canvas::kWorking, r).size(), 6u);
    EXPECT_EQ(c.layers.row(canvas::kWorking, 5), "      ");
}

TEST_F(SnakeTest, ARedrawAfterTheCanvasShrankKeepsSnakeAndFoodOnTheRows) {
    board(20, 40);
    start(4);
    no_food();
    run(3);
    s.has_food = true;
    s.food_x = 10;
    s.food_y = 18;
    c.height = 12;
    c.layers.row(canvas::kWorking, 3) = "document text";
    redraw_snake_board(s, c, pen, rng);
    EXPECT_LE(s.food_y, 12);
    EXPECT_FALSE(food_on_snake());
    EXPECT_EQ(c.layers.row(canvas::kWorking, 3).find("document"), std::string::npos);
    EXPECT_EQ(cell(4, 10), "01");
    EXPECT_EQ(cell(3, 10), "23");
    EXPECT_EQ(cell(s.food_x, s.food_y), "@@");
}

TEST_F(SnakeTest, KeysSteerPauseAndResume) {
    board(20, 40);
    start(2);
    EXPECT_EQ(snake_key(s, kKeyPause), KeyEffect::pause);
    EXPECT_EQ(snake_key(s, 'A'), KeyEffect::resume);
    EXPECT_EQ(snake_key(s, kKeyUp), KeyEffect::resume);
    EXPECT_EQ(snake_key(s, kKeyLeft), KeyEffect::resume);
    EXPECT_EQ(s.direction, kLeft);  // the last key before a step counts
    EXPECT_EQ(step_snake(s, c, kEdge, pen, rng), StepResult::collided);
    // After a collision no key runs the game again; Pause still stops it.
    EXPECT_EQ(snake_key(s, 'A'), KeyEffect::none);
    EXPECT_EQ(snake_key(s, kKeyRight), KeyEffect::none);
    EXPECT_EQ(snake_key(s, kKeyPause), KeyEffect::pause);
}

TEST(SnakeBody, ShortTextsRepeatEmptyOnesTakeThePen) {
    std::string abs;
    for (int i = 0; i < 101; ++i) abs += "AB";
    EXPECT_EQ(snake_body_for_game("AB", "@"), abs);  // 202 bytes: every piece shows AB
    EXPECT_EQ(snake_body_for_game("Z", "@"), std::string(201, 'Z'));
    EXPECT_EQ(snake_body_for_game("ABC", "@").size(), 201u);
    const std::string long_text(200, 'q');
    EXPECT_EQ(snake_body_for_game(long_text, "@"), long_text);
    std::string dots;
    for (int i = 0; i < 250; ++i) dots += kSnakeDot;
    EXPECT_EQ(snake_body_for_game("", ""), dots);
    EXPECT_EQ(snake_body_for_game("", "x"), std::string(500, 'x'));
    EXPECT_EQ(snake_body_for_game("", "\xB0\xA1z"), [] {
        std::string s;
        for (int i = 0; i < 250; ++i) s += "\xB0\xA1";
        return s;
    }());

    // The default text: no piece holds half of a full-width character, wherever it falls.
    const std::string greeting =
        snake_body_for_game("\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3QUILLO \xCC\xB0\xB3\xD4\xC9\xDF", "@");
    for (int k = 1; k <= static_cast<int>(greeting.size()) / 2; ++k) {
        const auto piece = body_piece(greeting, k);
        const bool lead = static_cast<unsigned char>(piece[0]) >= 128;
        const bool trail = static_cast<unsigned char>(piece[1]) >= 128;
        EXPECT_EQ(lead, trail) << "piece " << k;
    }
    EXPECT_EQ(std::string(body_piece(greeting, 7).data(), 2), "LO");
    EXPECT_EQ(std::string(body_piece(greeting, 8).data(), 2), "  ");
    EXPECT_EQ(std::string(body_piece(greeting, 9).data(), 2), "\xCC\xB0");

    // Pieces past the end repeat the text from its start.
    std::string odd(201, 'a');
    odd[200] = 'z';
    const auto last = body_piece(odd, 101);
    EXPECT_EQ(last[0], 'z');
    EXPECT_EQ(last[1], 'a');
    EXPECT_EQ(body_piece("", 3)[0], ' ');

    EXPECT_EQ(pen_cell_unit(""), kSnakeDot);
    EXPECT_EQ(pen_cell_unit("k"), "k ");
    EXPECT_EQ(pen_cell_unit("\xB0\xA1\xB0\xA2"), "\xB0\xA1");
}

TEST(SnakeRules, IntervalsPointsEdgeAndMessages) {
    EXPECT_EQ(start_interval_ms(3), 220);
    EXPECT_EQ(start_interval_ms(0), 10);
    EXPECT_EQ(options_interval_ms(2), 98);
    EXPECT_EQ(step_points(100), 4);
    EXPECT_EQ(step_points(200), 3);  // 1.5 rounds to 2
    EXPECT_EQ(step_points(300), 2);
    EXPECT_EQ(step_points(40000), 1);
    EXPECT_EQ(board_right_edge(640), 40);
    EXPECT_EQ(board_right_edge(648), 40);  // 40.5 rounds to 40
    EXPECT_EQ(board_right_edge(664), 42);  // 41.5 rounds to 42
    EXPECT_EQ(board_right_edge(8000), 127);
    EXPECT_EQ(game_over_message(9999), "你的得分是9999,看来很水皮耶。");
    EXPECT_EQ(game_over_message(10000), "10000分，成绩不错，继续努力！");
    EXPECT_EQ(game_over_message(19999), "19999分，成绩不错，继续努力！");
    EXPECT_EQ(game_over_message(20000), "好厉害呀，你拿了20000分！");
}

}  // namespace
}  // namespace quillo::extras
