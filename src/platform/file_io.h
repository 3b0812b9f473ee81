#pragma once
// Small files read whole and replaced whole, never half-written: a new file is written beside
// the old one and renamed over it. No exceptions: failures are results.
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillo::platform {

struct FileBytes {
    bool exists = false;
    bool readable = true;  // false: it exists but cannot be read
    std::string bytes;
};
FileBytes read_file_bytes(const std::filesystem::path& path);

// Replaces (or creates, with its folders) `path`. A symbolic link is followed, so the file it
// names is replaced. `mode` nullopt: an old file keeps its permissions, a new one gets the
// usual ones. False when nothing was changed.
bool replace_file(const std::filesystem::path& path, std::string_view bytes,
                  std::optional<mode_t> mode = std::nullopt);

// Removes a file; true when it was there and is gone.
bool remove_file(const std::filesystem::path& path);

}  // namespace quillo::platform
