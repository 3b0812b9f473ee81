#pragma once
// Opening a picture file: its bytes are read (within a size cap), its kind is told from its
// first bytes rather than from its name, and it is decoded. Any failure is a PictureError that
// names the file, thrown before the caller's picture is touched.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "imagetext/picture.h"
#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

enum class PictureFormat { unknown, bmp, jpeg, png };

PictureFormat sniff_picture(std::span<const std::uint8_t> bytes);

// The file's bytes; PictureError for a missing, unreadable or oversized file or a folder.
std::string read_picture_bytes(const std::filesystem::path& path);

// A BMP or JPEG picture. A JPEG is decoded at the smallest DCT scale that still gives at least
// min_w x min_h pixels (0 x 0: full size). Other kinds throw PictureError.
Picture decode_picture(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {},
                       int min_w = 0, int min_h = 0);

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
