#pragma once
// The two borderless boxes that float over the canvas while the user types onto it: the
// one-cell-wide memo of vertical typing and the one-line box of horizontal typing. Both take
// input-method text like any text box (the pre-edit text shows in the box, which grows to hold
// it) and tell the main window about keys, clicks and changes.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

namespace quillo::tools {

// What the boxes report to their owner.
struct EntryBoxEvents {
    std::function<void(int key)> on_key;  // memo: a key released; line box: Enter pressed
    std::function<void()> on_click;
    std::function<void()> on_double_click;
    std::function<void()> on_resize_needed;  // the text or the pre-edit text changed
};

class EntryMemo : public QPlainTextEdit {
  public:
    explicit EntryMemo(QWidget* parent);
    EntryBoxEvents events;
    // The text an input method is composing, not yet part of the text.
    const QString& preedit() const { return preedit_; }
    void clear_all();  // the text and any composition

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    QString preedit_;
    bool enter_down_ = false;
};

class EntryEdit : public QLineEdit {
  public:
    explicit EntryEdit(QWidget* parent);
    EntryBoxEvents events;
    const QString& preedit() const { return preedit_; }
    void clear_all();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    QString preedit_;
};

}  // namespace quillo::tools
