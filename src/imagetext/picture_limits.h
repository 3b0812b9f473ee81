#pragma once
// What a picture file may ask of the program before it is refused, and the error every picture
// loader throws. Sizes are checked against these caps before anything is allocated, so a file
// that declares a huge picture (or a small file that would unpack into one) costs nothing.
#include <cstdint>
#include <string>

#include "platform/errors.h"

namespace quillo::imagetext {

// Pixels a decoded picture may hold: 40 million words are 160 MB.
inline constexpr std::uint64_t kMaxPicturePixels = 40'000'000;
// Pixels a JPEG may declare: it is decoded smaller (DCT scaling) when that is all the window
// needs, so a 100-megapixel photo still opens.
inline constexpr std::uint64_t kMaxDeclaredPixels = 160'000'000;
// Longest side of any picture, JPEG's own limit too.
inline constexpr int kMaxPictureSide = 65535;
// Bytes a picture file may have.
inline constexpr std::uint64_t kMaxPictureFileBytes = 512ull << 20;
// Memory the JPEG library may take for its own buffers (progressive pictures keep every
// coefficient until the last scan).
inline constexpr long kMaxJpegWorkBytes = 512l << 20;
// Scans a progressive JPEG may have; a file of endless tiny scans would keep the decoder busy.
inline constexpr int kMaxJpegScans = 1000;

struct DecodeLimits {
    std::uint64_t max_pixels = kMaxPicturePixels;
    std::uint64_t max_declared_pixels = kMaxDeclaredPixels;
    int max_side = kMaxPictureSide;
};

// A picture that cannot be read. what() is the text shown to the user (UTF-8), without the
// file's name; the window adds it.
class PictureError : public platform::PlatformError {
  public:
    using platform::PlatformError::PlatformError;
};

// Throws PictureError when a picture of w x h pixels (as declared) may not be decoded.
void check_picture_size(std::int64_t w, std::int64_t h, std::uint64_t max_pixels,
                        const DecodeLimits& limits);

}  // namespace quillo::imagetext
