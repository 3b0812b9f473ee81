#include "document/program_paths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "document/ini_file.h"
#include "document/save_file.h"
#include "document/settings_file.h"
#include "document/text_file.h"
#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

bool file_is_writable(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// Creates the user's settings file from the shipped one; false when that cannot be done.
bool seed_settings_file(const fs::path& target, const fs::path& shipped) {
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (!folder_is_writable(target.parent_path())) return false;
    try {
        std::string bytes;
        if (fs::is_regular_file(shipped, ec)) {
            bytes = read_file_bytes(shipped);
        } else {
            IniFile ini;
            write_every_setting(shipped_settings(), ini);
            bytes = ini.to_bytes();
        }
        write_file_atomically(target, bytes);
        return true;
    } catch (const platform::FileError&) {
        return false;
    }
}

}  // namespace

bool folder_is_writable(const fs::path& dir) {
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir, ec)) return false;
    std::string probe = (dir / ".quillo-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

fs::path config_home(const std::string& xdg_config_home, const std::string& home) {
    if (!xdg_config_home.empty() && fs::path(xdg_config_home).is_absolute())
        return fs::path(xdg_config_home);
    if (!home.empty()) return fs::path(home) / ".config";
    return {};
}

SettingsLocation settings_location(const fs::path& program_dir, const fs::path& config_dir,
                                   bool program_dir_forced) {
    const fs::path beside = program_dir / kSettingsFileName;
    std::error_code ec;
    const bool beside_exists = fs::is_regular_file(beside, ec);
    if (program_dir_forced) return {beside, beside_exists && file_is_writable(beside)};
    // The save replaces the file through its folder, so both must be writable.
    if (beside_exists && file_is_writable(beside) && folder_is_writable(program_dir))
        return {beside, true};

    if (!config_dir.empty()) {
        const fs::path user = config_dir / "quillo" / kSettingsFileName;
        if (fs::is_regular_file(user, ec)) {
            if (file_is_writable(user) && folder_is_writable(user.parent_path()))
                return {user, true};
        } else if (seed_settings_file(user, beside)) {
            return {user, true};
        }
        if (fs::is_regular_file(user, ec)) return {user, false};
    }
    if (beside_exists) return {beside, false};
    return {};
}

SettingsLocation settings_location_from_environment(const fs::path& program_dir,
                                                    bool program_dir_forced) {
    return settings_location(program_dir, config_home(env("XDG_CONFIG_HOME"), env("HOME")),
                             program_dir_forced);
}

fs::path temp_dir(const fs::path& program_dir, const std::string& home) {
    std::error_code ec;
    if (!program_dir.empty()) {
        const fs::path t = fs::absolute(program_dir, ec) / "temp";
        fs::create_directories(t, ec);
        if (folder_is_writable(t)) return t;
    }
    if (!home.empty()) {
        const fs::path t = fs::absolute(fs::path(home), ec) / "Documents" / "Quillo" / "temp";
        fs::create_directories(t, ec);
        if (folder_is_writable(t)) return t;
    }
    return {};
}

fs::path temp_dir_from_environment(const fs::path& program_dir) {
    return temp_dir(program_dir, env("HOME"));
}

}  // namespace quillo::document
