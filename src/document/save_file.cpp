#include "document/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "canvas/row_text.h"
#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& path, int err) {
    std::string reason;
    switch (err) {
        case EACCES:
        case EPERM:
            reason = "Permission denied: the folder or the file is write-protected.";
            break;
        case EROFS:
            reason = "The folder is on a read-only file system.";
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            reason = "There is not enough space on the disk.";
            break;
        case EISDIR:
            reason = "It is a folder.";
            break;
        case ENOENT:
        case ENOTDIR:
            reason = "The folder does not exist.";
            break;
        default:
            reason = std::strerror(err);
            break;
    }
    throw platform::FileError("Cannot save file \"" + path.string() + "\". " + reason);
}

// Closes and removes the temporary file unless it was handed over by rename.
struct TempFile {
    int fd = -1;
    std::string name;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!name.empty()) ::unlink(name.c_str());
    }
};

mode_t current_umask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

}  // namespace

void write_file_atomically(const fs::path& requested, std::string_view bytes) {
    fs::path path = requested;
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec) path = target;
    }
    struct stat old {};
    const bool had_old = ::stat(path.c_str(), &old) == 0;
    if (had_old && S_ISDIR(old.st_mode)) fail(requested, EISDIR);
    if (had_old && !S_ISREG(old.st_mode))
        throw platform::FileError("Cannot save file \"" + requested.string() +
                                  "\". It is not a regular file.");

    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    TempFile tmp;
    std::string pattern = (dir / ("." + path.filename().string() + ".quillo-XXXXXX")).string();
    tmp.fd = ::mkstemp(pattern.data());
    if (tmp.fd < 0) fail(requested, errno);
    tmp.name = pattern;

    const mode_t mode = had_old ? (old.st_mode & 07777) : (0666 & ~current_umask());
    ::fchmod(tmp.fd, mode);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(tmp.fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(requested, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(tmp.fd) != 0 && errno != EINVAL) fail(requested, errno);
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) fail(requested, errno);
    if (::rename(tmp.name.c_str(), path.c_str()) != 0) fail(requested, errno);
    tmp.name.clear();

    // The rename itself reaches the disk with the folder.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

fs::path backup_path(const fs::path& path) {
    fs::path b = path;
    b += ".bak";
    return b;
}

bool make_backup(const fs::path& path) noexcept {
    try {
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) return false;
        fs::copy_file(path, backup_path(path), fs::copy_options::overwrite_existing, ec);
        return !ec;
    } catch (...) {
        return false;
    }
}

std::string document_bytes(const std::vector<std::string>& lines, bool blank_out) {
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        if (blank_out && !l.empty() && l.back() == ' ') {
            out += canvas::trailing_space_trim(l);
        } else {
            out += l;
        }
        out += "\r\n";
    }
    return out;
}

void save_document(const fs::path& path, const std::vector<std::string>& lines, bool blank_out,
                   bool backup) {
    if (backup) make_backup(path);
    write_file_atomically(path, document_bytes(lines, blank_out));
}

}  // namespace quillo::document
