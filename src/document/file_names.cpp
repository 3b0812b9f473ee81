#include "document/file_names.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

// Far beyond any real folder; only a folder full of look-alike names gets here.
constexpr int kMaxNumber = 1'000'000;

}  // namespace

fs::path numbered_file_name(const fs::path& dir, std::string_view base, std::string_view extension,
                            int n) {
    std::string name(base);
    name += "_v";
    name += std::to_string(n);
    if (!extension.empty()) {
        name += '.';
        name += extension;
    }
    return dir / name;
}

fs::path create_numbered_file(const fs::path& dir, std::string_view base,
                              std::string_view extension) {
    for (int n = 1; n <= kMaxNumber; ++n) {
        const fs::path p = numbered_file_name(dir, base, extension, n);
        const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return p;
        }
        if (errno == EEXIST || errno == EISDIR) continue;
        throw platform::FileError("Cannot create file \"" + p.string() + "\". " +
                                  std::strerror(errno));
    }
    throw platform::FileError("Cannot create file \"" +
                              numbered_file_name(dir, base, extension, kMaxNumber).string() +
                              "\". Every number is taken.");
}

std::string document_base_name(std::string_view path) {
    std::size_t end = path.size();
    for (int dropped = 0; dropped < 4 && end > 0; ++dropped) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) --end;
    }
    std::string_view s = path.substr(0, end);
    const std::size_t cut = s.find_last_of("/\\");
    if (cut != std::string_view::npos) s = s.substr(cut + 1);
    return std::string(s);
}

std::string_view file_extension(std::string_view name) {
    const std::size_t slash = name.find_last_of("/\\");
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return name.substr(dot);
}

FileKind open_dialog_kind(std::string_view name) {
    const std::string_view ext = file_extension(name);
    if (ext == ".txt") return FileKind::text;
    if (ext == ".clo") return FileKind::colour;
    return FileKind::none;
}

FileKind command_line_kind(std::string_view name) {
    const std::string_view ext = file_extension(name);
    if (ext == ".txt" || ext == ".TXT") return FileKind::text;
    if (ext == ".clo" || ext == ".CLO") return FileKind::colour;
    return FileKind::none;
}

}  // namespace quillo::document
