#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "platform/qt/gbk_qt.h"
#include "tools/pen_row.h"
#include "window_fixture.h"
#include "window_helpers.h"

// Exported by QtGui: key input that, like a real key, first offers itself to the shortcuts.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace quillo::testing {

namespace {

class ToolsTest : public WindowTest {
  protected:
    void start_single_byte() {
        start();
        form->canvas.double_byte = false;
        form->apply_byte_mode();
        form->pen_txt->setText("#");
        settle();
    }

    void mouse(QEvent::Type type, int x, int y) {
        send_mouse(form->Image1, type, cell_centre(form->double_byte(), x, y));
    }

    // Press on one cell, move through the others, release on the last.
    void drag(std::initializer_list<std::pair<int, int>> cells) {
        const auto first = *cells.begin();
        mouse(QEvent::MouseMove, first.first, first.second);
        mouse(QEvent::MouseButtonPress, first.first, first.second);
        for (const auto& [x, y] : cells) mouse(QEvent::MouseMove, x, y);
        const auto last = *(cells.end() - 1);
        mouse(QEvent::MouseButtonRelease, last.first, last.second);
        settle();
    }

    void key(QWidget* target, int k, const QString& text = {},
             Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent ev(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(target, &ev);
    }

    // Press and release on a widget at x, as a click of the left button.
    void click_at(QWidget* w, int x) {
        const QPointF at(x, w->height() / 2);
        for (auto type :
             {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent ev(type, at, w->mapToGlobal(at),
                           type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                           type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                           Qt::NoModifier);
            QApplication::sendEvent(w, &ev);
        }
        settle();
    }

    // A key as the keyboard delivers it: the shortcuts see it first.
    void typed(QWidget* target, int k, Qt::KeyboardModifiers mods = Qt::NoModifier,
               const QString& text = {}) {
        static ulong timestamp = 0;
        if (!qt_sendShortcutOverrideEvent(target, ++timestamp, k, mods, text))
            key(target, k, text, mods);
        settle();
    }

    std::string trimmed(int layer, int r) const {
        return canvas::trailing_space_trim(row(layer, r));
    }
};

TEST_F(ToolsTest, MenuItemAndButtonSelectTheSameTool) {
    start_single_byte();
    click("n_line");
    EXPECT_EQ(form->current_tool, 7);
    EXPECT_EQ(form->status(3), "画直线");
    EXPECT_TRUE(form->commands.checked("sb2_line"));
    click("sb2_certage");
    EXPECT_EQ(form->current_tool, 6);
    EXPECT_TRUE(form->commands.checked("sb2_certage"));
    EXPECT_FALSE(form->commands.checked("sb2_line"));  // at most one down
    click("sb2_line");
    EXPECT_EQ(form->current_tool, 7);
    EXPECT_EQ(form->status(3), "画直线");
    click("n_arc");  // no button: all up, status unchanged
    EXPECT_EQ(form->current_tool, 10);
    EXPECT_FALSE(form->commands.checked("sb2_line"));
    EXPECT_EQ(form->status(3), "画直线");
    // The circle tool shows its box with the mode's aspect ratio.
    click("sb2_circle");
    EXPECT_EQ(form->inword->text().toStdString(), "宽高比:");
    EXPECT_EQ(form->aspect_ratio, 2.0);
    EXPECT_EQ(static_cast<QComboBox*>(form->in_txt2)->currentText(), "2");
    static_cast<QComboBox*>(form->in_txt2)->setCurrentText("2.5");
    EXPECT_EQ(form->aspect_ratio, 2.5);
    form->reset_tool_buttons();
    EXPECT_FALSE(form->commands.checked("sb2_circle"));
}

// Figures drawn and undone twice are checked by the script draw_figures.qs.
TEST_F(ToolsTest, PointerOffTheCanvasWritesNothingOutsideIt) {
    start_single_byte();
    // Off the canvas the pointer draws nothing and nothing breaks.
    click("sb2_line");
    mouse(QEvent::MouseButtonPress, 1, 8);
    mouse(QEvent::MouseMove, 400, 8);
    mouse(QEvent::MouseMove, -50, -90);
    mouse(QEvent::MouseButtonRelease, -50, -90);
    for (int r = 1; r <= form->canvas.height; ++r)
        EXPECT_LE(static_cast<int>(row(canvas::kCommitted, r).size()), form->canvas.width + 1);
}

TEST_F(ToolsTest, PenBoxTypingAndEmptyPenClick) {
    start_single_byte();
    key(form->pen_txt, Qt::Key_X, "x");
    EXPECT_EQ(form->pen_text, "x");
    key(form->pen_txt, Qt::Key_Shift);
    EXPECT_EQ(form->pen_text, "x");
    // Right arrow keeps x in slot 1 and loads slot 2.
    key(form->pen_txt, Qt::Key_Right);
    EXPECT_EQ(form->pen_st, 2);
    EXPECT_EQ(form->pen_text, "2");
    EXPECT_EQ(form->pen_single.substr(0, 3), "x  ");
    EXPECT_EQ(form->pen_txt->x(), 68);

    // Double-byte mode: Shift after one half-width character makes it two bytes.
    form->canvas.double_byte = true;
    form->apply_byte_mode();
    key(form->pen_txt, Qt::Key_A, "a");
    EXPECT_EQ(form->pen_text, "a");
    key(form->pen_txt, Qt::Key_Shift);
    EXPECT_EQ(form->pen_text, "a ");

    // Clicking the canvas with no tool focuses the pen box and gives an empty one a space.
    form->activateWindow();
    form->pen_txt->clear();
    form->current_tool = 0;
    mouse(QEvent::MouseButtonPress, 3, 3);
    mouse(QEvent::MouseButtonRelease, 3, 3);
    settle();
    EXPECT_EQ(form->pen_text, " ");
    EXPECT_EQ(QApplication::focusWidget(), form->pen_txt);
}

// A wild slot number in the settings file: settings_file_test.cpp and pen_row_test.cpp.
TEST_F(ToolsTest, PenBoxCoversTheGlyphItEdits) {
    start();
    const int row_left = form->Label1->x();
    EXPECT_EQ(form->pen_txt->x(), row_left + tools::pen_row_byte_x(0));

    // A click on the glyph of slot 3 picks it; the box moves over that glyph.
    click_at(form->Label1, tools::pen_row_byte_x(6) + 4);
    EXPECT_EQ(form->pen_st, 3);
    EXPECT_EQ(form->pen_text, "3");
    EXPECT_EQ(form->pen_txt->x(), row_left + tools::pen_row_byte_x(6));
    EXPECT_LT(form->pen_single.size(), 600u);

    // The eraser: the box stands over Label6, which lies left of the row.
    click_at(form->Label6, 5);
    EXPECT_EQ(form->pen_st, 0);
    EXPECT_EQ(form->pen_text, "  ");
    EXPECT_EQ(form->pen_txt->geometry(), QRect(form->Label6->x(), form->pen_txt->y(),
                                               form->Label6->width(), form->pen_txt->height()));
    EXPECT_LE(form->Label6->geometry().right(), row_left);
}

TEST_F(ToolsTest, KeysInThePenBoxStartANewPenExceptTheListedOnesAndShortcuts) {
    start_single_byte();
    form->activateWindow();
    form->pen_txt->setFocus();
    settle();
    // Ctrl+V: Ctrl keeps the box, V empties it, and the pasted text is the new pen.
    QApplication::clipboard()->setText("@");
    typed(form->pen_txt, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(form->pen_text, "#");
    typed(form->pen_txt, Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(form->pen_text, "@");
    // Listed keys keep it; any other Ctrl+letter or Escape empties it.
    typed(form->pen_txt, Qt::Key_Home);
    typed(form->pen_txt, Qt::Key_Delete, Qt::NoModifier, "\x7f");
    EXPECT_EQ(form->pen_text, "");  // Delete kept the box, then removed its "@"
    typed(form->pen_txt, Qt::Key_End);
    EXPECT_EQ(form->pen_text, "1");  // the next key fills an empty box from the slot
    form->pen_txt->setText("x");
    typed(form->pen_txt, Qt::Key_Shift, Qt::ShiftModifier);
    typed(form->pen_txt, Qt::Key_PageDown);
    EXPECT_EQ(form->pen_text, "x");
    typed(form->pen_txt, Qt::Key_B, Qt::ControlModifier, "\x02");
    EXPECT_EQ(form->pen_text, "");
    form->pen_txt->setText("x");
    typed(form->pen_txt, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    EXPECT_EQ(form->pen_text, "");

    // A shortcut of the program works in the box and leaves the pen: Ctrl+Z undoes the canvas.
    form->pen_txt->setText("#");
    click("sb2_dot");
    drag({{3, 3}});
    EXPECT_EQ(trimmed(canvas::kCommitted, 3), "  #");
    form->pen_txt->setFocus();
    typed(form->pen_txt, Qt::Key_Z, Qt::ControlModifier, "\x1a");
    EXPECT_EQ(trimmed(canvas::kCommitted, 3), " ");
    EXPECT_EQ(form->pen_text, "#");
}

TEST_F(ToolsTest, Edit1ShowsTheLastKeyCodeOrWhenClickedTheCanvasWidth) {
    start();
    key(form->Image1, Qt::Key_F2);
    EXPECT_EQ(form->Edit1->text(), "113");
    key(form->Image1, Qt::Key_A, "a");
    EXPECT_EQ(form->Edit1->text(), "65");
    key(form->Image1, Qt::Key_Return, "\r");
    EXPECT_EQ(form->Edit1->text(), "13");
    key(form->Image1, Qt::Key_Left);
    EXPECT_EQ(form->Edit1->text(), "37");
    // A click in it shows the canvas width instead.
    click_at(form->Edit1, 3);
    EXPECT_EQ(form->Edit1->text().toInt(), form->canvas.width);
}

TEST_F(ToolsTest, RandomCountIsClamped) {
    start_single_byte();
    // A count that is no number: tool_driver_test.cpp.
    const std::string before = row(canvas::kCommitted, 1);
    form->in_txt->setText("1000000000");
    click("sb2_ram");  // at most 20 points per canvas byte: returns promptly
    int laid = 0;
    for (int r = 1; r <= form->canvas.height; ++r)
        for (int x = 0; x < form->canvas.width; ++x) laid += row(canvas::kCommitted, r)[x] == '#';
    EXPECT_GT(laid, form->canvas.width * form->canvas.height / 2);
    click("n_undo");
    EXPECT_EQ(row(canvas::kCommitted, 1), before);
}

}  // namespace

}  // namespace quillo::testing
