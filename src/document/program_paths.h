#pragma once
// Where the program keeps its settings file and its generated files on Linux. Environment
// values are arguments so that tests choose them; the *_from_environment wrappers read getenv.
#include <filesystem>
#include <string>

namespace quillo::document {

// True when a file can be created in `dir` (tried for real: a probe file is created and
// removed, so read-only mounts and permissions all count).
bool folder_is_writable(const std::filesystem::path& dir);

// The user's config folder: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config;
// empty when neither is known.
std::filesystem::path config_home(const std::string& xdg_config_home, const std::string& home);

struct SettingsLocation {
    std::filesystem::path path;  // the file to read at start-up and to write at exit; may be empty
    bool writable = false;       // false: the loss message is due at exit
};

// Chooses the settings file:
// - `program_dir_forced` (--program-dir): program_dir/quillo.ini only, writable when it exists
//   and can be written;
// - program_dir/quillo.ini when it exists and it and its folder can be written (portable use);
// - otherwise <config_home>/quillo/quillo.ini, created the first time as a copy of the shipped
//   program_dir/quillo.ini (or, without one, from the built-in shipped settings);
// - when that cannot be written either: the shipped file for reading, not writable.
// Called at start-up and again at exit, so a settings file deleted during the run is seeded
// afresh where that is possible.
SettingsLocation settings_location(const std::filesystem::path& program_dir,
                                   const std::filesystem::path& config_home,
                                   bool program_dir_forced);
SettingsLocation settings_location_from_environment(const std::filesystem::path& program_dir,
                                                    bool program_dir_forced);

// The folder for generated files (pages, views, spill files), absolute and created:
// program_dir/temp when it can be written, else <home>/Documents/Quillo/temp (a folder a
// sandboxed browser can read, so not a hidden one); empty when neither can be written.
std::filesystem::path temp_dir(const std::filesystem::path& program_dir, const std::string& home);
std::filesystem::path temp_dir_from_environment(const std::filesystem::path& program_dir);

}  // namespace quillo::document
