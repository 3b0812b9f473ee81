#include "platform/raster.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/cell_font_data.h"

namespace quillo::platform {

namespace {

namespace cfd = cell_font_data;

constexpr std::uint32_t kOpaque = 0xFF000000u;

using Octet = std::uint32_t[8];

// Eight finished pixels for every possible glyph row byte in one brush/font pair. The canvas sets
// the same pair row after row, so the table is rebuilt only when the colours change.
struct Expansion {
    Rgb brush = 0;
    Rgb font = 0;
    bool valid = false;
    alignas(32) Octet px[256];
};

const Octet* expansion_for(Rgb brush, Rgb font) {
    thread_local Expansion e;
    if (!e.valid || e.brush != brush || e.font != font) {
        const std::uint32_t bg = kOpaque | (brush & 0xFFFFFF);
        const std::uint32_t fg = kOpaque | (font & 0xFFFFFF);
        // Built from 4-pixel halves: the canvas may change colours several times per row.
        std::uint32_t nibble[16][4];
        for (int v = 0; v < 16; ++v) {
            for (int k = 0; k < 4; ++k) nibble[v][k] = (v & (8 >> k)) ? fg : bg;
        }
        for (int b = 0; b < 256; ++b) {
            std::memcpy(e.px[b], nibble[b >> 4], sizeof nibble[0]);
            std::memcpy(e.px[b] + 4, nibble[b & 15], sizeof nibble[0]);
        }
        e.brush = brush;
        e.font = font;
        e.valid = true;
    }
    return e.px;
}

// Visible 8-pixel columns of one text row, stored row by row so that a scan line is painted by a
// straight walk (one table lookup and one 32-byte copy per column).
constexpr int kChunkOctets = 256;
struct Chunk {
    long long first_x = 0;
    int count = 0;
    std::uint8_t rows[cfd::kHalfGlyphBytes][kChunkOctets];
};

// Copies the part of one 8-pixel column at px that lies inside [0, width).
inline void copy_clipped(std::uint32_t* line, long long px, int width, const std::uint32_t* src) {
    long long from = std::max<long long>(px, 0);
    long long to = std::min<long long>(px + 8, width);
    for (long long x = from; x < to; ++x) line[x] = src[x - px];
}

}  // namespace

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), kOpaque | brush_) {}

Rgb Raster::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[std::size_t(y) * width_ + x] & 0xFFFFFF;
}

void Raster::fill_rect(int x, int y, int w, int h) {
    long long x0 = std::max<long long>(x, 0), y0 = std::max<long long>(y, 0);
    long long x1 = std::min<long long>((long long)x + w, width_);
    long long y1 = std::min<long long>((long long)y + h, height_);
    if (x0 >= x1 || y0 >= y1) return;
    const std::uint32_t v = kOpaque | (brush_ & 0xFFFFFF);
    for (long long row = y0; row < y1; ++row) {
        std::fill_n(pixels_.data() + row * width_ + x0, x1 - x0, v);
    }
}

int Raster::text_out(int x, int y, std::string_view gbk) {
    return text_out_except(x, y, gbk, {});
}

int Raster::text_out_except(int x, int y, std::string_view gbk, std::span<const bool> skip) {
    // Scan lines of the 16-pixel text row that fall inside the raster.
    const int r0 = std::max(0, -y);
    const int r1 = int(std::min<long long>(cfd::kHalfGlyphBytes, (long long)height_ - y));
    const bool visible_rows = r0 < r1 && width_ > 0;
    const Octet* table = visible_rows ? expansion_for(brush_, font_) : nullptr;
    std::uint32_t* const pixels = pixels_.data();
    const int width = width_;

    Chunk chunk;
    auto flush = [&] {
        if (chunk.count == 0) return;
        for (int r = r0; r < r1; ++r) {
            std::uint32_t* line = pixels + std::size_t(y + r) * width;
            const std::uint8_t* bytes = chunk.rows[r];
            long long px = chunk.first_x;
            int i = 0;
            if (px < 0) {
                copy_clipped(line, px, width, table[bytes[0]]);
                i = 1;
                px += 8;
            }
            // Columns fully inside: the common case.
            int inside = int(std::clamp<long long>((width - px) / 8, 0, chunk.count - i));
            std::uint32_t* d = line + px;
            for (int end = i + inside; i < end; ++i, d += 8) {
                std::memcpy(d, table[bytes[i]], sizeof(Octet));
            }
            px += 8LL * inside;
            if (i < chunk.count) copy_clipped(line, px, width, table[bytes[i]]);
        }
        chunk.count = 0;
    };
    // Queues one 8-pixel column at ox; glyph rows are `stride` bytes apart.
    auto add_octet = [&](long long ox, const std::uint8_t* g, int stride) {
        if (ox + 8 <= 0 || ox >= width) return;
        if (!skip.empty()) {
            const long long column = (ox - x) / 8;
            if (column < static_cast<long long>(skip.size()) && skip[std::size_t(column)]) {
                flush();  // a chunk holds neighbouring columns only
                return;
            }
        }
        if (chunk.count == 0) chunk.first_x = ox;
        for (int r = r0; r < r1; ++r) chunk.rows[r][chunk.count] = g[r * stride];
        if (++chunk.count == kChunkOctets) flush();
    };

    long long cx = x;
    const std::size_t n = gbk.size();
    for (std::size_t i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        const std::uint8_t* glyph;
        bool wide = false;
        if (b < 0x80) {
            glyph = cfd::kHalfWidthGlyphs + std::size_t(b) * cfd::kHalfGlyphBytes;
            i += 1;
        } else {
            int slot = i + 1 < n ? cfd::slot_of(b, static_cast<unsigned char>(gbk[i + 1])) : -1;
            if (slot >= 0 && cfd::kFullWidthPresent[slot]) {
                glyph = cfd::kFullWidthGlyphs + std::size_t(slot) * cfd::kFullGlyphBytes;
                wide = true;
                i += 2;
            } else {
                glyph = cfd::kPlaceholderGlyph;
                i += 1;
            }
        }
        if (visible_rows && cx < width) {
            if (wide) {
                add_octet(cx, glyph, 2);
                add_octet(cx + 8, glyph + 1, 2);
            } else {
                add_octet(cx, glyph, 1);
            }
        }
        cx += wide ? 16 : 8;
    }
    flush();
    return int(std::clamp<long long>(cx, INT_MIN, INT_MAX));
}

}  // namespace quillo::platform
