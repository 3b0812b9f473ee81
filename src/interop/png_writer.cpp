#include "interop/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace quillo::interop {

namespace {

constexpr std::uint32_t kRgbMask = 0xFFFFFF;

void put32(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16 & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

void put_chunk(std::string& out, const char* type, std::string_view data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* p = reinterpret_cast<const Bytef*>(out.data() + start);
    put32(out, static_cast<std::uint32_t>(crc32(0, p, static_cast<uInt>(out.size() - start))));
}

// Up to 256 colours, found by a small open-addressing table.
class Palette {
  public:
    // Index of the colour, adding it; -1 once more than 256 colours are seen.
    int index(std::uint32_t rgb) {
        if (rgb == last_ && last_index_ >= 0) return last_index_;
        std::size_t slot = (rgb * 2654435761u) >> 23 & (kSlots - 1);
        for (;;) {
            if (keys_[slot] == kEmpty) {
                if (colours_.size() == 256) return -1;
                keys_[slot] = rgb;
                values_[slot] = static_cast<int>(colours_.size());
                colours_.push_back(rgb);
                break;
            }
            if (keys_[slot] == rgb) break;
            slot = (slot + 1) & (kSlots - 1);
        }
        last_ = rgb;
        last_index_ = values_[slot];
        return last_index_;
    }
    const std::vector<std::uint32_t>& colours() const { return colours_; }

  private:
    static constexpr std::size_t kSlots = 512;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;  // no 24-bit colour
    std::array<std::uint32_t, kSlots> keys_ = [] {
        std::array<std::uint32_t, kSlots> k{};
        k.fill(kEmpty);
        return k;
    }();
    std::array<int, kSlots> values_{};
    std::vector<std::uint32_t> colours_;
    std::uint32_t last_ = kEmpty;
    int last_index_ = -1;
};

class Deflater {
  public:
    Deflater() {
        // Filtered picture rows are mostly zeros: run-length matching finds them at a fraction
        // of the cost of the full search, and compresses them as well.
        if (deflateInit2(&z_, 6, Z_DEFLATED, 15, 9, Z_RLE) != Z_OK)
            throw std::runtime_error("zlib could not start");
    }
    ~Deflater() { deflateEnd(&z_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void add(const unsigned char* data, std::size_t n, bool last) {
        z_.next_in = const_cast<Bytef*>(data);
        z_.avail_in = static_cast<uInt>(n);
        for (;;) {
            unsigned char buf[1 << 16];
            z_.next_out = buf;
            z_.avail_out = sizeof buf;
            const int rc = deflate(&z_, last ? Z_FINISH : Z_NO_FLUSH);
            out_.append(reinterpret_cast<const char*>(buf), sizeof buf - z_.avail_out);
            if (last ? rc == Z_STREAM_END : (z_.avail_in == 0 && z_.avail_out != 0)) break;
        }
    }
    std::string take() { return std::move(out_); }

  private:
    z_stream z_{};
    std::string out_;
};

}  // namespace

std::string encode_png(int width, int height, int scale, const PixelRows& rows) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    scale = std::clamp(scale, 1, 4);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width), 0);

    Palette palette;
    bool indexed = true;
    for (int y = 0; y < height && indexed; ++y) {
        rows(y, row.data());
        for (const std::uint32_t p : row) {
            if (palette.index(p & kRgbMask) < 0) {
                indexed = false;
                break;
            }
        }
    }

    const std::size_t out_width = static_cast<std::size_t>(width) * scale;
    const std::size_t bytes_per_pixel = indexed ? 1 : 3;
    const std::size_t line_bytes = 1 + out_width * bytes_per_pixel;
    // One source row gives `scale` rows: the first filtered "Up" against the row before, the
    // repeats all zeros under the same filter.
    std::vector<unsigned char> line(line_bytes), previous(line_bytes, 0), batch;
    batch.reserve(line_bytes * static_cast<std::size_t>(scale));
    Deflater z;
    for (int y = 0; y < height; ++y) {
        rows(y, row.data());
        unsigned char* w = line.data() + 1;
        for (const std::uint32_t p : row) {
            const std::uint32_t rgb = p & kRgbMask;
            for (int k = 0; k < scale; ++k) {
                if (indexed) {
                    *w++ = static_cast<unsigned char>(palette.index(rgb));
                } else {
                    *w++ = static_cast<unsigned char>(rgb >> 16);
                    *w++ = static_cast<unsigned char>(rgb >> 8);
                    *w++ = static_cast<unsigned char>(rgb);
                }
            }
        }
        batch.assign(line_bytes * static_cast<std::size_t>(scale), 0);
        batch[0] = 2;  // Up
        for (std::size_t i = 1; i < line_bytes; ++i)
            batch[i] = static_cast<unsigned char>(line[i] - previous[i]);
        for (int k = 1; k < scale; ++k) batch[static_cast<std::size_t>(k) * line_bytes] = 2;
        z.add(batch.data(), batch.size(), y + 1 == height);
        std::swap(line, previous);
    }

    std::string png("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    put32(header, static_cast<std::uint32_t>(out_width));
    put32(header, static_cast<std::uint32_t>(height) * static_cast<std::uint32_t>(scale));
    header += '\x08';                     // bit depth
    header += indexed ? '\x03' : '\x02';  // palette or RGB
    header.append(3, '\0');               // deflate, adaptive filtering, no interlace
    put_chunk(png, "IHDR", header);
    if (indexed) {
        std::string plte;
        for (const std::uint32_t c : palette.colours()) {
            plte += static_cast<char>(c >> 16);
            plte += static_cast<char>(c >> 8 & 0xFF);
            plte += static_cast<char>(c & 0xFF);
        }
        put_chunk(png, "PLTE", plte);
    }
    put_chunk(png, "IDAT", z.take());
    put_chunk(png, "IEND", {});
    return png;
}

}  // namespace quillo::interop
