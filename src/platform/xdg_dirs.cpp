#include "platform/xdg_dirs.h"

#include <cstdlib>
#include <fstream>

namespace quillo::platform {

namespace fs = std::filesystem;

namespace {

fs::path absolute_or_empty(const std::string& value) {
    const fs::path p(value);
    return p.is_absolute() ? p : fs::path();
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs, without its quotes; empty when absent.
std::string configured_desktop(const fs::path& config_home) {
    std::ifstream in(config_home / "user-dirs.dirs");
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DESKTOP_DIR=";
        const auto at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, key.size(), key) != 0) continue;
        std::string value = line.substr(at + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            found = value.substr(1, value.size() - 2);
    }
    return found;
}

bool same_folder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::weakly_canonical(a, ec).lexically_normal() ==
           fs::weakly_canonical(b, ec).lexically_normal();
}

}  // namespace

fs::path desktop_folder(const fs::path& config_home, const fs::path& home) {
    fs::path desktop;
    const std::string configured = config_home.empty() ? "" : configured_desktop(config_home);
    if (configured == "$HOME" || configured == "$HOME/") {
        desktop = home;
    } else if (configured.rfind("$HOME/", 0) == 0) {
        desktop = home / configured.substr(6);
    } else if (!configured.empty() && configured.front() == '/') {
        desktop = configured;
    } else if (!home.empty()) {
        desktop = home / "Desktop";
    }
    if (desktop.empty() || home.empty() || same_folder(desktop, home)) return {};
    return desktop;
}

XdgDirs xdg_dirs(const std::string& home, const std::string& xdg_data_home,
                 const std::string& xdg_config_home) {
    XdgDirs d;
    d.home = absolute_or_empty(home);
    d.data_home = absolute_or_empty(xdg_data_home);
    if (d.data_home.empty() && !d.home.empty()) d.data_home = d.home / ".local" / "share";
    d.config_home = absolute_or_empty(xdg_config_home);
    if (d.config_home.empty() && !d.home.empty()) d.config_home = d.home / ".config";
    d.desktop = desktop_folder(d.config_home, d.home);
    return d;
}

XdgDirs xdg_dirs_from_environment() {
    return xdg_dirs(env("HOME"), env("XDG_DATA_HOME"), env("XDG_CONFIG_HOME"));
}

}  // namespace quillo::platform
