// Typing onto the canvas (tools 13 and 14): the boxes that float over the canvas image, where
// they stand, and what Enter does in them. The text goes into the working layer; the entry is
// committed once, when it ends, so one undo takes the whole entry away.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "platform/qt/gbk_qt.h"
#include "tools/qt/text_entry_boxes.h"
#include "tools/text_entry.h"

namespace quillo::canvas {

struct TForm1::TextEntryState {
    tools::TextEntry column;  // the memo's column
    tools::TextEntry line;    // the line box's line
    bool written() const { return column.written || line.written; }
};

namespace {

tools::EntryMemo& memo_of(const TForm1& f) {
    return *static_cast<tools::EntryMemo*>(f.write_in_Memo);
}
tools::EntryEdit& edit_of(const TForm1& f) {
    return *static_cast<tools::EntryEdit*>(f.write_in_edit);
}

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// While an entry has written text that is not committed yet, undo would lose it.
void set_undo_enabled(TForm1& f, bool on) {
    f.commands.set_enabled("ToolButton_undo", on);
    f.commands.set_enabled("n_undo", on);
}

QString css_colour(platform::Rgb rgb) {
    return QString("#%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0'));
}

// The box shows its text in the canvas colours, so typing looks like the canvas it goes to.
void place_box(TForm1& f, QWidget* box, tools::Cell at, int width, int height) {
    box->setStyleSheet(QString("background-color: %1; color: %2; border: none; padding: 0px;")
                           .arg(css_colour(platform::resolve_colour(f.canvas_back_colour)),
                                css_colour(platform::resolve_colour(f.canvas_text_colour))));
    // The cell's place as the zoomed view shows it.
    box->setGeometry(f.Image1->x() + f.to_widget_units(tools::box_left(at.x, f.double_byte())),
                     f.Image1->y() + f.to_widget_units(tools::box_top(at.y)), width, height);
    box->show();
    box->raise();
    box->setFocus();
}

// The boxes grow with their text, and with what an input method is still composing in them.
void fit_memo(TForm1& f) {
    auto& m = memo_of(f);
    const std::string text = platform::to_gbk(m.toPlainText() + m.preedit());
    m.resize(tools::memo_width(f.double_byte()), tools::memo_height(text, f.double_byte()));
}
void fit_edit(TForm1& f) {
    auto& e = edit_of(f);
    e.resize(tools::edit_width(platform::to_gbk(e.text() + e.preedit())), kRowPitch);
}

}  // namespace

void TForm1::build_text_entry_widgets() {
    text_entry = std::make_shared<TextEntryState>();
    auto* memo = new tools::EntryMemo(blackboard);
    memo->setObjectName("write_in_Memo");
    memo->hide();
    memo->events.on_key = [this](int key) {
        run_command([this, key] { write_in_MemoKeyUp(key); });
    };
    memo->events.on_click = [this] { run_command([this] { write_in_MemoClick(); }); };
    // A double-click opens the character picker; its picks come in at the caret.
    memo->events.on_double_click = [this] {
        run_command([this] { pen_txtDblClick(Sender{"write_in_Memo"}); });
    };
    memo->events.on_resize_needed = [this] { fit_memo(*this); };
    write_in_Memo = memo;

    auto* edit = new tools::EntryEdit(blackboard);
    edit->setObjectName("write_in_edit");
    edit->hide();
    edit->events.on_key = [this](int key) {
        run_command([this, key] { write_in_editKeyPress(key); });
    };
    edit->events.on_click = [this] { run_command([this] { write_in_editClick(); }); };
    edit->events.on_double_click = [this] {
        run_command([this] { pen_txtDblClick(Sender{"write_in_edit"}); });
    };
    edit->events.on_resize_needed = [this] { fit_edit(*this); };
    write_in_edit = edit;
}

void TForm1::text_entry_tool_selected() {
    if (current_tool == 13) memo_of(*this).clear_all();
    if (current_tool == 14) edit_of(*this).clear_all();
}

namespace {

// Ends an entry: one commit for everything it wrote, and undo is back.
void end_entry(TForm1& f, TForm1::TextEntryState& st) {
    f.write_in_Memo->hide();
    f.write_in_edit->hide();
    f.commit();
    st.column.written = false;
    st.line.written = false;
    f.set_status(3, f.current_tool == 13 ? "竖向输入" : "横向输入");
    set_undo_enabled(f, true);
    f.pen_txt->setFocus();
}

}  // namespace

void TForm1::text_entry_click(int x, int y) {
    set_status(3, "按Enter两次结束");
    auto& st = *text_entry;
    const bool db = canvas.double_byte;
    const bool vertical = current_tool == 13;
    // A click elsewhere writes what the open box holds and places it again.
    QWidget* box = vertical ? static_cast<QWidget*>(write_in_Memo) : write_in_edit;
    if (box->isVisible()) {
        box->hide();
        std::string text;
        if (vertical) {
            text = platform::to_gbk(memo_of(*this).toPlainText());
            tools::write_column(canvas, text, st.column.at.x, st.column.at.y);
        } else {
            text = platform::to_gbk(edit_of(*this).text());
            tools::write_text(canvas, text, st.line.at.x, st.line.at.y);
        }
        if (!text.empty()) {
            (vertical ? st.column : st.line).written = true;
            set_undo_enabled(*this, false);
            repaint_all(false);
        }
    }
    // Below the canvas's last row there is nowhere to write to.
    if (y > canvas.height) {
        end_entry(*this, st);
        return;
    }
    if (vertical) {
        st.column.at = {x, y};
        memo_of(*this).clear_all();
        place_box(*this, write_in_Memo, st.column.at, tools::memo_width(db),
                  tools::kMemoStartHeight);
    } else {
        st.line.at = {x, y};
        edit_of(*this).clear_all();
        place_box(*this, write_in_edit, st.line.at, tools::edit_start_width(db), kRowPitch);
    }
}

void TForm1::write_in_MemoKeyUp(int key) {
    if (!is_enter(key)) {
        fit_memo(*this);
        return;
    }
    if (!write_in_Memo->isVisible()) return;
    // A command that took the tool away (the byte-mode switch) ended the entry.
    if (current_tool != 13) return drop_text_entry();
    auto& st = *text_entry;
    const bool db = canvas.double_byte;
    write_in_Memo->move(write_in_Memo->x() + (db ? kFullWidth : kHalfWidth), write_in_Memo->y());
    const bool fits = tools::memo_fits_window(write_in_Memo->x(), width(), db);
    const auto outcome = tools::vertical_enter(
        canvas, st.column, platform::to_gbk(write_in_Memo->toPlainText()), fits);
    if (outcome != tools::EnterOutcome::ended) {
        set_undo_enabled(*this, false);
        memo_of(*this).clear_all();
        write_in_Memo->resize(tools::memo_width(db), tools::kMemoStartHeight);
    }
    if (outcome == tools::EnterOutcome::wrote)
        repaint_all(false);
    else
        end_entry(*this, st);
}

void TForm1::write_in_editKeyPress(int key) {
    if (!is_enter(key)) {
        fit_edit(*this);
        return;
    }
    if (!write_in_edit->isVisible()) return;
    if (current_tool != 14) return drop_text_entry();
    auto& st = *text_entry;
    const auto outcome =
        tools::horizontal_enter(canvas, st.line, platform::to_gbk(write_in_edit->text()),
                                tools::last_box_row(to_canvas_pixels(blackboard->height())));
    edit_of(*this).clear_all();
    if (outcome == tools::EnterOutcome::wrote) {
        set_undo_enabled(*this, false);
        write_in_edit->hide();
        place_box(*this, write_in_edit, st.line.at, kFullWidth, kRowPitch);
        repaint_all(false);
    } else {
        end_entry(*this, st);
    }
}

void TForm1::write_in_MemoClick() {
    set_status(3, "Enter两次结束");
}

void TForm1::write_in_editClick() {
    set_status(3, "Enter两次结束");
}

void TForm1::drop_text_entry() {
    if (!text_entry) return;
    if (write_in_edit->isVisible()) {
        edit_of(*this).clear_all();
        write_in_edit->hide();
    } else if (write_in_Memo->isVisible()) {
        memo_of(*this).clear_all();
        write_in_Memo->hide();
    }
    // What the entry wrote already is kept: committed now, before the command goes on.
    auto& st = *text_entry;
    if (st.written()) {
        st.column.written = false;
        st.line.written = false;
        commit();
        set_undo_enabled(*this, true);
    }
}

bool TForm1::text_entry_insert(const std::string& gbk) {
    // The character goes in at the caret; a selection stays in the text.
    const QString ch = platform::to_qstring(gbk);
    if (write_in_Memo->isVisible()) {
        QTextCursor cursor = write_in_Memo->textCursor();
        cursor.clearSelection();
        cursor.insertText(ch);
        write_in_Memo->setTextCursor(cursor);
        return true;
    }
    if (write_in_edit->isVisible()) {
        const QString text = write_in_edit->text();
        const int at = write_in_edit->cursorPosition();
        write_in_edit->setText(text.left(at) + ch + text.mid(at));
        write_in_edit->setCursorPosition(at + static_cast<int>(ch.size()));
        return true;
    }
    return false;
}

}  // namespace quillo::canvas
