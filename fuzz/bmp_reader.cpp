// Bitmaps: any bytes give a picture within the limits or a PictureError, never a fault, a
// runaway allocation or another exception.
#include "imagetext/bmp_reader.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"

using namespace quillo::imagetext;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeLimits limits;
    limits.max_pixels = 1u << 20;  // small enough for many runs a second
    limits.max_side = 4096;
    try {
        const Picture p = read_bmp({data, size}, limits);
        FUZZ_CHECK(p.width > 0 && p.height > 0);
        FUZZ_CHECK(p.width <= limits.max_side && p.height <= limits.max_side);
        FUZZ_CHECK(std::uint64_t(p.width) * std::uint64_t(p.height) <= limits.max_pixels);
        FUZZ_CHECK(p.pixels.size() == std::size_t(p.width) * std::size_t(p.height));
        for (std::uint32_t px : p.pixels) FUZZ_CHECK((px >> 24) == 0xFF);
    } catch (const PictureError&) {
    }
    return 0;
}
