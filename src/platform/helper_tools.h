#pragma once
// Helper programs of the desktop (update-desktop-database, update-mime-database...), run with
// an argument list and never through a shell.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillo::platform {

// Runs `program` (looked up in PATH) with `args`, its output discarded, and waits for it. The
// exit status, or nullopt when the program is not installed or could not be started.
std::optional<int> run_helper_tool(const std::string& program,
                                   const std::vector<std::string>& args);

// How the desktop integration runs a helper: true when it ran. Tests put a recorder in place.
using HelperRunner =
    std::function<bool(const std::string& program, const std::vector<std::string>& args)>;
HelperRunner installed_helper_runner();

}  // namespace quillo::platform
