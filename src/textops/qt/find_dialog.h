#pragma once
// The find and the replace dialog of the text box: modeless, one at a time, their controls
// named so that scripts and tests reach them.
#include <QDialog>
#include <functional>

#include "textops/memo_search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillo::textops {

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    // `replace` gives the replace dialog (ReplaceDialog1), otherwise the find dialog
    // (FindDialog1). `text` is the find text it starts with (UTF-16).
    FindDialog(QWidget* parent, bool replace, const SearchOptions& options, const QString& text);

    SearchRequest request(bool replace_all) const;
    SearchOptions chosen_options() const;

    QLineEdit* find_text = nullptr;
    QLineEdit* replace_text = nullptr;  // replace dialog only
    QRadioButton* direction_up = nullptr;
    QRadioButton* direction_down = nullptr;
    QCheckBox* match_case = nullptr;
    QCheckBox* whole_word = nullptr;
    QPushButton* find_next = nullptr;
    QPushButton* replace_one = nullptr;  // replace dialog only
    QPushButton* replace_all = nullptr;  // replace dialog only
    QPushButton* close_button = nullptr;

    std::function<void()> on_find_next;
    std::function<void(bool all)> on_replace;
    std::function<void()> on_close;  // hidden: by its button, Escape, or after a search

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void update_buttons();
};

}  // namespace quillo::textops
