#include "imagetext/picture_file.h"

#include <fstream>
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

std::string read_picture_bytes(const fs::path& path) {
    const auto fail = [&](const std::string& why) {
        throw PictureError(picture_error_text(path, why));
    };
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) fail("The file does not exist.");
    if (fs::is_directory(st)) fail("It is a folder.");
    if (!fs::is_regular_file(st)) fail("It is not a regular file.");
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) fail("The file cannot be read (" + ec.message() + ").");
    if (size > kMaxPictureFileBytes) fail("The file is too large for a picture.");
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("The file cannot be read.");
    std::string bytes(size, '\0');
    in.read(bytes.data(), std::streamsize(size));
    if (in.gcount() != std::streamsize(size)) fail("The file cannot be read (read error).");
    return bytes;
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
