#include "interop/canvas_zoom.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "canvas/row_text.h"

namespace quillo::interop {

int default_zoom(double ratio) {
    if (!(ratio > 0)) return kMinZoom;
    return std::clamp(canvas::round_half_even(std::min(ratio, double(kMaxZoom))), kMinZoom,
                      kMaxZoom);
}

int zoom_in(int factor) {
    return std::clamp(factor + 1, kMinZoom, kMaxZoom);
}

int zoom_out(int factor) {
    return std::clamp(factor - 1, kMinZoom, kMaxZoom);
}

int canvas_pixel(double position, int factor, double ratio) {
    return static_cast<int>(std::floor(position * ratio / factor));
}

int widget_units(int pixels, int factor, double ratio) {
    return static_cast<int>(std::lround(pixels * factor / ratio));
}

int canvas_pixels(int units, int factor, double ratio) {
    return static_cast<int>(std::floor(units * ratio / factor + 1e-9));
}

void scale_pixels(const std::uint32_t* src, int src_stride, int width, int height, int factor,
                  std::uint32_t* dst, int dst_stride) {
    if (width <= 0 || height <= 0) return;
    const std::size_t out_width = static_cast<std::size_t>(width) * factor;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* in = src + static_cast<std::ptrdiff_t>(y) * src_stride;
        std::uint32_t* first = dst + static_cast<std::ptrdiff_t>(y) * factor * dst_stride;
        switch (factor) {  // the common factors unrolled: this runs on every repaint
            case 1:
                std::memcpy(first, in, out_width * 4);
                break;
            case 2:
                for (int x = 0; x < width; ++x) first[2 * x] = first[2 * x + 1] = in[x];
                break;
            default:
                for (int x = 0; x < width; ++x)
                    std::fill_n(first + static_cast<std::ptrdiff_t>(x) * factor, factor, in[x]);
        }
        for (int k = 1; k < factor; ++k)
            std::memcpy(first + static_cast<std::ptrdiff_t>(k) * dst_stride, first, out_width * 4);
    }
}

}  // namespace quillo::interop
