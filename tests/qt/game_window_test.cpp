#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "platform/random.h"
#include "window_fixture.h"

namespace quillo::testing {

namespace {

class GameWindowTest : public WindowTest {
  protected:
    // Starts a game whose steps the test makes itself.
    void start_game() {
        platform::app_random().seed(3);
        click("g1");
        ASSERT_TRUE(form->snake_running);
        form->Timer1->stop();
    }

    void key(QWidget* target, int k, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        settle();
    }

    bool enabled(const char* name) const { return form->commands.effectively_enabled(name); }

    // Steps until the game-over message is shown; returns the number of steps that moved.
    int step_to_end() {
        for (int moved = 0; moved < 500; ++moved) {
            form->Timer1Timer();
            if (!ui.shown().empty()) return moved;
        }
        ADD_FAILURE() << "the game did not end";
        return -1;
    }
};

TEST_F(GameWindowTest, KeysPauseResumeAndSteerUntilTheGameEnds) {
    start();
    start_game();
    // Pause and resume by the menu (the keys are in game_snake.qs).
    EXPECT_EQ(form->Timer1->interval(), 150);
    click("n_game_pauls");
    EXPECT_FALSE(form->Timer1->isActive());
    click("N9");
    EXPECT_TRUE(form->Timer1->isActive());
    form->Timer1->stop();
    form->FormActivate();  // coming back to the window keeps the tool bars away
    EXPECT_FALSE(form->ControlBar1->isVisible());

    // Straight up from the middle row to the top edge, with no food on the way.
    form->snake.has_food = false;
    const int start_row = form->snake.head().y;
    key(form->pen_txt, Qt::Key_Up);
    form->Timer1->stop();
    const int moved = step_to_end();
    EXPECT_EQ(moved, start_row - 1);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "你的得分是" + std::to_string(3 * moved) + ",看来很水皮耶。");
    EXPECT_EQ(ui.shown()[0].icon, platform::Icon::question);
    EXPECT_EQ(form->Edit4->text(), QString::number(3 * moved));
    EXPECT_EQ(form->Gau_far->value(), moved);
    EXPECT_EQ(form->gau_speed->value(), 4);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(enabled("N9"));

    // After the collision no key starts the snake again; Edit1 still steers and shows codes.
    key(form->pen_txt, Qt::Key_A, "a");
    EXPECT_FALSE(form->Timer1->isActive());
    key(form->Edit1, Qt::Key_Left);
    EXPECT_EQ(form->snake.direction, extras::kLeft);
    EXPECT_EQ(form->Edit1->text(), "37");
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(GameWindowTest, AResizeOrAModeSwitchDuringAGameStaysInsideTheLayers) {
    start(write_file("b.txt", "hello\r\nworld\r\n").string());
    start_game();
    for (int i = 0; i < 3; ++i) form->Timer1Timer();

    form->resize(420, 200);
    settle();
    form->Timer1->stop();
    const int h = form->canvas.height;
    ASSERT_GE(h, 1);
    // The board is blank again but for the snake and its food: no document text on it.
    for (int r = 1; r <= h; ++r) EXPECT_EQ(row(2, r).find("hello"), std::string::npos) << r;
    EXPECT_LE(form->snake.food_y, h);
    EXPECT_EQ(row(1, 1).substr(0, 5), "hello");
    for (int i = 0; i < 3 && ui.shown().empty(); ++i) form->Timer1Timer();

    form->resize(1200, 900);
    settle();
    form->Timer1->stop();
    for (int i = 0; i < 3 && ui.shown().empty(); ++i) form->Timer1Timer();

    // The mode switch (its tool button is out of sight, not out of reach) ends the game first.
    ASSERT_TRUE(form->commands.click("ToolButton9"));
    settle();
    EXPECT_FALSE(form->snake_running);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->normal_mode());
    EXPECT_EQ(form->document_for_reading().lines, (std::vector<std::string>{"hello", "world"}));
}

}  // namespace
}  // namespace quillo::testing
