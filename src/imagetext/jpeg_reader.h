#pragma once
// JPEG pictures through libjpeg, called directly. Where the caller needs far fewer pixels than
// the file holds, the decoder scales by 1/2, 1/4 or 1/8 in the DCT, which is several times
// faster than decoding everything and shrinking afterwards.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "imagetext/picture.h"
#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

// The file starts with a JPEG start-of-image marker.
bool looks_like_jpeg(std::span<const std::uint8_t> bytes);

// The largest d of 1, 2, 4, 8 for which a w x h picture decoded at 1/d is still at least
// min_w x min_h (rounded up, as the decoder rounds). 1 when nothing smaller is wanted.
int jpeg_scale_denominator(int w, int h, int min_w, int min_h);

struct JpegSize {
    int width = 0;  // as the file declares it
    int height = 0;
};

// Decodes the picture at the scale jpeg_scale_denominator picks for min_w x min_h (0 x 0: full
// size). Grey, colour and CMYK pictures give RGB. A file cut short or corrupt, a size over the
// limits, or more than kMaxJpegScans scans throws PictureError; nothing is kept of it.
// `declared`, when given, receives the size the file declares.
Picture read_jpeg(std::span<const std::uint8_t> bytes, const DecodeLimits& limits = {},
                  int min_w = 0, int min_h = 0, JpegSize* declared = nullptr);

// The same, reading an open file from its current position a few kilobytes at a time, so a
// photo of many megabytes never sits in memory whole.
Picture read_jpeg_file(std::FILE* file, const DecodeLimits& limits = {}, int min_w = 0,
                       int min_h = 0, JpegSize* declared = nullptr);

// A baseline JPEG of the picture at the given quality (1..100), for tests and benchmarks that
// need a picture file without shipping one.
std::string encode_jpeg(const Picture& picture, int quality = 90);

}  // namespace quillo::imagetext
