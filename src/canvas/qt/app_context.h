#pragma once
// What the windows need from the program around them.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/ui_services.h"

namespace quillo::canvas {

struct AppContext {
    std::filesystem::path program_dir;  // the folder the program behaves as if it stood in
    platform::UiServices* ui = nullptr;
    std::optional<std::string> command_line_file;  // as given (UTF-8)
    bool script_mode = false;                      // no splash, nothing shown on screen
    bool program_dir_forced = false;  // --program-dir: settings live there and nowhere else
    // Script mode: a dialog the script gave no answer for ended a command. Without it the
    // exception goes on to the caller.
    std::function<void(const std::string&)> on_unexpected_dialog;
};

}  // namespace quillo::canvas
