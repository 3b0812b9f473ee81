#pragma once
// `quillo --script FILE`: the real windows, shown nowhere, driven by a script.
#include <filesystem>
#include <optional>
#include <string>

namespace quillo::script {

struct ScriptModeOptions {
    std::string script;  // as given: failures name it this way
    std::filesystem::path program_dir;
    std::optional<std::string> document;  // as given on the command line
};

// Points HOME and the XDG base folders (config, data, cache, state) at DIR/home and beneath,
// creating them, so that nothing a script runs reads or writes the real home folder. No
// user-dirs.dirs is made there: the desktop folder is DIR/home/Desktop. Call before anything
// reads a path (before the QApplication exists).
void isolate_home(const std::filesystem::path& program_dir);

// Keeps Qt's own warnings off stderr, where a script run prints only its verdict.
// Call before the QApplication exists. QUILLO_SCRIPT_VERBOSE=1 lets them through.
void quiet_qt_messages();

// Runs the script to its end (0) or to its first failure (1, after one line
// "FILE:LINE: what failed" on stderr). A QApplication must exist.
int run_script_mode(const ScriptModeOptions& options);

}  // namespace quillo::script
