// Settings through the main window: what one run chooses is what the next one starts with.

#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace fs = std::filesystem;

class SettingsWindowTest : public WindowTest {
  protected:
    std::string read_ini() const { return file_bytes(dir / "quillo.ini"); }
    void set_ini(const std::string& from, const std::string& to) {
        replace_in_file(dir / "quillo.ini", from, to);
    }
    void restart() {
        EXPECT_TRUE(form->close());
        form.reset();
        start();
    }
};

TEST_F(SettingsWindowTest, ChosenTextColourAndPenRowsSurviveARestart) {
    start();
    click("n_color");
    ui.queue_colour(0x123456);
    click("Lb_font_color");
    ASSERT_EQ(form->colours.chosen_text, 0x123456);
    // A pen row whose first slot is blank keeps its leading blanks.
    form->pen_single = "   a  b";
    form->pen_st = 3;
    restart();
    EXPECT_EQ(form->canvas_text_colour, 0x123456);
    EXPECT_EQ(form->pen_single, "   a  b");
    EXPECT_EQ(form->pen_st, 3);
    // Multicolour at exit does not make the next start multicolour.
    EXPECT_FALSE(form->multicolour());
    EXPECT_TRUE(ui.shown().size() == 1 &&
                ui.shown()[0].kind == platform::ScriptedUi::Shown::colour);
}

TEST_F(SettingsWindowTest, StartUpViewTwoIsTheTextView) {
    set_ini("decide_form_mode=1", "decide_form_mode=2");
    start();
    EXPECT_TRUE(form->normal_mode());
    EXPECT_EQ(form->status(1), "□");
}

TEST_F(SettingsWindowTest, ALostSettingsFileIsReportedAtExitAndNotCreated) {
    start();
    fs::remove(dir / "quillo.ini");
    EXPECT_TRUE(form->close());
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "\"quillo.ini\"文件丢失！导致系统设置不能保存！");
    EXPECT_FALSE(fs::exists(dir / "quillo.ini"));
}

TEST_F(SettingsWindowTest, SaveIniOffWritesNothing) {
    set_ini("save_ini=1", "save_ini=0");
    const std::string before = read_ini();
    start();
    click("n_color");
    ui.queue_colour(0x00FF00);
    click("Lb_font_color");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(read_ini(), before);
}

}  // namespace quillo::testing
