#include "platform/scripted_ui.h"

#include <utility>

namespace quillo::platform {

namespace {

[[noreturn]] void unexpected(const char* kind, const std::string& text) {
    throw UnexpectedDialog(std::string("no answer queued for ") + kind + " dialog: \"" + text +
                           "\"");
}

}  // namespace

bool ScriptedUi::pending_answers() const {
    return !answers_.empty() || !inputs_.empty() || !files_.empty() || !colours_.empty();
}

std::vector<ScriptedUi::Shown> ScriptedUi::take_shown() {
    std::vector<Shown> out;
    out.swap(shown_);
    return out;
}

void ScriptedUi::message(const std::string& text, const std::string& caption, Icon icon) {
    shown_.push_back({Shown::message, text, caption, icon, {}});
}

Answer ScriptedUi::confirm(const std::string& text, const std::string& caption, Icon icon,
                           bool with_cancel) {
    shown_.push_back({Shown::confirm, text, caption, icon, {}});
    if (answers_.empty()) unexpected("confirm", text);
    const Answer a = answers_.front();
    // A Yes/No box has no way to cancel; a queued cancel here means the script is wrong.
    if (a == Answer::cancel && !with_cancel) {
        throw UnexpectedDialog("cancel queued for a Yes/No confirm dialog: \"" + text + "\"");
    }
    answers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedUi::input(const std::string& caption, const std::string& prompt,
                                             const std::string& default_text) {
    shown_.push_back({Shown::input, prompt, caption, Icon::none, default_text});
    if (inputs_.empty()) unexpected("input", prompt);
    auto r = std::move(inputs_.front());
    inputs_.pop_front();
    return r;
}

std::optional<FileDialogResult> ScriptedUi::file_dialog(Shown::Kind kind,
                                                        const FileDialogRequest& request) {
    shown_.push_back({kind, request.file_name, request.title, Icon::none, {}});
    file_requests_.push_back(request);
    if (files_.empty()) {
        unexpected(kind == Shown::open_file ? "open file" : "save file", request.title);
    }
    auto r = std::move(files_.front());
    files_.pop_front();
    return r;
}

std::optional<FileDialogResult> ScriptedUi::open_file(const FileDialogRequest& request) {
    return file_dialog(Shown::open_file, request);
}

std::optional<FileDialogResult> ScriptedUi::save_file(const FileDialogRequest& request) {
    return file_dialog(Shown::save_file, request);
}

std::optional<std::int32_t> ScriptedUi::choose_colour(std::int32_t initial) {
    const std::string text = std::to_string(initial);
    shown_.push_back({Shown::colour, text, {}, Icon::none, {}});
    if (colours_.empty()) unexpected("colour", text);
    const auto r = colours_.front();
    colours_.pop_front();
    return r;
}

bool ScriptedUi::open_with_default_program(const std::string& path_or_url) {
    opened_.push_back(path_or_url);
    return desktop_result_;
}

bool ScriptedUi::start_program(const std::string& program, const std::vector<std::string>& args) {
    started_.push_back({program, args});
    return desktop_result_;
}

}  // namespace quillo::platform
