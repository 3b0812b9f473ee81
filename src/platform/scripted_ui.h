#pragma once
// UI services answered from queues, for tests and the script mode. Every dialog shown is
// recorded; a dialog that needs an answer and finds none throws UnexpectedDialog.
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui_services.h"

namespace quillo::platform {

// Not a PlatformError on purpose: the command runner must not turn a broken script into a
// message box.
class UnexpectedDialog : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class ScriptedUi : public UiServices {
  public:
    struct Shown {
        enum Kind { message, confirm, input, open_file, save_file, colour };
        Kind kind;
        std::string text;     // message/confirm text, input prompt, file dialog's initial name,
                              // colour dialog's initial value in decimal
        std::string caption;  // box caption, input caption, file dialog title
        Icon icon = Icon::none;
        std::string default_text;  // the text an input box starts with
    };

    struct ProgramStart {
        std::string program;
        std::vector<std::string> args;
    };

    void queue_answer(Answer answer) { answers_.push_back(answer); }
    void queue_input(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void queue_file(std::optional<FileDialogResult> result) { files_.push_back(std::move(result)); }
    void queue_colour(std::optional<std::int32_t> colour) { colours_.push_back(colour); }

    // What open_with_default_program and start_program report back.
    void set_desktop_result(bool ok) { desktop_result_ = ok; }

    bool pending_answers() const;

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<Shown> take_shown();
    // The full requests of the file dialogs shown, in order.
    const std::vector<FileDialogRequest>& file_requests() const { return file_requests_; }
    const std::vector<std::string>& opened() const { return opened_; }
    const std::vector<ProgramStart>& started() const { return started_; }

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
    std::string clipboard_text() override { return clipboard_; }
    void set_clipboard_text(const std::string& text) override { clipboard_ = text; }

  private:
    std::optional<FileDialogResult> file_dialog(Shown::Kind kind, const FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::optional<FileDialogResult>> files_;
    std::deque<std::optional<std::int32_t>> colours_;
    std::vector<Shown> shown_;
    std::vector<FileDialogRequest> file_requests_;
    std::vector<std::string> opened_;
    std::vector<ProgramStart> started_;
    std::string clipboard_;
    bool desktop_result_ = true;
};

}  // namespace quillo::platform
