#pragma once
// The options dialog Toption_form: colours, saving, start-up and game settings, taken back by
// OK; Cancel keeps the settings as they were, except what the immediate controls (three check
// boxes, the registration buttons, the shortcut boxes) did on their own click. Created once
// after the main window has read the settings, shown modally by TForm1::Change1Click (F4) and
// TForm1::N7Click (the game page).
#include <QDialog>

#include "platform/colours.h"
#include "platform/desktop_integration.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;

namespace quillo::canvas {
class TForm1;
}

namespace quillo::document {

class Toption_form : public QDialog {
    Q_OBJECT
  public:
    explicit Toption_form(canvas::TForm1& main);

    // 0: open on the first page, 1: on the game page.
    int page_flag = 0;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;    // "颜色 Color"
    QWidget* TabSheet2 = nullptr;    // "保存 Save"
    QWidget* TabSheet3 = nullptr;    // "启动 Start"
    QWidget* TabSheet4 = nullptr;    // "游戏 Game"
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // Cancel

    // Colour page: clicking a colour label chooses that colour; the samples show the pairs.
    QLabel* Label16 = nullptr;  // canvas text colour
    QLabel* Label17 = nullptr;  // canvas background colour
    QLabel* Label7 = nullptr;   // sample of the canvas colours
    QLabel* Label21 = nullptr;  // source_memo's font colour
    QLabel* Label22 = nullptr;  // source_memo's colour
    QLabel* Label18 = nullptr;  // sample of the text window's colours

    // Save page.
    QCheckBox* C_Box_blank = nullptr;
    QCheckBox* C_Box_bak = nullptr;
    QCheckBox* C_Box_save_option = nullptr;
    QCheckBox* cb_htm_show = nullptr;  // read by the HTML export when it runs
    QLineEdit* outwork_edit = nullptr;
    QPushButton* Button3 = nullptr;  // "浏览"
    QCheckBox* cb_htm_add_stop = nullptr;
    QCheckBox* C_Box_ascii = nullptr;

    // Start page.
    QRadioButton* Radio_draw = nullptr;
    QRadioButton* Radio_text = nullptr;
    QRadioButton* Radio_last_window = nullptr;
    QCheckBox* CBox_color_start = nullptr;  // read when the settings are written at exit
    QCheckBox* CBox_shortcut_on_desk = nullptr;
    QCheckBox* CBox_shortcut_in_start = nullptr;
    QToolButton* o_sb_set_txt_1 = nullptr;  // "使用Quillo编辑" for text files
    QToolButton* o_sb_set_txt_2 = nullptr;  // the default text editor
    QToolButton* o_sb_set_txt_3 = nullptr;  // colour files
    QToolButton* o_sb_set_txt_4 = nullptr;  // picture files: not offered
    QToolButton* o_sb_set_txt_0 = nullptr;  // undo the three
    QLabel* Label4 = nullptr;

    // Game page.
    QSlider* long_bar = nullptr;          // start length, 2..30
    QSlider* TrackBar_speed_1 = nullptr;  // start level, 0..6
    QRadioButton* diff1 = nullptr;
    QRadioButton* diff2 = nullptr;
    QRadioButton* diff3 = nullptr;
    QRadioButton* diff4 = nullptr;
    QRadioButton* Radio_body = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioB_old_body = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    // The colours the samples hold until OK.
    platform::WinColour draw_font_colour() const { return draw_font_; }
    platform::WinColour draw_back_colour() const { return draw_back_; }
    platform::WinColour text_font_colour() const { return text_font_; }
    platform::WinColour text_back_colour() const { return text_back_; }

    // Where the registration and the shortcuts go: the user's folders now, the program's
    // directory for the program and its icon.
    platform::DesktopIntegration desktop_integration() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build_colour_page();
    void build_save_page();
    void build_start_page();
    void build_game_page();
    void build_buttons();

    void FormShow();
    void LabelColourClick(QLabel* label);
    void show_samples();
    void Button1Click();
    void Button3Click();
    void o_sb_set_txt_1Click();
    void o_sb_set_txt_2Click(const QAbstractButton* sender);
    void o_sb_set_txt_0Click();
    void show_registration_state();
    void CBox_shortcutClick(platform::ShortcutPlace place);

    canvas::TForm1& main_;
    platform::WinColour draw_font_ = 0;
    platform::WinColour draw_back_ = 0;
    platform::WinColour text_font_ = 0;
    platform::WinColour text_back_ = 0;
};

}  // namespace quillo::document
