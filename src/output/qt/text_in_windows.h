#pragma once
// Ttext_in_windows: the source-text window ("文本文件输入框"). The user types, pastes or loads a
// text into its memo; the text gun and the image conversion read the memo's lines. Created once
// with the main window, it keeps its text for the whole run and is shown modally.
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui_services.h"

class QPlainTextEdit;
class QToolButton;

namespace quillo::output {

// The source text feeds 200 bytes at a time to the text gun and a picture's worth to the image
// conversion; a megabyte is a whole book, and a text box with more grows slow to lay out.
inline constexpr std::uintmax_t kMaxSourceBytes = 1 << 20;

class Ttext_in_windows : public QDialog {
    Q_OBJECT
  public:
    explicit Ttext_in_windows(platform::UiServices& ui, QWidget* parent = nullptr);

    // The source text: one GBK string per memo line. An empty memo has no line, and an empty
    // line after the last line break does not count. Loaded lines come back byte for byte; the
    // memo is read again only after the user changed it.
    const std::vector<std::string>& lines();

    // Puts these lines (GBK) in place of the memo's text.
    void set_lines(std::vector<std::string> lines);

    // Shows the window modally and returns when the user closes it (tb_ok or the close box).
    void show_modal();

    // ---- handlers ----
    void tb_openfileClick();  // a text file in place of the memo's text
    void tb_okClick();        // closes the window

    // ---- widgets under their component names ----
    QPlainTextEdit* pen_txt_memo = nullptr;
    QToolButton* tb_openfile = nullptr;
    QToolButton* tb_ok = nullptr;

  private:
    void too_large(const std::string& path, std::uintmax_t size);

    platform::UiServices& ui_;
    std::vector<std::string> lines_;
    bool memo_changed_ = false;  // the memo holds text lines_ does not have yet
    bool setting_text_ = false;
};

}  // namespace quillo::output
