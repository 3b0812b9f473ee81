// The options dialog through the main window: the page it opens on, what it shows, what OK
// applies and Cancel keeps, the settings file written at exit, and failures it reports.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <map>

#include "document/qt/option_form.h"
#include "extras/snake_rules.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

using document::Toption_form;
namespace fs = std::filesystem;

class OptionsWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Registration and shortcuts go to the user's folders: this test's own.
        const std::pair<const char*, fs::path> folders[] = {
            {"HOME", dir / "home"},
            {"XDG_CONFIG_HOME", dir / "home" / ".config"},
            {"XDG_DATA_HOME", dir / "home" / ".local" / "share"}};
        for (const auto& [variable, folder] : folders) {
            const char* old = std::getenv(variable);
            saved_env_[variable] = old ? std::optional<std::string>(old) : std::nullopt;
            ::setenv(variable, folder.c_str(), 1);
        }
    }
    void TearDown() override {
        WindowTest::TearDown();
        for (const auto& [variable, value] : saved_env_) {
            if (value)
                ::setenv(variable.c_str(), value->c_str(), 1);
            else
                ::unsetenv(variable.c_str());
        }
    }

    // Opens the dialog with a command and runs `act` inside it; a dialog `act` left open is
    // cancelled, so that a failed check cannot hang the test.
    void in_dialog(const char* command, const std::function<void(Toption_form&)>& act) {
        auto done = when_modal([act](QWidget* w) {
            auto* dialog = static_cast<Toption_form*>(w);
            act(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        click(command);
        EXPECT_TRUE(*done) << command << " showed no modal window";
    }

    static void click_label(QLabel* label) {
        send_mouse(label, QEvent::MouseButtonPress, label->rect().center());
        send_mouse(label, QEvent::MouseButtonRelease, label->rect().center());
    }

    std::string ini_value(const std::string& key) const {
        const std::string ini = "\n" + file_bytes(dir / "quillo.ini");
        const auto at = ini.find("\n" + key + "=");
        if (at == std::string::npos) return "(missing)";
        const auto start = at + key.size() + 2;
        return ini.substr(start, ini.find_first_of("\r\n", start) - start);
    }

    void set_ini(const std::string& from, const std::string& to) {
        replace_in_file(dir / "quillo.ini", from, to);
    }

    std::map<std::string, std::optional<std::string>> saved_env_;
};

TEST_F(OptionsWindowTest, ShowsTheSettingsReadAtStart) {
    set_ini("difficult=200", "difficult=40000");
    set_ini("body_mood=0", "body_mood=1");
    set_ini("decide_form_mode=1", "decide_form_mode=3");
    start();
    // The page each command opens on: options_dialog.qs.
    in_dialog("n_option", [](Toption_form& d) {
        EXPECT_TRUE(d.diff4->isChecked());
        EXPECT_TRUE(d.RadioB_old_body->isChecked());
        EXPECT_FALSE(d.Memo1->isEnabled());
        EXPECT_TRUE(d.Radio_last_window->isChecked());
        EXPECT_TRUE(d.C_Box_save_option->isChecked());
        EXPECT_TRUE(d.cb_htm_show->isChecked());
        EXPECT_EQ(d.outwork_edit->text(), "quillo.exe");
        EXPECT_EQ(d.long_bar->value(), 2);
        EXPECT_TRUE(d.long_bar->isEnabled());
        EXPECT_FALSE(d.o_sb_set_txt_4->isEnabled());
        d.Button2->click();
    });
}

TEST_F(OptionsWindowTest, CancelKeepsOkAppliesAndExitWritesTheSettings) {
    start();
    // Cancel drops a colour, a slider and a level, and a cancelled colour dialog changes
    // nothing (options_dialog.qs); but the backup box acts at once.
    in_dialog("n_option", [](Toption_form& d) {
        d.C_Box_bak->click();
        d.Button2->click();
    });
    EXPECT_TRUE(form->settings.bake_up);

    form->pen_txt->setText("A");
    in_dialog("n_option", [this](Toption_form& d) {
        EXPECT_TRUE(d.C_Box_bak->isChecked());
        for (auto [label, colour] : {std::pair{d.Label16, 0x0000FF},
                                     {d.Label17, 0x00FF00},
                                     {d.Label21, 0x112233},
                                     {d.Label22, 0x445566}}) {
            ui.queue_colour(colour);
            click_label(label);
        }
        d.long_bar->setValue(12);
        d.TrackBar_speed_1->setValue(4);
        d.diff3->setChecked(true);
        d.Radio_body->click();
        d.Radio_text->setChecked(true);
        d.C_Box_ascii->setChecked(true);
        d.CBox_color_start->click();
        d.outwork_edit->setText("/usr/bin/firefox");
        d.Button1->click();
    });
    EXPECT_EQ(form->canvas_text_colour, 0x0000FF);
    EXPECT_EQ(form->canvas_back_colour, 0x00FF00);
    EXPECT_EQ(form->source_memo->palette().color(QPalette::Text), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(form->source_memo->palette().color(QPalette::Base), QColor(0x66, 0x55, 0x44));
    EXPECT_EQ(form->snake_start_length, 12);
    EXPECT_EQ(form->Gau_long->value(), 12);
    EXPECT_EQ(form->Timer1->interval(), extras::options_interval_ms(form->snake.level));
    EXPECT_EQ(form->settings.snake_body.substr(0, 4), "A A ");
    EXPECT_EQ(form->settings.snake_body.size(), 508u);
    // The canvas shows the new background at once (an empty first cell).
    EXPECT_EQ(form->image.pixel(1, 1), 0x00FF00u);

    EXPECT_TRUE(form->close());
    EXPECT_EQ(ini_value("decide_form_mode"), "2");
    EXPECT_EQ(ini_value("color_mode"), "1");
    EXPECT_EQ(ini_value("draw_font_color"), "255");
    EXPECT_EQ(ini_value("draw_back_color"), "65280");
    EXPECT_EQ(ini_value("txt_font_color"), std::to_string(0x112233));
    EXPECT_EQ(ini_value("txt_back_color"), std::to_string(0x445566));
    EXPECT_EQ(ini_value("bake_up"), "1");
    EXPECT_EQ(ini_value("ascii_check"), "1");
    EXPECT_EQ(ini_value("snake_speed"), "4");
    EXPECT_EQ(ini_value("difficult"), "300");
    EXPECT_EQ(ini_value("body_mood"), "0");
    EXPECT_EQ(ini_value("other_editer"), "/usr/bin/firefox");

    // The next start takes them up: the text view, and the text window's colours.
    start();
    EXPECT_TRUE(form->normal_mode());
    EXPECT_EQ(form->source_memo->palette().color(QPalette::Base), QColor(0x66, 0x55, 0x44));
    EXPECT_TRUE(form->multicolour());
}

TEST_F(OptionsWindowTest, ARunningGameKeepsItsLengthAndAnEmptyTypedBodyEnds) {
    start();
    click("g1");
    ASSERT_TRUE(form->snake_running);
    form->Timer1->stop();
    const int gauge = form->Gau_long->value();
    in_dialog("n_game_option", [](Toption_form& d) {
        EXPECT_FALSE(d.long_bar->isEnabled());
        d.RadioButton2->click();
        EXPECT_TRUE(d.Memo1->isEnabled());
        d.Memo1->setPlainText("");
        d.TrackBar_speed_1->setValue(0);
        d.Button1->click();
    });
    EXPECT_EQ(form->Gau_long->value(), gauge);
    EXPECT_EQ(form->snake_start_length, 2);
    EXPECT_EQ(form->settings.snake_body.substr(0, 2), "\xA1\xF1");  // "●"
    EXPECT_EQ(form->settings.snake_speed, 0);
    EXPECT_FALSE(form->Timer1->isActive());  // OK sets the interval, it does not resume
}

TEST_F(OptionsWindowTest, RegistrationThatCannotBeWrittenIsReported) {
    // A file where the config folder should be. (No desktop folder, no shortcut:
    // options_dialog.qs.)
    write_file("blocked", "mine");
    ::setenv("XDG_CONFIG_HOME", (dir / "blocked").c_str(), 1);
    start();
    ui.take_shown();
    in_dialog("n_option", [this](Toption_form& d) {
        d.PageControl1->setCurrentWidget(d.TabSheet3);
        d.o_sb_set_txt_2->click();
        EXPECT_FALSE(d.o_sb_set_txt_2->isEnabled());
        EXPECT_TRUE(d.o_sb_set_txt_0->isEnabled());
        d.Button2->click();
    });
    const auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "信息注入注册表失败！");
    EXPECT_EQ(file_bytes(dir / "blocked"), "mine");
}

}  // namespace
}  // namespace quillo::testing
