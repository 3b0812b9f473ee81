#pragma once
// Pictures as the image window holds them: the source picture, the working picture (the whole
// picture or a cut-out) and the resolution image whose every pixel becomes one character cell.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/raster.h"

namespace quillo::imagetext {

using platform::Rgb;  // 0x00RRGGBB

// Leaves new elements uninitialised where no value is given: a decoder that writes every pixel
// need not clear megabytes first.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// 24-bit pixels kept one to a 32-bit word (0xFFRRGGBB, the top byte is ignored), row by row
// from the top, so that a Qt image can show the memory as it is.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>> pixels;

    Picture() = default;
    Picture(int w, int h);

    bool empty() const { return width <= 0 || height <= 0; }
    Rgb pixel(int x, int y) const { return pixels[std::size_t(y) * width + x] & 0xFFFFFF; }
    void set_pixel(int x, int y, Rgb rgb) {
        pixels[std::size_t(y) * width + x] = 0xFF000000u | rgb;
    }
    std::uint32_t* row(int y) { return pixels.data() + std::size_t(y) * width; }
    const std::uint32_t* row(int y) const { return pixels.data() + std::size_t(y) * width; }
    bool operator==(const Picture&) const = default;
};

inline int red_of(Rgb c) {
    return int((c >> 16) & 0xFF);
}
inline int green_of(Rgb c) {
    return int((c >> 8) & 0xFF);
}
inline int blue_of(Rgb c) {
    return int(c & 0xFF);
}
inline Rgb rgb_of(int r, int g, int b) {
    return (Rgb(r) << 16) | (Rgb(g) << 8) | Rgb(b);
}

// 0.3 R + 0.59 G + 0.11 B in extended precision, to the nearest integer with halves to even.
// The grey view and the choice of characters both use it.
int grey_value(int r, int g, int b);
inline int grey_value(Rgb c) {
    return grey_value(red_of(c), green_of(c), blue_of(c));
}

// The picture stretched to w x h (0 in either gives an empty picture). Each target pixel takes
// the average of the source pixels it covers, so shrinking a photo keeps its tones; enlarging
// repeats pixels, which is what the 8-times preview shows as blocks.
Picture stretch(const Picture& source, int w, int h);

// Source rectangle [left, right) x [top, bottom) (clipped to the picture) stretched to w x h.
Picture stretch_region(const Picture& source, int left, int top, int right, int bottom, int w,
                       int h);

// Every pixel replaced by (g, g, g), g its grey value.
void turn_gray(Picture& picture);

}  // namespace quillo::imagetext
