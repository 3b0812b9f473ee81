// The text menu of normal editing mode: reading direction, mirror, blank lines, columns and
// spaces, scrambling, and "恢复", which swaps the text with the snapshot every command takes
// first. The work is done by the cores of src/textops; these handlers read the lines of the
// text box and put the result back as one edit.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <optional>

#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "platform/errors.h"
#include "platform/qt/gbk_qt.h"
#include "textops/blank_space.h"
#include "textops/reading_direction.h"
#include "textops/scramble.h"

namespace quillo::canvas {

namespace {

std::size_t longest_line(const std::vector<std::string>& lines) {
    std::size_t longest = 0;
    for (const auto& l : lines) longest = std::max(longest, l.size());
    return longest;
}

// The key of the scrambling commands; nothing when the box was cancelled or left empty, or
// the key is not above 0 (a key of 0 or below would count to places before the first item).
std::optional<textops::Key> ask_key(platform::UiServices& ui, bool scramble) {
    const auto answer = scramble ? ui.input(textops::kScrambleCaption, textops::kScramblePrompt,
                                            textops::kScrambleDefaultKey)
                                 : ui.input(textops::kRestoreCaption, textops::kRestorePrompt, "");
    if (!answer || answer->empty()) return std::nullopt;
    const int key = platform::str_to_int(*answer);
    if (key <= 0) {
        ui.message(textops::kKeyNotPositiveMessage);
        return std::nullopt;
    }
    return key;
}

}  // namespace

void TForm1::source_memoChange() {
    commands.set_enabled("n_undo_txt", false);
}

std::vector<std::string> TForm1::text_menu_lines() {
    std::vector<std::string> lines = document_for_reading().lines;
    if (lines.empty()) lines.emplace_back();
    return lines;
}

void TForm1::replace_memo_lines(std::vector<std::string> lines) {
    const QString text = platform::lines_to_qstring(lines);
    // One edit of the text box, so that its own undo takes the whole command back; the document
    // is set from the lines directly instead of being read back from the box.
    QTextCursor cursor(source_memo->document());
    memo_loading_ = true;
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    // Typing that follows must stay an edit of its own: the text box merges an insertion into
    // the one before it while the document counts as modified.
    source_memo->document()->setModified(false);
    memo_loading_ = false;
    if (lines.size() == 1 && lines[0].empty()) lines.clear();
    doc.lines = std::move(lines);
    memo_dirty_ = false;
    canvas.loaded = false;
}

// ---- reading direction and mirror ----

namespace {

void direction_command(TForm1& form, const textops::CellTable& punctuation) {
    form.take_text_snapshot();
    auto result = textops::transpose_reading(form.txt_memo, form.double_byte(), punctuation);
    if (result.outcome == textops::Outcome::too_many_lines) {
        form.ui().message(textops::kTooManyLinesMessage);
    } else if (result.outcome == textops::Outcome::too_wide) {
        form.ui().message(textops::kTooWideMessage);
    } else {
        const int limit = textops::long_line_limit(form.source_memo->width());
        if (form.commands.checked("word_wrap") && static_cast<long long>(result.longest) > limit) {
            form.word_wrapClick(Sender{});
            form.ui().message(textops::kWrapCancelledMessage);
        }
        form.replace_memo_lines(std::move(result.lines));
    }
    form.commands.set_enabled("n_undo_txt", true);
}

}  // namespace

void TForm1::n_h2v_txtClick(const Sender&) {
    direction_command(*this, textops::vertical_punctuation());
}

void TForm1::n_v2h_txtClick(const Sender&) {
    direction_command(*this, textops::horizontal_punctuation());
}

void TForm1::n_mirr_txtClick(const Sender&) {
    take_text_snapshot();
    auto result = textops::mirror_text(txt_memo, double_byte());
    if (result.outcome == textops::Outcome::too_wide)
        ui().message(textops::kTooWideMessage);
    else
        replace_memo_lines(std::move(result.lines));
    commands.set_enabled("n_undo_txt", true);
}

// ---- blank lines, columns and spaces; restore ----

void TForm1::n_add_empty_lineClick(const Sender&) {
    take_text_snapshot();
    replace_memo_lines(textops::add_blank_lines(txt_memo));
    commands.set_enabled("n_undo_txt", true);
}

void TForm1::n_add_empty_listClick(const Sender&) {
    take_text_snapshot();
    replace_memo_lines(textops::add_blank_columns(txt_memo, double_byte()));
    commands.set_enabled("n_undo_txt", true);
}

void TForm1::n_dec_empty_lineClick(const Sender&) {
    take_text_snapshot();
    replace_memo_lines(textops::remove_blank_lines(txt_memo));
    commands.set_enabled("n_undo_txt", true);
}

void TForm1::n_dec_empty_spaceClick(const Sender&) {
    take_text_snapshot();
    replace_memo_lines(textops::remove_spaces(txt_memo));
    commands.set_enabled("n_undo_txt", true);
}

void TForm1::n_undo_txtClick(const Sender&) {
    std::vector<std::string> earlier = std::move(txt_memo);
    take_text_snapshot();
    replace_memo_lines(std::move(earlier));
    commands.set_enabled("n_undo_txt", true);
}

// ---- scrambling ----

void TForm1::N_break_textClick(const Sender& sender) {
    const auto key = ask_key(ui(), true);
    if (!key) return;
    take_text_snapshot();
    std::vector<std::string> result;
    if (sender.tag == 1)
        result = textops::scramble_columns(txt_memo, *key, double_byte());
    else
        result = textops::scramble_rows(txt_memo, *key);
    const std::size_t longest = longest_line(result);
    replace_memo_lines(std::move(result));
    // Wide scrambled lines are not wrapped; the word wrap item keeps its check mark.
    if (sender.tag == 1 &&
        static_cast<long long>(longest) > round_half_even((source_memo->width() - 8) / 16.0))
        source_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    commands.set_enabled("n_undo_txt", true);
}

void TForm1::N_UnBreak_textClick(const Sender& sender) {
    const auto key = ask_key(ui(), false);
    if (!key) return;
    take_text_snapshot();
    replace_memo_lines(sender.tag == 3 ? textops::restore_columns(txt_memo, *key)
                                       : textops::restore_rows(txt_memo, *key));
    commands.set_enabled("n_undo_txt", true);
}

}  // namespace quillo::canvas
