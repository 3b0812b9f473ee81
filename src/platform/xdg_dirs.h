#pragma once
// The user's folders as the XDG base-directory and user-directories conventions place them.
// Environment values are arguments, so that tests choose them; xdg_dirs_from_environment()
// reads getenv.
#include <filesystem>
#include <string>

namespace quillo::platform {

struct XdgDirs {
    std::filesystem::path home;
    std::filesystem::path data_home;    // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path config_home;  // $XDG_CONFIG_HOME, else ~/.config
    std::filesystem::path desktop;      // the desktop folder; empty when there is none
};

// A variable that is unset, empty or relative counts as unset (the convention says to ignore
// it); without a home folder the defaults are empty too.
XdgDirs xdg_dirs(const std::string& home, const std::string& xdg_data_home,
                 const std::string& xdg_config_home);
XdgDirs xdg_dirs_from_environment();

// The desktop folder: XDG_DESKTOP_DIR of <config_home>/user-dirs.dirs ("$HOME/..." or an
// absolute path), else ~/Desktop. A desktop set to the home folder itself means the user has
// none: the result is empty then. Whether the folder exists is not checked here.
std::filesystem::path desktop_folder(const std::filesystem::path& config_home,
                                     const std::filesystem::path& home);

}  // namespace quillo::platform
