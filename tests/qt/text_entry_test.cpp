// The typing boxes over the canvas: where they stand, how input methods reach them, and the
// entry that ends at the canvas's right edge.
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "platform/qt/gbk_qt.h"
#include "tools/qt/text_entry_boxes.h"
#include "window_fixture.h"

namespace quillo::testing {

namespace {

class TextEntryTest : public WindowTest {
  protected:
    void start_in(bool double_byte) {
        start();
        form->canvas.double_byte = double_byte;
        form->apply_byte_mode();
        settle();
    }

    // Press and release on the centre of a cell; the click follows the release.
    void click_cell(int x, int y) {
        const int pitch = form->double_byte() ? 16 : 8;
        const QPointF at((x - 1) * pitch + pitch / 2, (y - 1) * 16 + 8);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const auto held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent ev(type, at, form->Image1->mapToGlobal(at), Qt::LeftButton, held,
                           Qt::NoModifier);
            QApplication::sendEvent(form->Image1, &ev);
        }
        settle();
    }

    static void compose(QWidget* box, const QString& preedit, const QString& commit = {}) {
        QInputMethodEvent ev(preedit, {});
        ev.setCommitString(commit);
        QApplication::sendEvent(box, &ev);
    }

    static void enter(QWidget* box) {
        for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent ev(type, Qt::Key_Return, Qt::NoModifier, "\r");
            QApplication::sendEvent(box, &ev);
        }
    }

    std::string trimmed(int layer, int r) const {
        return canvas::trailing_space_trim(row(layer, r));
    }
};

TEST_F(TextEntryTest, LineBoxShowsCompositionAndWritesGbk) {
    start_in(false);
    click("sb2_type_h");
    click_cell(3, 2);
    QLineEdit* box = form->write_in_edit;
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->geometry(), QRect(16, 16, 8, 16));

    // Pinyin being composed shows in the box, which grows to hold it, but is no text yet.
    const QImage empty = box->grab().toImage();
    compose(box, "zhong");
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(box->width(), 5 * 8 + 16);
    EXPECT_NE(box->grab().toImage(), empty);

    // The commit replaces it; a character GBK lacks becomes "?".
    compose(box, "", QString::fromUtf8("中😀"));
    EXPECT_EQ(platform::to_gbk(box->text()), "\xD6\xD0?");
    EXPECT_EQ(box->width(), 3 * 8 + 16);
    // Text picked elsewhere goes in at the caret.
    box->setCursorPosition(0);
    EXPECT_TRUE(form->text_entry_insert("a"));
    EXPECT_EQ(box->width(), 4 * 8 + 16);
    enter(box);
    EXPECT_EQ(trimmed(2, 2), "  a\xD6\xD0?");
    EXPECT_EQ(box->geometry(), QRect(16, 32, 16, 16));

    // A composition left open when the entry is cut short goes with the box.
    compose(box, "wen");
    click("sb2_line");
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->text(), "");
    EXPECT_TRUE(static_cast<tools::EntryEdit*>(box)->preedit().isEmpty());
    EXPECT_EQ(trimmed(1, 2), "  a\xD6\xD0?");
    EXPECT_FALSE(form->text_entry_insert("a"));
}

TEST_F(TextEntryTest, MemoGrowsARowPerCellAndPadsHalfCells) {
    start_in(true);
    click("sb2_type_v");
    click_cell(2, 4);
    QPlainTextEdit* memo = form->write_in_Memo;
    ASSERT_TRUE(memo->isVisible());
    EXPECT_EQ(memo->geometry(), QRect(16, 48, 17, 32));
    EXPECT_EQ(form->focusWidget(), memo);

    compose(memo, "zhongwen");  // eight half-width characters: four cells
    EXPECT_EQ(memo->height(), 4 * 16 + 16);
    compose(memo, "", QString::fromUtf8("中a"));
    EXPECT_EQ(memo->height(), 2 * 16 + 16);
    enter(memo);
    EXPECT_EQ(memo->geometry(), QRect(32, 48, 17, 32));
    EXPECT_EQ(row(2, 4).substr(0, 4), "  \xD6\xD0");
    EXPECT_EQ(row(2, 5).substr(0, 4), "  a ");
    EXPECT_FALSE(form->commands.enabled("n_undo"));
}

// The status read-out after an entry: text_entry_*.qs.
TEST_F(TextEntryTest, ColumnAtTheRightEdgeAndLineAtTheBottomEndTheEntry) {
    start_in(false);
    const int last = form->canvas.width;
    const int bottom = form->canvas.height;
    click("sb2_type_v");
    click_cell(last, 1);
    QPlainTextEdit* memo = form->write_in_Memo;
    ASSERT_TRUE(memo->isVisible());
    compose(memo, "", "ab");
    enter(memo);
    // Written in the last column; with no column left the entry is over and undo is back.
    EXPECT_EQ(row(1, 1)[static_cast<std::size_t>(last - 1)], 'a');
    EXPECT_EQ(row(1, 2)[static_cast<std::size_t>(last - 1)], 'b');
    EXPECT_FALSE(memo->isVisible());
    EXPECT_TRUE(form->commands.enabled("n_undo"));
    click("n_undo");
    EXPECT_EQ(trimmed(1, 1), " ");

    click("sb2_type_h");
    click_cell(1, bottom);
    QLineEdit* box = form->write_in_edit;
    ASSERT_TRUE(box->isVisible());
    compose(box, "", "end");
    enter(box);
    EXPECT_EQ(trimmed(1, bottom), "end");
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(form->commands.enabled("ToolButton_undo"));
}

TEST_F(TextEntryTest, ResizingTheWindowKeepsWhatTheEntryWrote) {
    start_in(false);
    click("sb2_type_h");
    click_cell(2, 2);
    QLineEdit* box = form->write_in_edit;
    compose(box, "", "ab");
    enter(box);
    compose(box, "", "cd");
    // A new window size reloads the canvas from the document: the written line must be in it.
    form->resize(700, 500);
    settle();
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(form->commands.enabled("n_undo"));
    EXPECT_EQ(trimmed(1, 2), " ab");
    EXPECT_EQ(trimmed(2, 2), " ab");
    EXPECT_EQ(trimmed(1, 3), " ");
}

}  // namespace
}  // namespace quillo::testing
