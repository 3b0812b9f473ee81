#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

void check_picture_size(std::int64_t w, std::int64_t h, std::uint64_t max_pixels,
                        const DecodeLimits& limits) {
    if (w <= 0 || h <= 0)
        throw PictureError("The picture declares no pixels (" + std::to_string(w) + " x " +
                           std::to_string(h) + ").");
    if (w > limits.max_side || h > limits.max_side)
        throw PictureError("The picture is too large: " + std::to_string(w) + " x " +
                           std::to_string(h) + " pixels (at most " +
                           std::to_string(limits.max_side) + " on a side).");
    if (std::uint64_t(w) * std::uint64_t(h) > max_pixels)
        throw PictureError("The picture is too large: " + std::to_string(w) + " x " +
                           std::to_string(h) + " pixels (at most " + std::to_string(max_pixels) +
                           " pixels).");
}

}  // namespace quillo::imagetext
