#include "tools/qt/text_entry_boxes.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextOption>

namespace quillo::tools {

namespace {

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The cell face, so a half-width character takes 8 pixels and a full-width one 16, as on
// the canvas beneath the box.
QFont cell_face() {
    QFont f(QStringLiteral("Unifont"));
    f.setPixelSize(16);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

// Drops what an input method is composing: the box forgets it, and so does the input method.
void forget_composition(QWidget* box) {
    if (box->hasFocus()) QGuiApplication::inputMethod()->reset();
}

}  // namespace

// ---- the memo of vertical typing ----

EntryMemo::EntryMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(cell_face());
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // One cell wide, breaking between any two characters.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setTabChangesFocus(true);
    setMinimumSize(0, 0);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (events.on_resize_needed) events.on_resize_needed();
    });
}

void EntryMemo::clear_all() {
    if (!preedit_.isEmpty()) {
        QInputMethodEvent none;
        QPlainTextEdit::inputMethodEvent(&none);
        preedit_.clear();
        forget_composition(this);
    }
    clear();
}

void EntryMemo::keyPressEvent(QKeyEvent* e) {
    // Enter ends a column when it is released; it never breaks the memo's line.
    if (is_enter(e->key())) {
        enter_down_ = true;
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void EntryMemo::keyReleaseEvent(QKeyEvent* e) {
    QPlainTextEdit::keyReleaseEvent(e);
    if (e->isAutoRepeat()) return;
    if (is_enter(e->key())) {
        // Only an Enter pressed here counts, not the release of one pressed elsewhere.
        if (!enter_down_) return;
        enter_down_ = false;
    }
    if (events.on_key) events.on_key(e->key());
}

void EntryMemo::inputMethodEvent(QInputMethodEvent* e) {
    QPlainTextEdit::inputMethodEvent(e);
    preedit_ = e->preeditString();
    if (events.on_resize_needed) events.on_resize_needed();
}

void EntryMemo::mousePressEvent(QMouseEvent* e) {
    QPlainTextEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && events.on_click) events.on_click();
}

void EntryMemo::mouseDoubleClickEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && events.on_double_click) events.on_double_click();
}

// ---- the line box of horizontal typing ----

EntryEdit::EntryEdit(QWidget* parent) : QLineEdit(parent) {
    setFont(cell_face());
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setMinimumSize(0, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (events.on_resize_needed) events.on_resize_needed();
    });
}

void EntryEdit::clear_all() {
    if (!preedit_.isEmpty()) {
        QInputMethodEvent none;
        QLineEdit::inputMethodEvent(&none);
        preedit_.clear();
        forget_composition(this);
    }
    // Not clear(), which the box's own Ctrl+Z would take back: the line just written would come
    // back into the box and be written a second time.
    setText(QString());
}

void EntryEdit::keyPressEvent(QKeyEvent* e) {
    if (is_enter(e->key())) {
        e->accept();
        if (events.on_key) events.on_key(e->key());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void EntryEdit::inputMethodEvent(QInputMethodEvent* e) {
    QLineEdit::inputMethodEvent(e);
    preedit_ = e->preeditString();
    if (events.on_resize_needed) events.on_resize_needed();
}

void EntryEdit::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && events.on_click) events.on_click();
}

void EntryEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && events.on_double_click) events.on_double_click();
}

}  // namespace quillo::tools
