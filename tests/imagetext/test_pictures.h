#pragma once
// Picture files made by the tests themselves: bitmaps of every layout a user meets, byte by
// byte, so that a test knows every pixel it reads back.
#include <cstdint>
#include <string>
#include <vector>

#include "imagetext/picture.h"

namespace quillo::imagetext::testing {

inline void put16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = char(v & 0xFF);
    s[at + 1] = char((v >> 8) & 0xFF);
}
inline void put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

struct BmpSpec {
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: top-down
    int bits = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint32_t> masks;    // bit fields, written after the 40-byte header
    std::string data;                    // the pixel bytes as stored
};

// BITMAPFILEHEADER + BITMAPINFOHEADER + masks + palette + data.
inline std::string bmp_file(const BmpSpec& b) {
    const std::size_t palette_at = 14 + 40 + 4 * b.masks.size();
    const std::size_t offset = palette_at + 4 * b.palette.size();
    std::string s(offset, '\0');
    s[0] = 'B';
    s[1] = 'M';
    put32(s, 2, std::uint32_t(offset + b.data.size()));
    put32(s, 10, std::uint32_t(offset));
    put32(s, 14, 40);
    put32(s, 18, std::uint32_t(b.width));
    put32(s, 22, std::uint32_t(b.height));
    put16(s, 26, 1);
    put16(s, 28, std::uint32_t(b.bits));
    put32(s, 30, b.compression);
    put32(s, 34, std::uint32_t(b.data.size()));
    put32(s, 46, std::uint32_t(b.palette.size()));
    for (std::size_t i = 0; i < b.masks.size(); ++i) put32(s, 54 + 4 * i, b.masks[i]);
    for (std::size_t i = 0; i < b.palette.size(); ++i) put32(s, palette_at + 4 * i, b.palette[i]);
    return s + b.data;
}

// A 24-bit bottom-up bitmap of the picture, rows padded to 4 bytes.
inline std::string bmp24(const Picture& p, bool top_down = false) {
    BmpSpec b;
    b.width = p.width;
    b.height = top_down ? -p.height : p.height;
    const int stride = (p.width * 3 + 3) / 4 * 4;
    for (int i = 0; i < p.height; ++i) {
        const int y = top_down ? i : p.height - 1 - i;
        std::string line(std::size_t(stride), '\0');
        for (int x = 0; x < p.width; ++x) {
            const Rgb c = p.pixel(x, y);
            line[std::size_t(3 * x)] = char(blue_of(c));
            line[std::size_t(3 * x + 1)] = char(green_of(c));
            line[std::size_t(3 * x + 2)] = char(red_of(c));
        }
        b.data += line;
    }
    return bmp_file(b);
}

inline Picture picture_of(int w, int h, std::initializer_list<Rgb> pixels) {
    Picture p(w, h);
    std::size_t i = 0;
    for (Rgb c : pixels) {
        if (i >= p.pixels.size()) break;
        p.pixels[i++] = 0xFF000000u | c;
    }
    return p;
}

// A picture whose every pixel differs: red = x * 7, green = y * 11, blue = x + y.
inline Picture gradient(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(x, y, rgb_of((x * 7) & 0xFF, (y * 11) & 0xFF, (x + y) & 0xFF));
    return p;
}

}  // namespace quillo::imagetext::testing
