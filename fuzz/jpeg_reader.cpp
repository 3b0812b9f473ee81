// JPEG pictures through libjpeg with the pixel cap: any bytes give a picture of the size the
// DCT scale promises, within the limits, or a PictureError; never a fault or another exception.
// The last byte of the input picks the size asked for (full, or small enough for 1/2 to 1/8).
#include "imagetext/jpeg_reader.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"

using namespace quillo::imagetext;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int want = data[size - 1] % 4;  // 0: full size; 1..3: 16, 8 or 1 pixels a side
    --size;
    DecodeLimits limits;
    limits.max_pixels = 1u << 20;
    limits.max_declared_pixels = 1u << 22;
    const int min_side = want == 0 ? 0 : want == 1 ? 16 : want == 2 ? 8 : 1;
    JpegSize declared;
    try {
        const Picture p = read_jpeg({data, size}, limits, min_side, min_side, &declared);
        FUZZ_CHECK(p.width > 0 && p.height > 0);
        FUZZ_CHECK(std::uint64_t(p.width) * std::uint64_t(p.height) <= limits.max_pixels);
        FUZZ_CHECK(p.pixels.size() == std::size_t(p.width) * std::size_t(p.height));
        const int d = jpeg_scale_denominator(declared.width, declared.height, min_side, min_side);
        FUZZ_CHECK(p.width == (declared.width + d - 1) / d);
        FUZZ_CHECK(p.height == (declared.height + d - 1) / d);
    } catch (const PictureError&) {
    }
    return 0;
}
