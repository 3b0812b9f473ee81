// The text menu through the main window: each command replaces the text as one edit of the
// text box, "恢复" is enabled by the commands and disabled by every change, the scrambling keys
// are asked for, and find and replace work through their dialogs and keys.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTimer>

#include "platform/qt/gbk_qt.h"
#include "platform/qt/qt_ui_services.h"
#include "textops/qt/find_dialog.h"
#include "textops/qt/memo_search_qt.h"
#include "window_fixture.h"

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace quillo::testing {
namespace {

using Shown = platform::ScriptedUi::Shown;
using Lines = std::vector<std::string>;

class TextMenuTest : public WindowTest {
  protected:
    void open_text(const std::string& bytes) {
        start(write_file("doc.txt", bytes).string());
        if (!form->normal_mode()) click("n_view");
        ASSERT_TRUE(form->normal_mode());
        ui.take_shown();
    }
    Lines lines() { return form->document_for_reading().lines; }
    bool restore_enabled() const { return form->commands.effectively_enabled("n_undo_txt"); }

    // A key as the keyboard delivers it: shortcuts are offered it first.
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
        static ulong timestamp = 0;
        QWidget* w = form->source_memo;
        w->setFocus();
        if (!qt_sendShortcutOverrideEvent(w, ++timestamp, k, mods, text)) {
            QKeyEvent press(QEvent::KeyPress, k, mods, text);
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, k, mods, text);
            QApplication::sendEvent(w, &release);
        }
        settle();
    }

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == Shown::message) out.push_back(s.text);
        return out;
    }

    textops::FindDialog* dialog() { return form->MemoSearch1->dialog(); }
};

TEST_F(TextMenuTest, RestoreFollowsCommandsAndChangesAndTheTextBoxUndoesCommands) {
    open_text("ab\r\ncd\r\nef\r\n");
    EXPECT_FALSE(restore_enabled());  // nothing to restore before the first command

    click("n_h2v_txt");
    EXPECT_EQ(lines(), (Lines{"abcdef"}));
    EXPECT_TRUE(restore_enabled());

    // Typing disables "恢复"; the text box's own undo takes back the typing, then the command.
    key(Qt::Key_X, Qt::NoModifier, "x");
    EXPECT_FALSE(restore_enabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines(), (Lines{"abcdef"}));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines(), (Lines{"ab", "cd", "ef"}));

    click("n_add_empty_line");
    EXPECT_EQ(lines(), (Lines{"ab", "", "cd", "", "ef"}));
    click("n_undo_txt");
    EXPECT_EQ(lines(), (Lines{"ab", "cd", "ef"}));
    EXPECT_TRUE(restore_enabled());
    click("n_undo_txt");  // and back again
    EXPECT_EQ(lines(), (Lines{"ab", "", "cd", "", "ef"}));

    // The text menu and its items are out of reach in drawing mode.
    click("n_view");
    EXPECT_FALSE(form->commands.effectively_enabled("n_h2v_txt"));
    EXPECT_FALSE(restore_enabled());
}

TEST_F(TextMenuTest, DirectionRefusesLongTextsAndSwitchesWordWrapOffForWideResults) {
    std::string text, wide;
    for (int i = 0; i < 256; ++i) {
        text += "ab\r\n";
        wide += "ab";
    }
    open_text(text + " \r\n");  // 257 lines, the last one blank
    click("n_h2v_txt");
    EXPECT_EQ(messages(), (std::vector<std::string>{"文章超过256行.不能执行!"}));
    EXPECT_EQ(lines().size(), 257u);
    EXPECT_EQ(lines().back(), " ");
    EXPECT_TRUE(restore_enabled());

    // 256 lines become one line of 512 bytes, wider than the text box.
    click("n_dec_empty_line");
    ASSERT_EQ(lines().size(), 256u);
    click("word_wrap");
    messages();
    click("n_h2v_txt");
    EXPECT_EQ(messages(), (std::vector<std::string>{"由于超长，暂时取消了自动换行。"}));
    EXPECT_FALSE(form->commands.checked("word_wrap"));
    EXPECT_TRUE(form->commands.enabled("n_view"));
    EXPECT_EQ(form->source_memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(lines(), (Lines{wide}));
}

// A mirror that would right-align 250 lines to a line of 300 000 bytes is refused whole.
TEST_F(TextMenuTest, ResultsTooWideLeaveTheTextByteForByte) {
    std::string text(300000, 'w');
    text += "\r\n";
    for (int i = 0; i < 250; ++i) text += "a\tb\x80\r\n";
    open_text(text);
    const Lines before = lines();
    click("n_mirr_txt");
    EXPECT_EQ(messages(), (std::vector<std::string>{"文章过宽,不能执行!"}));
    EXPECT_EQ(lines(), before);  // tabs not expanded either
    EXPECT_TRUE(restore_enabled());
    click("n_h2v_txt");  // 300 000 bytes would become 150 000 lines
    EXPECT_EQ(messages(), (std::vector<std::string>{"文章过宽,不能执行!"}));
    EXPECT_EQ(lines(), before);
}

TEST_F(TextMenuTest, ScrambleKeysAreAskedForAndBadKeysChangeNothing) {
    open_text("line one\r\nline two\r\nthree\r\n");
    const Lines original = lines();

    ui.queue_input(std::nullopt);  // cancelled
    click("N20");
    ui.queue_input("");
    click("N21");
    ui.queue_input("12a");
    click("N20");
    ui.queue_input("0");
    click("N24");
    const auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0].caption, "输入数字密码");
    EXPECT_EQ(shown[0].text, "输入小于9位的数字密码，如果忘记密码，文章无法复原");
    EXPECT_EQ(shown[3].text, "'12a' is not a valid integer value");
    EXPECT_EQ(shown[4].caption, "输入还原密码");
    EXPECT_EQ(shown[4].text, "输入小于9位的数字密码，如果密码错误，文章会被破坏！");
    EXPECT_EQ(shown[5].text, "数字密码必须大于0！");
    EXPECT_EQ(lines(), original);
    EXPECT_FALSE(restore_enabled());  // no snapshot was taken

    // The largest key; a line of odd length keeps its last byte and comes back with a space.
    ui.queue_input("2147483647");
    click("N20");
    EXPECT_NE(lines(), original);
    EXPECT_EQ(lines()[2].size(), 6u);
    EXPECT_TRUE(restore_enabled());
    ui.queue_input("2147483647");
    click("N23");
    EXPECT_EQ(lines(), (Lines{"line one", "line two", "three "}));
    click("n_undo_txt");
    EXPECT_EQ(lines()[2].size(), 6u);
    click("n_undo_txt");

    ui.queue_input("2");
    click("N21");
    EXPECT_EQ(lines(), (Lines{"line two", "line one", "three "}));
    ui.queue_input("2");
    click("N24");
    EXPECT_EQ(lines(), (Lines{"line one", "line two", "three "}));
}

TEST_F(TextMenuTest, FindAndReplaceThroughTheDialogsAndKeys) {
    open_text(
        "one two\r\none\r\n\xA9\x6F"
        "o\r\n");

    key(Qt::Key_F, Qt::ControlModifier, "\x06");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->objectName(), "FindDialog1");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(lines()[0], "one two");  // Ctrl+F typed nothing
    EXPECT_FALSE(dialog()->find_next->isEnabled());

    dialog()->find_text->setText("one");
    dialog()->find_next->click();
    settle();
    EXPECT_FALSE(dialog()->isVisible());  // closed after each search
    EXPECT_EQ(form->source_memo->textCursor().selectedText(), "one");
    EXPECT_EQ(form->source_memo->textCursor().selectionStart(), 0);
    key(Qt::Key_F3);  // the second "one"
    EXPECT_EQ(form->source_memo->textCursor().selectionStart(), 8);
    key(Qt::Key_F3);
    EXPECT_EQ(messages(), (std::vector<std::string>{"No more instances of \"one\" found."}));
    EXPECT_TRUE(form->normal_mode());

    // "o" is found only where it is a character of its own, not inside "﹐" (A9 6F).
    click("N_search");
    dialog()->find_text->setText("o");
    dialog()->direction_up->setChecked(true);
    form->source_memo->moveCursor(QTextCursor::End);
    dialog()->find_next->click();
    settle();
    QTextCursor hit = form->source_memo->textCursor();
    EXPECT_EQ(hit.selectedText(), "o");
    EXPECT_EQ(hit.selectionStart(), 13);  // after "one two", "one" and the "﹐"

    // Replace all in one edit of the text box; the markup in the text stays plain text.
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(dialog()->objectName(), "ReplaceDialog1");
    EXPECT_TRUE(dialog()->direction_down->isChecked());  // the replace dialog searches down
    dialog()->find_text->setText("one");
    dialog()->replace_text->setText("1");
    dialog()->whole_word->setChecked(true);
    dialog()->replace_all->click();
    settle();
    EXPECT_EQ(lines(), (Lines{"1 two", "1",
                              "\xA9\x6F"
                              "o"}));
    EXPECT_TRUE(messages().empty());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines(), (Lines{"one two", "one",
                              "\xA9\x6F"
                              "o"}));

    // A new search string that is nowhere.
    click("n_relace");
    dialog()->find_text->setText("<b>x</b>");
    dialog()->replace_one->click();
    settle();
    EXPECT_EQ(messages(), (std::vector<std::string>{"Search string \"<b>x</b>\" not found."}));

    // With no search string F3 is the view switch again.
    click("N_search");
    dialog()->close_button->click();
    settle();
    key(Qt::Key_F3);
    EXPECT_FALSE(form->normal_mode());
}

// The real message boxes quote what was typed exactly: "<b>x</b>" is not shown as bold x.
TEST(MessageBoxes, QuoteTypedTextAsPlainText) {
    platform::QtUiServices real;
    std::vector<Qt::TextFormat> formats;
    const auto close_box = [&formats] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        formats.push_back(box->textFormat());
        box->reject();
    };
    QTimer::singleShot(0, close_box);
    real.message("Search string \"<b>x</b>\" not found.", "Search Results");
    QTimer::singleShot(0, close_box);
    real.confirm("<i>y</i>");
    EXPECT_EQ(formats, (std::vector<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
}

}  // namespace
}  // namespace quillo::testing
