#include "imagetext/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "imagetext/bmp_reader.h"
#include "imagetext/jpeg_reader.h"

namespace quillo::imagetext {

namespace fs = std::filesystem;

PictureFormat sniff_picture(std::span<const std::uint8_t> bytes) {
    if (looks_like_bmp(bytes)) return PictureFormat::bmp;
    if (looks_like_jpeg(bytes)) return PictureFormat::jpeg;
    static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= sizeof kPng && std::equal(std::begin(kPng), std::end(kPng), bytes.begin()))
        return PictureFormat::png;
    return PictureFormat::unknown;
}

std::string picture_error_text(const fs::path& path, const std::string& reason) {
    return "Cannot open picture \"" + path.string() + "\": " + reason;
}

namespace {

// An open picture file: a regular file within the size cap.
int open_picture(const fs::path& path) {
    const auto fail = [&](const std::string& why) {
        throw PictureError(picture_error_text(path, why));
    };
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) fail("The file does not exist.");
    if (fs::is_directory(st)) fail("It is a folder.");
    if (!fs::is_regular_file(st)) fail("It is not a regular file.");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(std::string("The file cannot be read (") + std::strerror(errno) + ").");
    return fd;
}

}  // namespace

PictureBytes read_picture_bytes(const fs::path& path) {
    const auto fail = [&](const std::string& why) {
        throw PictureError(picture_error_text(path, why));
    };
    const int fd = open_picture(path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || std::uint64_t(info.st_size) > kMaxPictureFileBytes) {
        ::close(fd);
        fail("The file is too large for a picture.");
    }
    const std::size_t size = std::size_t(info.st_size);
    std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[size > 0 ? size : 1]);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data.get() + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = n < 0 ? std::strerror(errno) : "it ended early";
            ::close(fd);
            fail("The file cannot be read (" + why + ").");
        }
        got += std::size_t(n);
    }
    ::close(fd);
    return PictureBytes(std::move(data), size);
}

Picture decode_picture(std::span<const std::uint8_t> bytes, const DecodeLimits& limits, int min_w,
                       int min_h) {
    switch (sniff_picture(bytes)) {
        case PictureFormat::bmp:
            return read_bmp(bytes, limits);
        case PictureFormat::jpeg:
            return read_jpeg(bytes, limits, min_w, min_h);
        case PictureFormat::png:
            throw PictureError("PNG pictures are not read here.");
        case PictureFormat::unknown:
            break;
    }
    if (bytes.empty()) throw PictureError("The file is empty.");
    throw PictureError("The file is not a BMP or JPEG picture.");
}

}  // namespace quillo::imagetext

namespace quillo::imagetext {

Picture load_picture_file(const fs::path& path, int min_w, int min_h, PictureFormat* format,
                          const DecodeLimits& limits) {
    {
        const int fd = open_picture(path);
        std::uint8_t head[8] = {};
        const ssize_t n = ::read(fd, head, sizeof head);
        const PictureFormat kind = sniff_picture({head, n > 0 ? std::size_t(n) : std::size_t(0)});
        if (format) *format = kind;
        if (kind == PictureFormat::png) {
            ::close(fd);
            return Picture{};
        }
        if (kind == PictureFormat::jpeg) {
            std::FILE* file = ::lseek(fd, 0, SEEK_SET) == 0 ? ::fdopen(fd, "rb") : nullptr;
            if (!file) {
                ::close(fd);
                throw PictureError(picture_error_text(path, "The file cannot be read."));
            }
            try {
                Picture p = read_jpeg_file(file, limits, min_w, min_h);
                std::fclose(file);
                return p;
            } catch (const PictureError& e) {
                std::fclose(file);
                throw PictureError(picture_error_text(path, e.what()));
            }
        }
        ::close(fd);
    }
    const PictureBytes file = read_picture_bytes(path);
    try {
        return decode_picture(file.bytes(), limits, min_w, min_h);
    } catch (const PictureError& e) {
        throw PictureError(picture_error_text(path, e.what()));
    }
}

}  // namespace quillo::imagetext
