#pragma once
// The dialogs and desktop services the windows call. One interface: a Qt implementation for
// the real program and a scripted double (scripted_ui.h) for tests and script mode.
// All texts crossing this interface are UTF-8; callers convert document bytes with the GBK codec.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillo::platform {

enum class Icon { none, information, warning, error, question };
enum class Answer { yes, no, cancel };

// A file dialog as the windows describe it. `filter` is in the Windows form
// "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*"; filter_index is 1-based.
struct FileDialogRequest {
    std::string title;
    std::string filter;
    int filter_index = 1;
    std::string file_name;  // initial file name (may hold a folder)
    std::string initial_dir;
    std::string default_ext;  // without the dot
    bool overwrite_prompt = false;
};

struct FileDialogResult {
    std::string path;
    int filter_index = 1;
};

class UiServices {
  public:
    virtual ~UiServices() = default;

    // Information box; returns when the user closed it.
    virtual void message(const std::string& text, const std::string& caption = {},
                         Icon icon = Icon::information) = 0;

    // Yes/No (with_cancel false) or Yes/No/Cancel confirmation.
    virtual Answer confirm(const std::string& text, const std::string& caption = {},
                           Icon icon = Icon::question, bool with_cancel = false) = 0;

    // One-line input box. nullopt when cancelled: callers that follow the classic input box
    // use input_or_default().
    virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                             const std::string& default_text) = 0;

    virtual std::optional<FileDialogResult> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> save_file(const FileDialogRequest& request) = 0;

    // Colour dialog on Windows colour values (0x00BBGGRR).
    virtual std::optional<std::int32_t> choose_colour(std::int32_t initial) = 0;

    // Opens a file, folder or address with its default program. False when nothing could.
    virtual bool open_with_default_program(const std::string& path_or_url) = 0;

    // Starts a program with an argument list, never through a shell. False when it failed.
    virtual bool start_program(const std::string& program,
                               const std::vector<std::string>& args) = 0;

    virtual std::string clipboard_text() = 0;
    virtual void set_clipboard_text(const std::string& text) = 0;

    // The classic input box: the default text when cancelled.
    std::string input_or_default(const std::string& caption, const std::string& prompt,
                                 const std::string& default_text) {
        auto r = input(caption, prompt, default_text);
        return r ? *r : default_text;
    }
};

}  // namespace quillo::platform
