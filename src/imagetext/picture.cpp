#include "imagetext/picture.h"

#include <algorithm>
#include <cmath>

namespace quillo::imagetext {

Picture::Picture(int w, int h)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(std::size_t(width) * std::size_t(height), 0xFF000000u) {}

int grey_value(int r, int g, int b) {
    // The exact value is n / 100. Away from a half, the extended-precision sum (off by far less
    // than 0.01) rounds the same way, so integers decide; exact halves are left to the
    // extended sum itself, whose last bits decide them.
    const int n = 30 * r + 59 * g + 11 * b;
    const int q = n / 100, rest = n % 100;
    if (rest < 50) return q;
    if (rest > 50) return q + 1;
    // long double is the x87 extended type here; the sum is formed left to right.
    const long double v = 0.3L * r + 0.59L * g + 0.11L * b;
    return static_cast<int>(std::nearbyintl(v));
}

namespace {

struct Span {
    int first;
    int end;  // exclusive, always > first
};

// Which source pixels [first, end) target pixel i of n covers, over a source of `length` pixels
// starting at `origin`.
std::vector<Span> spans(int origin, int length, int n) {
    std::vector<Span> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        int first = static_cast<int>(std::int64_t(i) * length / n);
        int end = static_cast<int>(std::int64_t(i + 1) * length / n);
        if (end <= first) end = first + 1;
        out[std::size_t(i)] = {origin + first, origin + end};
    }
    return out;
}

}  // namespace

Picture stretch_region(const Picture& source, int left, int top, int right, int bottom, int w,
                       int h) {
    left = std::clamp(left, 0, source.width);
    right = std::clamp(right, 0, source.width);
    top = std::clamp(top, 0, source.height);
    bottom = std::clamp(bottom, 0, source.height);
    if (w <= 0 || h <= 0) return Picture{};
    Picture out(w, h);
    if (right <= left || bottom <= top) return out;  // nothing to copy: black, as a new bitmap
    if (w >= right - left && h >= bottom - top) {
        // Enlarging (the preview): every target pixel repeats one source pixel.
        std::vector<int> column(static_cast<std::size_t>(w));
        for (int x = 0; x < w; ++x)
            column[std::size_t(x)] = left + int(std::int64_t(x) * (right - left) / w);
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* line = source.row(top + int(std::int64_t(y) * (bottom - top) / h));
            std::uint32_t* target = out.row(y);
            for (int x = 0; x < w; ++x) target[x] = line[column[std::size_t(x)]];
        }
        return out;
    }
    const std::vector<Span> xs = spans(left, right - left, w);
    const std::vector<Span> ys = spans(top, bottom - top, h);
    std::vector<std::uint64_t> sums(std::size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const Span sy = ys[std::size_t(y)];
        for (int row = sy.first; row < sy.end; ++row) {
            const std::uint32_t* line = source.row(row);
            for (int x = 0; x < w; ++x) {
                const Span sx = xs[std::size_t(x)];
                std::uint64_t r = 0, g = 0, b = 0;
                for (int col = sx.first; col < sx.end; ++col) {
                    const std::uint32_t p = line[col];
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
                std::uint64_t* s = &sums[std::size_t(x) * 3];
                s[0] += r;
                s[1] += g;
                s[2] += b;
            }
        }
        std::uint32_t* target = out.row(y);
        const std::uint64_t rows = std::uint64_t(sy.end - sy.first);
        for (int x = 0; x < w; ++x) {
            const Span sx = xs[std::size_t(x)];
            const std::uint64_t count = rows * std::uint64_t(sx.end - sx.first);
            const std::uint64_t* s = &sums[std::size_t(x) * 3];
            const auto avg = [count](std::uint64_t v) {
                return static_cast<Rgb>((v + count / 2) / count);
            };
            target[x] = 0xFF000000u | (avg(s[0]) << 16) | (avg(s[1]) << 8) | avg(s[2]);
        }
    }
    return out;
}

Picture stretch(const Picture& source, int w, int h) {
    return stretch_region(source, 0, 0, source.width, source.height, w, h);
}

void turn_gray(Picture& picture) {
    for (std::uint32_t& p : picture.pixels) {
        const Rgb g = static_cast<Rgb>(grey_value(p & 0xFFFFFF));
        p = 0xFF000000u | (g << 16) | (g << 8) | g;
    }
}

}  // namespace quillo::imagetext
