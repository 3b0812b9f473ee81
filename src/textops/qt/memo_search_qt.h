#pragma once
// MemoSearch1: find and replace attached to source_memo. It opens the find or replace dialog,
// runs the search core on the text box and hooks the box's keys: Ctrl+F opens the find dialog,
// Ctrl+R the replace dialog, and F3 repeats the last search (when there is none, F3 goes on to
// the menus and switches the view as before).
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <string>

#include "textops/memo_search.h"

namespace quillo::canvas {
class TForm1;
}

namespace quillo::textops {

class FindDialog;

class TMemoSearch : public QObject {
    Q_OBJECT
  public:
    explicit TMemoSearch(canvas::TForm1& form);

    QKeySequence SearchKey{Qt::CTRL | Qt::Key_F};
    QKeySequence ReplaceKey{Qt::CTRL | Qt::Key_R};
    QKeySequence SearchAgainKey{Qt::Key_F3};
    MemoSearch core;

    // With an empty text the dialog opens; with a text (GBK) the search or replacement runs at
    // once. The find text starts as the text box's selection when no text is given.
    void Find(const std::string& text = {});
    void Replace(const std::string& text = {});
    void search_again();

    FindDialog* dialog() const { return dialog_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open(bool replace, const std::string& text);
    void find_next();
    void replace(bool all);

    canvas::TForm1& form_;
    QPointer<FindDialog> dialog_;
};

}  // namespace quillo::textops
