#pragma once
// Opening a picture file: its bytes are read (within a size cap), its kind is told from its
// first bytes rather than from its name, and it is decoded. Any failure is a PictureError that
// names the file, thrown before the caller's picture is touched.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "imagetext/picture.h"
#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

enum class PictureFormat { unknown, bmp, jpeg, png };

PictureFormat sniff_picture(std::span<const std::uint8_t> bytes);

// A picture file's bytes, read whole into memory that is not cleared first (a photo of
// several megabytes is read once, not written twice).
class PictureBytes {
  public:
    PictureBytes() = default;
    PictureBytes(std::unique_ptr<std::uint8_t[]> data, std::size_t size)
        : data_(std::move(data)), size_(size) {}
    std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }
    std::string_view view() const { return {reinterpret_cast<const char*>(data_.get()), size_}; }

  private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
};

// The file's bytes; PictureError for a missing, unreadable or oversized file or a folder.
PictureBytes read_picture_bytes(const std::filesystem::path& path);

// A BMP or JPEG picture. A JPEG is decoded at the smallest DCT scale that still gives at least
// min_w x min_h pixels (0 x 0: full size). Other kinds throw PictureError.
Picture decode_picture(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {},
                       int min_w = 0, int min_h = 0);

// A picture file, opened as the image window opens it: a JPEG is decoded straight from the
// file at the DCT scale for min_w x min_h, a bitmap is read whole and decoded. A PNG gives
// PictureFormat::png in `format` and an empty picture: the caller reads it. Errors name the file.
Picture load_picture_file(const std::filesystem::path& path, int min_w, int min_h,
                          PictureFormat* format, const DecodeLimits& limits = {});

// "Cannot open picture "name": " + the reason, as the window shows it.
std::string picture_error_text(const std::filesystem::path& path, const std::string& reason);

// The image window shows the source picture itself, so a photo is decoded with at least this
// many pixels on its shorter side: plenty for any resolution image and cut-out, and a
// 24-megapixel photo decodes at a quarter of its size.
inline constexpr int kShownMinSide = 720;

inline std::span<const std::uint8_t> as_bytes(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace quillo::imagetext
