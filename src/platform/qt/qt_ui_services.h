#pragma once
// The UI services of the real program: Qt message boxes, input and file and colour dialogs,
// the desktop's default programs and the clipboard.
#include "platform/ui_services.h"

class QWidget;

namespace quillo::platform {

class QtUiServices : public UiServices {
  public:
    // Dialogs are modal over `parent` (may be null before the main window exists).
    explicit QtUiServices(QWidget* parent = nullptr) : parent_(parent) {}

    void set_parent(QWidget* parent) { parent_ = parent; }

    void message(const std::string& text, const std::string& caption = {},
                 Icon icon = Icon::information) override;
    Answer confirm(const std::string& text, const std::string& caption = {},
                   Icon icon = Icon::question, bool with_cancel = false) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& default_text) override;
    std::optional<FileDialogResult> open_file(const FileDialogRequest& request) override;
    std::optional<FileDialogResult> save_file(const FileDialogRequest& request) override;
    std::optional<std::int32_t> choose_colour(std::int32_t initial) override;
    bool open_with_default_program(const std::string& path_or_url) override;
    bool start_program(const std::string& program, const std::vector<std::string>& args) override;
    std::string clipboard_text() override;
    void set_clipboard_text(const std::string& text) override;

  private:
    std::optional<FileDialogResult> file_dialog(const FileDialogRequest& request, bool save);

    QWidget* parent_;
};

}  // namespace quillo::platform
