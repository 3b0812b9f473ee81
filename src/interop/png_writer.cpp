#include "interop/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
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

// Up to 256 colours, found by a small open-addressing table. Text art alternates between a few
// colours (text and background), so the last two found answer most lookups.
class Palette {
  public:
    // Index of the colour, adding it; -1 once more than 256 colours are seen.
    int index(std::uint32_t rgb) {
        if (rgb == recent_[0]) return recent_index_[0];
        if (rgb == recent_[1]) {
            std::swap(recent_[0], recent_[1]);
            std::swap(recent_index_[0], recent_index_[1]);
            return recent_index_[0];
        }
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
        recent_[1] = recent_[0];
        recent_index_[1] = recent_index_[0];
        recent_[0] = rgb;
        recent_index_[0] = values_[slot];
        return recent_index_[0];
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
    std::array<std::uint32_t, 2> recent_{kEmpty, kEmpty};
    std::array<int, 2> recent_index_{-1, -1};
};

class Deflater {
  public:
    Deflater() {
        // The fastest level: filtered picture rows are mostly zeros, which it finds as well as
        // the slower ones do (a full canvas deflates in about 10 ms and to under 100 kB).
        if (deflateInit2(&z_, 1, Z_DEFLATED, 15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
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

namespace {

// One picture row as PNG bytes (palette indices or RGB triples), each pixel `scale` times.
void expand_row(const unsigned char* indices, const std::uint32_t* rgb, std::size_t width,
                int scale, unsigned char* w) {
    if (indices && scale == 1) {
        std::memcpy(w, indices, width);
        return;
    }
    for (std::size_t x = 0; x < width; ++x) {
        if (indices) {
            for (int k = 0; k < scale; ++k) *w++ = indices[x];
            continue;
        }
        const std::uint32_t c = rgb[x];
        for (int k = 0; k < scale; ++k) {
            *w++ = static_cast<unsigned char>(c >> 16);
            *w++ = static_cast<unsigned char>(c >> 8);
            *w++ = static_cast<unsigned char>(c);
        }
    }
}

}  // namespace

std::string encode_png(int width, int height, int scale, const PixelRows& rows) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    scale = std::clamp(scale, 1, 4);
    const auto w = static_cast<std::size_t>(width);
    std::vector<std::uint32_t> row(w, 0);

    // The colours first: the palette indices of the whole picture (one byte a pixel) are kept
    // for the writing pass, which then asks for no row again.
    Palette palette;
    std::vector<unsigned char> indices(w * static_cast<std::size_t>(height));
    bool indexed = true;
    for (int y = 0; y < height && indexed; ++y) {
        rows(y, row.data());
        unsigned char* out = indices.data() + w * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < w; ++x) {
            const int i = palette.index(row[x] & kRgbMask);
            if (i < 0) {
                indexed = false;
                break;
            }
            out[x] = static_cast<unsigned char>(i);
        }
    }
    if (!indexed) indices = {};

    const std::size_t out_width = w * static_cast<std::size_t>(scale);
    const std::size_t line_bytes = out_width * (indexed ? 1 : 3);
    // Every output row is filtered "Up" (minus the row above): a source row's first copy holds
    // what changed from the row before, its repeats are all zeros.
    std::vector<unsigned char> line(line_bytes), previous(line_bytes, 0);
    std::vector<unsigned char> batch((line_bytes + 1) * static_cast<std::size_t>(scale), 0);
    Deflater z;
    for (int y = 0; y < height; ++y) {
        if (!indexed) {
            rows(y, row.data());
            for (auto& p : row) p &= kRgbMask;
        }
        expand_row(indexed ? indices.data() + w * static_cast<std::size_t>(y) : nullptr, row.data(),
                   w, scale, line.data());
        std::fill(batch.begin(), batch.end(), 0);
        batch[0] = 2;
        for (std::size_t i = 0; i < line_bytes; ++i)
            batch[1 + i] = static_cast<unsigned char>(line[i] - previous[i]);
        for (int k = 1; k < scale; ++k) batch[static_cast<std::size_t>(k) * (line_bytes + 1)] = 2;
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
