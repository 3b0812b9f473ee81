#include "textops/qt/memo_search_qt.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

#include "canvas/qt/quillo.h"
#include "document/document.h"
#include "platform/qt/gbk_qt.h"
#include "textops/qt/find_dialog.h"

namespace quillo::textops {

namespace {

// source_memo as the search core sees it: the document's lines joined by CR LF, positions in
// bytes. Byte offsets and the box's character positions are mapped line by line through the
// GBK codec, so a hit is selected exactly over its characters.
class MemoTarget : public SearchTarget {
  public:
    explicit MemoTarget(canvas::TForm1& form) : form_(form), memo_(*form.source_memo) {}

    std::string text() override {
        const auto& lines = form_.document_for_reading().lines;
        find_line_starts();
        std::string joined;
        joined.reserve(starts_.back() + (lines.empty() ? 0 : lines.back().size()));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i) joined += "\r\n";
            joined += lines[i];
        }
        return joined;
    }

    std::size_t selection_start() override { return byte_of(memo_.textCursor().selectionStart()); }
    std::size_t selection_length() override {
        const QTextCursor c = memo_.textCursor();
        return byte_of(c.selectionEnd()) - byte_of(c.selectionStart());
    }

    void select(std::size_t start, std::size_t length) override {
        QTextCursor c = memo_.textCursor();
        c.setPosition(position_of(start));
        c.setPosition(position_of(start + length), QTextCursor::KeepAnchor);
        show(c);
    }

    void replace_selection(std::string_view with) override {
        QTextCursor c = memo_.textCursor();
        const QString inserted = platform::to_qstring(with);
        c.beginEditBlock();
        c.insertText(inserted);
        c.endEditBlock();
        const int end = c.position();
        c.setPosition(end - static_cast<int>(inserted.size()));
        c.setPosition(end, QTextCursor::KeepAnchor);
        show(c);
    }

    void replace_text(std::string_view text, std::size_t start, std::size_t length) override {
        std::vector<std::string> lines;
        for (std::size_t from = 0;;) {
            const std::size_t end = text.find("\r\n", from);
            lines.emplace_back(text.substr(from, end == std::string_view::npos ? end : end - from));
            if (end == std::string_view::npos) break;
            from = end + 2;
        }
        form_.replace_memo_lines(std::move(lines));
        find_line_starts();
        select(start, length);
    }

    void message(const std::string& text, const std::string& caption) override {
        form_.ui().message(text, caption);
    }

    Answer ask_replace() override {
        return form_.ui().confirm("Replace current text?") == platform::Answer::yes ? Answer::yes
                                                                                    : Answer::no;
    }

  private:
    const std::vector<std::string>& lines() const { return form_.doc.lines; }

    void find_line_starts() {
        starts_.assign(1, 0);
        const auto& l = lines();
        for (std::size_t i = 0; i + 1 < l.size(); ++i)
            starts_.push_back(starts_.back() + l[i].size() + 2);
    }

    int position_of(std::size_t offset) const {
        if (lines().empty()) return 0;
        const std::size_t line =
            static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                                     starts_.begin()) -
            1;
        const std::string_view bytes = lines()[line];
        const std::size_t column = std::min(offset - starts_[line], bytes.size());
        const QTextBlock block = memo_.document()->findBlockByNumber(static_cast<int>(line));
        return block.position() +
               static_cast<int>(platform::to_qstring(bytes.substr(0, column)).size());
    }

    std::size_t byte_of(int position) const {
        const QTextBlock block = memo_.document()->findBlock(position);
        const auto line = static_cast<std::size_t>(std::max(block.blockNumber(), 0));
        if (line >= starts_.size()) return starts_.back();
        return starts_[line] +
               platform::to_gbk(block.text().left(position - block.position())).size();
    }

    void show(const QTextCursor& c) {
        memo_.setTextCursor(c);
        memo_.ensureCursorVisible();
        memo_.setFocus();
    }

    canvas::TForm1& form_;
    QPlainTextEdit& memo_;
    std::vector<std::size_t> starts_{0};  // byte offset of each line in the joined text
};

bool same_key(const QKeyEvent* e, const QKeySequence& key) {
    const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return !key.isEmpty() && key[0] == QKeyCombination(mods, Qt::Key(e->key()));
}

}  // namespace

TMemoSearch::TMemoSearch(canvas::TForm1& form) : QObject(&form), form_(form) {
    setObjectName("MemoSearch1");
    form.source_memo->installEventFilter(this);
}

void TMemoSearch::Find(const std::string& text) {
    open(false, text);
}

void TMemoSearch::Replace(const std::string& text) {
    open(true, text);
}

void TMemoSearch::open(bool replace, const std::string& text) {
    core.open(replace ? MemoSearch::Kind::replace : MemoSearch::Kind::find);
    QString find_text = platform::to_qstring(text);
    if (text.empty()) {
        find_text = form_.source_memo->textCursor().selectedText();
        const auto line_end = find_text.indexOf(QChar::ParagraphSeparator);
        if (line_end >= 0) find_text.truncate(line_end);
    }
    if (dialog_) {
        dialog_->on_close = nullptr;
        dialog_->hide();
        dialog_->deleteLater();
    }
    auto* d = new FindDialog(&form_, replace, core.options, find_text);
    dialog_ = d;
    d->on_find_next = [this] { form_.run_command([this] { find_next(); }); };
    d->on_replace = [this](bool all) { form_.run_command([this, all] { this->replace(all); }); };
    d->on_close = [this, d] {
        core.options = d->chosen_options();
        form_.activateWindow();
    };
    if (!text.empty())
        replace ? this->replace(false) : find_next();
    else
        d->show();
}

void TMemoSearch::find_next() {
    // The text box is the document only in normal editing mode.
    if (!dialog_ || !form_.normal_mode()) return;
    MemoTarget target(form_);
    core.find_next(dialog_->request(false), target);
    if (core.hide_after_search) dialog_->hide();
}

void TMemoSearch::replace(bool all) {
    if (!dialog_ || !form_.normal_mode()) return;
    MemoTarget target(form_);
    core.replace(dialog_->request(all), target);
    if (core.hide_after_search) dialog_->hide();
}

void TMemoSearch::search_again() {
    if (!dialog_ || !form_.normal_mode()) return;
    MemoTarget target(form_);
    core.search_again(dialog_->request(false), target);
}

// The text box sees these keys before the menus do (F3 is also the view switch's shortcut).
bool TMemoSearch::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool search = same_key(key, SearchKey);
    const bool replace = same_key(key, ReplaceKey);
    const bool again = same_key(key, SearchAgainKey) && !core.search_string().empty();
    if (!search && !replace && !again) return false;
    key->accept();
    if (event->type() == QEvent::ShortcutOverride) return true;
    // Opening waits until the key has been handled, so its character types nothing.
    if (search || replace)
        QTimer::singleShot(0, this, [this, replace] {
            form_.run_command([this, replace] { replace ? Replace() : Find(); });
        });
    else
        form_.run_command([this] { search_again(); });
    return true;
}

}  // namespace quillo::textops

namespace quillo::canvas {

void TForm1::attach_memo_search() {
    MemoSearch1 = new textops::TMemoSearch(*this);
}

void TForm1::N_searchClick(const Sender&) {
    MemoSearch1->Find();
}

void TForm1::n_relaceClick(const Sender&) {
    MemoSearch1->Replace();
}

}  // namespace quillo::canvas
