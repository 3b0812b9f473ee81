#include "document/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "document/document.h"
#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& path, const std::string& reason) {
    throw platform::FileError("Cannot open file \"" + path.string() + "\". " + reason);
}

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::string read_file_bytes(const fs::path& path) {
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (f.fd < 0) {
        if (errno == ENOENT) fail(path, "The file does not exist.");
        fail(path, std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fail(path, std::strerror(errno));
    if (S_ISDIR(st.st_mode)) fail(path, "It is a folder.");
    if (!S_ISREG(st.st_mode)) fail(path, "It is not a regular file.");
    if (static_cast<std::uint64_t>(st.st_size) > kMaxDocumentBytes)
        fail(path, "The file is too large.");

    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    // The size may change under us: read to the end, growing if the file grew.
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() >= kMaxDocumentBytes) fail(path, "The file is too large.");
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t n = ::read(f.fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw platform::FileError("Read error on file \"" + path.string() + "\". " +
                                      std::strerror(errno));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::vector<std::string> read_text_lines(const fs::path& path) {
    return split_lines(read_file_bytes(path));
}

TextFileContents read_text_file(const fs::path& path) {
    const std::string bytes = read_file_bytes(path);
    TextFileContents c;
    c.byte_count = bytes.size();
    c.has_nul = bytes.find('\0') != std::string::npos;
    c.lines = split_lines(bytes);
    return c;
}

void SavedLines::remember(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size();
    bytes_.clear();
    bytes_.reserve(total);
    ends_.clear();
    ends_.reserve(lines.size());
    for (const auto& l : lines) {
        bytes_ += l;
        ends_.push_back(bytes_.size());
    }
}

bool SavedLines::differs(const std::vector<std::string>& lines) const {
    if (lines.size() != ends_.size()) return true;
    std::size_t start = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        const std::size_t len = ends_[i] - start;
        if (l.size() != len) return true;
        if (len != 0 && std::memcmp(l.data(), bytes_.data() + start, len) != 0) return true;
        start = ends_[i];
    }
    return false;
}

}  // namespace quillo::document
