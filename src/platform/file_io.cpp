#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace quillo::platform {

namespace fs = std::filesystem;

FileBytes read_file_bytes(const fs::path& path) {
    FileBytes f;
    std::error_code ec;
    f.exists = fs::exists(path, ec);
    if (!f.exists) return f;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path, ec)) {
        f.readable = false;
        return f;
    }
    f.bytes.assign(std::istreambuf_iterator<char>(in), {});
    f.readable = !in.bad();
    return f;
}

bool replace_file(const fs::path& requested, std::string_view bytes, std::optional<mode_t> mode) {
    std::error_code ec;
    fs::path path = requested;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (ec) return false;
        path = target;
    }
    const fs::path dir = path.parent_path();
    if (!dir.empty()) fs::create_directories(dir, ec);
    struct stat old {};
    const bool had_old = ::stat(path.c_str(), &old) == 0;
    if (had_old && !S_ISREG(old.st_mode)) return false;

    std::string name = (dir / ("." + path.filename().string() + ".quillo-XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    mode_t m = 0;
    if (mode) {
        m = *mode;
    } else if (had_old) {
        m = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        m = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, m) == 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && (::fsync(fd) == 0 || errno == EINVAL);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(name.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(name.c_str());
    return ok;
}

bool remove_file(const fs::path& path) {
    std::error_code ec;
    return fs::remove(path, ec) && !ec;
}

}  // namespace quillo::platform
