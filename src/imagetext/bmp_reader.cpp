#include "imagetext/bmp_reader.h"

#include <array>
#include <bit>
#include <string>

namespace quillo::imagetext {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderBytes = 14;

[[noreturn]] void cut_short() {
    throw PictureError("The bitmap is cut short: the file ends before its pixels do.");
}

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t at, std::size_t n) const {
        return at <= bytes_.size() && n <= bytes_.size() - at;
    }
    std::uint8_t u8(std::size_t at) const {
        if (!has(at, 1)) cut_short();
        return bytes_[at];
    }
    std::uint16_t u16(std::size_t at) const {
        if (!has(at, 2)) cut_short();
        return std::uint16_t(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        if (!has(at, 4)) cut_short();
        return std::uint32_t(bytes_[at]) | std::uint32_t(bytes_[at + 1]) << 8 |
               std::uint32_t(bytes_[at + 2]) << 16 | std::uint32_t(bytes_[at + 3]) << 24;
    }
    std::size_t size() const { return bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data(); }

  private:
    std::span<const std::uint8_t> bytes_;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // as stored: negative for top-down
    int bits = 0;
    std::uint32_t compression = kBiRgb;
    std::size_t data_offset = 0;
    std::size_t palette_offset = 0;
    std::size_t palette_entries = 0;  // as stored in the file (bounded by the file's length)
    std::size_t palette_entry_bytes = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

// One colour channel taken out by a bit mask and brought to 0..255.
struct Channel {
    int shift = 0;
    int bits = 0;
    std::uint32_t mask = 0;
    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        bits = std::popcount(m >> shift);
        if (bits > 8) {  // keep the top 8 bits of a wide channel
            shift += bits - 8;
            bits = 8;
            mask = ((1u << 8) - 1) << shift;
        }
    }
    int value(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        const std::uint32_t max = (1u << bits) - 1;
        return int((v * 255 + max / 2) / max);
    }
};

Header read_header(const Reader& in) {
    Header h;
    const std::uint32_t offset = in.u32(10);
    const std::uint32_t info = in.u32(14);
    const std::size_t at = kFileHeaderBytes;
    if (info == 12) {  // OS/2 and Windows 2 core header
        h.width = in.u16(at + 4);
        h.height = std::int16_t(in.u16(at + 6));
        h.bits = in.u16(at + 10);
        h.palette_entry_bytes = 3;
    } else if (info >= 40 && info <= 1024) {
        h.width = std::int32_t(in.u32(at + 4));
        h.height = std::int32_t(in.u32(at + 8));
        h.bits = in.u16(at + 14);
        h.compression = in.u32(at + 16);
        const std::uint32_t used = in.u32(at + 32);
        if (h.bits <= 8) h.palette_entries = used;
        if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
            // The masks follow a 40-byte header, or are part of a larger one.
            for (int i = 0; i < 3; ++i) h.masks[std::size_t(i)] = in.u32(at + 40 + 4 * i);
        }
    } else {
        throw PictureError("The bitmap has a header of an unknown kind (" + std::to_string(info) +
                           " bytes).");
    }
    std::size_t palette_at = at + info;
    if (info == 40 && (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields))
        palette_at += h.compression == kBiBitfields ? 12 : 16;
    h.palette_offset = palette_at;
    h.data_offset = offset;
    if (h.bits <= 8) {
        const std::size_t full = std::size_t(1) << (h.bits > 0 ? h.bits : 0);
        if (h.palette_entries == 0 || h.palette_entries > full) h.palette_entries = full;
        // Only what stands in the file counts; an index past it is an error.
        const std::size_t end = std::min<std::size_t>(in.size(), offset);
        const std::size_t room = end > palette_at ? (end - palette_at) / h.palette_entry_bytes : 0;
        if (h.palette_entries > room) h.palette_entries = room;
    }
    return h;
}

void check_format(const Header& h) {
    const bool palette_bits = h.bits == 1 || h.bits == 4 || h.bits == 8;
    switch (h.compression) {
        case kBiRgb:
            if (!palette_bits && h.bits != 16 && h.bits != 24 && h.bits != 32)
                throw PictureError("The bitmap has " + std::to_string(h.bits) +
                                   " bits per pixel, which is not a bitmap format.");
            break;
        case kBiRle8:
            if (h.bits != 8) throw PictureError("The bitmap's RLE8 compression needs 8 bits.");
            break;
        case kBiRle4:
            if (h.bits != 4) throw PictureError("The bitmap's RLE4 compression needs 4 bits.");
            break;
        case kBiBitfields:
        case kBiAlphaBitfields:
            if (h.bits != 16 && h.bits != 32)
                throw PictureError("The bitmap's bit fields need 16 or 32 bits per pixel.");
            break;
        default:
            throw PictureError("The bitmap is compressed in a way this program does not read (" +
                               std::to_string(h.compression) + ").");
    }
    if (palette_bits && h.palette_entries == 0)
        throw PictureError("The bitmap has no colour palette.");
}

class PaletteColours {
  public:
    PaletteColours(const Reader& in, const Header& h) : count_(h.palette_entries) {
        for (std::size_t i = 0; i < count_; ++i) {
            const std::size_t at = h.palette_offset + i * h.palette_entry_bytes;
            colours_[i] = rgb_of(in.u8(at + 2), in.u8(at + 1), in.u8(at));
        }
    }
    std::uint32_t operator[](std::uint32_t index) const {
        if (index >= count_)
            throw PictureError("The bitmap uses colour " + std::to_string(index) +
                               ", past the end of its palette of " + std::to_string(count_) +
                               " colours.");
        return 0xFF000000u | colours_[index];
    }

  private:
    std::array<Rgb, 256> colours_{};
    std::size_t count_;
};

std::uint64_t row_stride(std::int64_t width, int bits) {
    return (std::uint64_t(width) * std::uint64_t(bits) + 31) / 32 * 4;
}

void read_uncompressed(const Reader& in, const Header& h, Picture& out, bool bottom_up) {
    const std::uint64_t stride = row_stride(out.width, h.bits);
    std::array<std::uint32_t, 3> masks = h.masks;
    if (h.compression == kBiRgb && h.bits == 16) masks = {0x7C00, 0x03E0, 0x001F};
    if (h.compression == kBiRgb && h.bits == 32) masks = {0xFF0000, 0x00FF00, 0x0000FF};
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const bool plain32 =
        h.bits == 32 && masks == std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    const PaletteColours palette(in, h);
    for (int y = 0; y < out.height; ++y) {
        const std::uint8_t* line = in.data() + h.data_offset + stride * std::uint64_t(y);
        std::uint32_t* target = out.row(bottom_up ? out.height - 1 - y : y);
        switch (h.bits) {
            case 1:
            case 4:
            case 8: {
                const int per_byte = 8 / h.bits;
                const std::uint32_t mask = (1u << h.bits) - 1;
                for (int x = 0; x < out.width; ++x) {
                    const std::uint8_t byte = line[x / per_byte];
                    const int shift = 8 - h.bits * (x % per_byte + 1);
                    target[x] = palette[(byte >> shift) & mask];
                }
                break;
            }
            case 24:
                for (int x = 0; x < out.width; ++x) {
                    const std::uint8_t* p = line + 3 * std::size_t(x);
                    target[x] = 0xFF000000u | rgb_of(p[2], p[1], p[0]);
                }
                break;
            case 16:
            case 32:
                for (int x = 0; x < out.width; ++x) {
                    std::uint32_t v = 0;
                    if (h.bits == 16) {
                        v = std::uint32_t(line[2 * x] | line[2 * x + 1] << 8);
                    } else {
                        const std::uint8_t* p = line + 4 * std::size_t(x);
                        v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                            std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
                    }
                    target[x] =
                        plain32 ? 0xFF000000u | (v & 0xFFFFFF)
                                : 0xFF000000u | rgb_of(red.value(v), green.value(v), blue.value(v));
                }
                break;
        }
    }
}

// RLE8 and RLE4: runs and literal stretches of palette indexes, with escapes for the end of a
// line, the end of the picture and a jump. Pixels no run reaches stay black.
void read_rle(const Reader& in, const Header& h, Picture& out, bool bottom_up) {
    const PaletteColours palette(in, h);
    const bool four = h.compression == kBiRle4;
    std::size_t at = h.data_offset;
    std::int64_t x = 0, line = 0;
    const auto put = [&](std::uint32_t index) {
        if (x < out.width && line < out.height) {
            const int y = int(bottom_up ? out.height - 1 - line : line);
            out.row(y)[x] = palette[index];
        }
        ++x;
    };
    while (true) {
        if (!in.has(at, 2)) cut_short();
        const std::uint8_t count = in.u8(at);
        const std::uint8_t value = in.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < out.width; ++i)
                put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++line;
            if (line >= out.height) return;
        } else if (value == 1) {  // end of picture
            return;
        } else if (value == 2) {  // jump right and up
            x += in.u8(at);
            line += in.u8(at + 1);
            at += 2;
            if (line >= out.height) return;
        } else {  // literal indexes, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            if (!in.has(at, bytes)) cut_short();
            for (int i = 0; i < value; ++i) {
                const std::uint8_t b = in.u8(at + (four ? std::size_t(i / 2) : std::size_t(i)));
                if (x < out.width) put(four ? (i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            at += bytes + (bytes % 2);
        }
    }
}

}  // namespace

bool looks_like_bmp(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

Picture read_bmp(std::span<const std::uint8_t> bytes, const DecodeLimits& limits) {
    if (!looks_like_bmp(bytes)) throw PictureError("The file is not a bitmap.");
    const Reader in(bytes);
    if (!in.has(0, kFileHeaderBytes + 16)) cut_short();
    const Header h = read_header(in);
    check_format(h);
    const std::int64_t height = h.height < 0 ? -h.height : h.height;
    check_picture_size(h.width, height, limits.max_pixels, limits);
    if (h.data_offset >= in.size()) cut_short();
    const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
    // Uncompressed pixels must all be in the file before the picture is made.
    if (!rle && row_stride(h.width, h.bits) * std::uint64_t(height) > in.size() - h.data_offset)
        cut_short();
    Picture out(int(h.width), int(height));
    const bool bottom_up = h.height > 0;
    if (rle)
        read_rle(in, h, out, bottom_up);
    else
        read_uncompressed(in, h, out, bottom_up);
    return out;
}

}  // namespace quillo::imagetext
