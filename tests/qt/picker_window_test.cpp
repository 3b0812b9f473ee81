// The character picker through the real windows: opening it, picking into the pen and into the
// boxes that open it, and the bookmark slots across a restart.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "canvas/qt/canvas_widgets.h"
#include "extras/qt/select_form.h"
#include "platform/colours.h"
#include "platform/qt/gbk_qt.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

class PickerWindowTest : public WindowTest {
  protected:
    void set_ini(const std::string& from, const std::string& to) {
        replace_in_file(dir / "quillo.ini", from, to);
    }
    extras::TSelectForm& picker() { return *form->SelectForm; }

    void mouse(QWidget* w, QEvent::Type type, QPoint at) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress
                                          ? Qt::MouseButtons(Qt::LeftButton)
                                          : Qt::MouseButtons(Qt::NoButton);
        QMouseEvent ev(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held,
                       Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }
    void click_widget(QWidget* w, QPoint at) {
        mouse(w, QEvent::MouseMove, at);
        mouse(w, QEvent::MouseButtonPress, at);
        mouse(w, QEvent::MouseButtonRelease, at);
        settle();
    }
    // Moves the mouse over cell (column, row) of the grid, then clicks the panel that follows it,
    // as a person's click lands on it.
    void pick(int column, int row) {
        QWidget* label = picker().rows_labels[row - 1];
        mouse(label, QEvent::MouseMove, QPoint((column - 1) * 16 + 8, 8));
        ASSERT_TRUE(picker().point->isVisible());
        click_widget(picker().point, picker().point->rect().center());
    }
    void choose(QListWidget* list, int item) {
        const QRect r = list->visualItemRect(list->item(item));
        click_widget(list->viewport(), r.center());
    }
    void open_by_double_click() {
        mouse(form->pen_txt, QEvent::MouseButtonPress, QPoint(4, 4));
        mouse(form->pen_txt, QEvent::MouseButtonRelease, QPoint(4, 4));
        mouse(form->pen_txt, QEvent::MouseButtonDblClick, QPoint(4, 4));
        mouse(form->pen_txt, QEvent::MouseButtonRelease, QPoint(4, 4));
        settle();
    }
    void restart() {
        EXPECT_TRUE(form->close());
        form.reset();
        start();
    }
    std::string text_of(QLabel* l) const { return platform::to_gbk(l->text()); }
};

TEST_F(PickerWindowTest, SingleByteModeOpensOnTheHalfWidthPageAndPicksOneByte) {
    start();
    ASSERT_FALSE(form->double_byte());
    EXPECT_FALSE(picker().isVisible());
    click("n_dictionary");
    ASSERT_TRUE(picker().isVisible());
    EXPECT_TRUE(picker().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(picker().page(), extras::kHalfWidthPage);
    EXPECT_FALSE(picker().list1->isEnabled());
    EXPECT_FALSE(picker().list2->isEnabled());
    EXPECT_FALSE(picker().List3->isEnabled());
    pick(2, 2);  // "A"
    EXPECT_EQ(form->pen_text, "A");
    EXPECT_EQ(picker().pick_page(), "1");
    // A cell that holds no character (byte 200 alone) leaves the pen alone.
    pick(9, 6);
    EXPECT_EQ(form->pen_text, "A");

    // Closing hides it; a double click in the pen box shows it again, but not during a press.
    click_widget(picker().B_yes, picker().B_yes->rect().center());
    EXPECT_FALSE(picker().isVisible());
    form->press_flag = true;
    open_by_double_click();
    EXPECT_FALSE(picker().isVisible());
    form->press_flag = false;
    open_by_double_click();
    EXPECT_TRUE(picker().isVisible());
}

TEST_F(PickerWindowTest, ABookmarkedPageIsFoundAgainAfterARestart) {
    set_ini("chinese=0", "chinese=1");
    start();
    ASSERT_TRUE(form->double_byte());
    click("n_dictionary");
    EXPECT_EQ(picker().page(), 161);  // slot 1
    EXPECT_TRUE(picker().list1->isEnabled());
    // list1 item 38 is page 176 (32 pages below 161, then 170...): 啊 is row 4, cell 2.
    choose(picker().list1, 38);
    ASSERT_EQ(picker().page(), 176);
    pick(2, 4);
    EXPECT_EQ(form->pen_text, "\xB0\xA1");
    // Stepping on and picking there: the bookmark takes the page the character came from.
    picker().b_nextClick();
    pick(2, 4);
    EXPECT_EQ(form->pen_text, "\xB1\xA1");
    picker().B_yesClick();  // bookmarks page 177 (picker.qs checks the slots)
    restart();
    EXPECT_EQ(text_of(picker().page_labels[0]), "177");
    EXPECT_EQ(text_of(picker().text_labels[0]), "\xB1\xA1");
    EXPECT_EQ(picker().page(), 177);  // the picker starts on slot 1
    click("n_dictionary");
    picker().b_beforeClick();
    EXPECT_EQ(picker().page(), 176);
    click_widget(picker().text_labels[0], QPoint(4, 4));  // both labels of a slot open it
    EXPECT_EQ(picker().page(), 177);
}

TEST_F(PickerWindowTest, BadBookmarkValuesOpenTheDefaultPage) {
    set_ini("chinese=0", "chinese=1");
    set_ini("no1=161", "no1=abc");
    set_ini("no2=161", "no2=255");
    set_ini("no3=161", "no3=-1");
    set_ini("no4=161", "no4=1");
    start();
    EXPECT_EQ(picker().page(), 161);
    EXPECT_EQ(text_of(picker().page_labels[0]), "161");
    EXPECT_EQ(text_of(picker().page_labels[1]), "161");
    EXPECT_EQ(text_of(picker().page_labels[2]), "161");
    EXPECT_EQ(text_of(picker().page_labels[3]), "1");
    click("n_dictionary");
    click_widget(picker().page_labels[1], QPoint(4, 4));
    EXPECT_EQ(picker().page(), 161);
    EXPECT_EQ(text_of(picker().rows_labels[0]).substr(2, 2), "\xA1\xA1");
    // The repaired values are what the settings file gets at exit.
    EXPECT_TRUE(form->close());
    const std::string ini = file_bytes(dir / "quillo.ini");
    EXPECT_NE(ini.find("no1=161"), std::string::npos);
    EXPECT_EQ(ini.find("no1=abc"), std::string::npos);
}

TEST_F(PickerWindowTest, OtherBoxesTakeThePickAtTheCaret) {
    set_ini("chinese=0", "chinese=1");
    start();
    // The text box of normal editing mode takes the pick at its caret: picker.qs.
    const std::string pen_before = form->pen_text;
    picker().LabelClick(1);
    // A one-line box that opens the picker takes the character at its caret, the pen does not.
    QLineEdit box;
    box.setText("xy");
    box.setCursorPosition(1);
    picker().show_for(&box);
    pick(4, 1);  // 。
    EXPECT_EQ(platform::to_gbk(box.text()), "x\xA1\xA3y");
    EXPECT_EQ(box.cursorPosition(), 2);
    EXPECT_EQ(form->pen_text, pen_before);
    std::string received;
    picker().show_for([&](const std::string& ch) { received = ch; });
    pick(2, 1);
    EXPECT_EQ(received, "\xA1\xA1");
}

TEST_F(PickerWindowTest, ACharacterLooksTheSameInThePickerAndOnTheCanvas) {
    set_ini("chinese=0", "chinese=1");
    start();
    std::string listened;
    picker().add_pen_listener([&](const std::string& ch) { listened = ch; });
    click("n_dictionary");
    picker().LabelClick(1);
    picker().b_nextClick();  // 162
    picker().b_nextClick();  // 163
    ASSERT_EQ(picker().page(), 163);
    pick(17, 1);  // 163 row 1: lead 163, trail 176: "０"
    ASSERT_EQ(form->pen_text, "\xA3\xB0");
    EXPECT_EQ(listened, "\xA3\xB0");

    click("sb2_dot");
    QWidget* image = form->Image1;
    mouse(image, QEvent::MouseMove, QPoint(8, 8));
    mouse(image, QEvent::MouseButtonPress, QPoint(8, 8));
    mouse(image, QEvent::MouseMove, QPoint(9, 8));
    mouse(image, QEvent::MouseButtonRelease, QPoint(9, 8));
    settle();
    ASSERT_EQ(form->canvas.layers.row(1, 1).substr(0, 2), "\xA3\xB0");
    // Same glyph: the text-coloured pixels of the cell match, pixel for pixel.
    const auto& grid = picker().grid();
    const platform::Rgb canvas_ink = platform::resolve_colour(form->canvas_text_colour);
    ASSERT_NE(canvas_ink, platform::resolve_colour(form->canvas_back_colour));
    int ink = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool in_grid = grid.pixel(16 * 16 + x, y) == 0x000000;
            const bool on_canvas = form->image.pixel(x, y) == canvas_ink;
            EXPECT_EQ(in_grid, on_canvas) << x << "," << y;
            ink += in_grid;
        }
    }
    EXPECT_GT(ink, 10);
}

}  // namespace

}  // namespace quillo::testing
