// Build-time generator of the canvas font: gen_cell_font <unifont.hex> <out.cpp>
// Reads GNU Unifont glyphs and writes the half-width table for bytes 0..127 and a 16 x 16 glyph
// for every GBK pair slot, mapped to Unicode through iconv CP936 as the runtime codec does.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "../src/platform/cell_font_data.h"

namespace {

namespace cfd = quillo::platform::cell_font_data;

using HalfGlyph = std::array<std::uint8_t, cfd::kHalfGlyphBytes>;
using FullGlyph = std::array<std::uint8_t, cfd::kFullGlyphBytes>;

// A hollow box with a dot: a byte that is no character must still show up on the canvas.
constexpr HalfGlyph kPlaceholder = {0x00, 0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x5A,
                                    0x5A, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00, 0x00};

// Drawn for a GBK character Unifont has no glyph for: a 16 x 16 box with a mark in its middle.
FullGlyph missing_box() {
    FullGlyph g{};
    for (int row = 1; row <= 14; ++row) {
        std::uint16_t bits = (row == 1 || row == 14) ? 0x7FFE : 0x4002;
        if (row == 7 || row == 8) bits |= 0x0180;
        g[2 * row] = std::uint8_t(bits >> 8);
        g[2 * row + 1] = std::uint8_t(bits & 0xFF);
    }
    return g;
}

struct UnifontGlyph {
    int width = 0;  // 0 = none, 8 or 16
    std::array<std::uint8_t, 32> bits{};
};

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Plane 0 only: GBK maps into the BMP.
bool read_unifont(const char* path, std::vector<UnifontGlyph>& glyphs) {
    std::ifstream in(path);
    if (!in) return false;
    glyphs.assign(0x10000, UnifontGlyph{});
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        auto colon = line.find(':');
        if (colon == std::string::npos || colon == 0 || colon > 6) continue;
        unsigned long cp = std::strtoul(line.substr(0, colon).c_str(), nullptr, 16);
        if (cp >= 0x10000) continue;
        std::string hex = line.substr(colon + 1);
        if (hex.size() != 32 && hex.size() != 64) continue;
        UnifontGlyph g;
        g.width = hex.size() == 32 ? 8 : 16;
        bool ok = true;
        for (std::size_t i = 0; i < hex.size() / 2; ++i) {
            int hi = hex_value(hex[2 * i]), lo = hex_value(hex[2 * i + 1]);
            if (hi < 0 || lo < 0) ok = false;
            g.bits[i] = std::uint8_t(hi * 16 + lo);
        }
        if (ok) glyphs[cp] = g;
    }
    return true;
}

// Code point of a GBK pair, or 0 when CP936 has no character there (or gives more than one).
char32_t pair_to_unicode(iconv_t cd, unsigned char lead, unsigned char trail) {
    char in[2] = {char(lead), char(trail)};
    unsigned char out[16];
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    std::size_t in_left = 2, out_left = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::size_t r = iconv(cd, &inp, &in_left, &outp, &out_left);
    if (r == std::size_t(-1) || in_left != 0 || sizeof out - out_left != 4) return 0;
    return char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 |
           char32_t(out[3]) << 24;
}

// Writes bytes as wrapped string literal lines. Octal escapes always get three digits so a
// following digit can never extend them; '?' is escaped so no trigraph can form.
void write_literal(std::string& out, const std::vector<std::uint8_t>& data, std::size_t per_line) {
    for (std::size_t i = 0; i < data.size(); i += per_line) {
        out += '"';
        for (std::size_t j = i; j < data.size() && j < i + per_line; ++j) {
            unsigned char c = data[j];
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
                out += char(c);
            } else {
                char buf[5];
                std::snprintf(buf, sizeof buf, "\\%03o", c);
                out += buf;
            }
        }
        out += "\"\n";
    }
}

void write_array(std::string& out, const char* name, const char* size_expr,
                 const std::vector<std::uint8_t>& data, std::size_t per_line) {
    out += "extern const unsigned char ";
    out += name;
    out += '[';
    out += size_expr;
    out += "] =\n";
    write_literal(out, data, per_line);
    out += ";\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gen_cell_font <unifont.hex> <out.cpp>\n";
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    std::vector<UnifontGlyph> unifont;
    if (!read_unifont(argv[1], unifont)) {
        std::cerr << "gen_cell_font: cannot read " << argv[1] << ": " << std::strerror(errno)
                  << '\n';
        return 1;
    }

    std::vector<std::uint8_t> half;
    half.reserve(cfd::kHalfGlyphCount * cfd::kHalfGlyphBytes);
    for (int b = 0; b < cfd::kHalfGlyphCount; ++b) {
        HalfGlyph g = kPlaceholder;
        if (b == 0x20) {
            g.fill(0);
        } else if (b > 0x20 && b < 0x7F && unifont[b].width == 8) {
            std::memcpy(g.data(), unifont[b].bits.data(), g.size());
        }
        half.insert(half.end(), g.begin(), g.end());
    }

    iconv_t cd = iconv_open("UTF-32LE", "CP936");
    if (cd == iconv_t(-1)) {
        std::cerr << "gen_cell_font: iconv has no CP936 converter\n";
        return 1;
    }
    const FullGlyph box = missing_box();
    std::vector<std::uint8_t> full(std::size_t(cfd::kFullSlots) * cfd::kFullGlyphBytes, 0);
    std::vector<std::uint8_t> present(cfd::kFullSlots, 0);
    int characters = 0, centred = 0, boxed = 0;
    for (int lead = cfd::kLeadFirst; lead <= cfd::kLeadLast; ++lead) {
        for (int trail = cfd::kTrailFirst; trail <= cfd::kTrailLast; ++trail) {
            int slot = cfd::slot_of(lead, trail);
            if (slot < 0) continue;
            char32_t cp = pair_to_unicode(cd, std::uint8_t(lead), std::uint8_t(trail));
            if (cp == 0) continue;
            ++characters;
            present[slot] = 1;
            std::uint8_t* dst = &full[std::size_t(slot) * cfd::kFullGlyphBytes];
            const UnifontGlyph* g = cp < 0x10000 ? &unifont[cp] : nullptr;
            if (g && g->width == 16) {
                std::memcpy(dst, g->bits.data(), cfd::kFullGlyphBytes);
            } else if (g && g->width == 8) {
                // A narrow glyph in a full-width cell sits in the middle: 4 blank columns a side.
                for (int row = 0; row < 16; ++row) {
                    dst[2 * row] = std::uint8_t(g->bits[row] >> 4);
                    dst[2 * row + 1] = std::uint8_t(g->bits[row] << 4);
                }
                ++centred;
            } else {
                std::memcpy(dst, box.data(), box.size());
                ++boxed;
            }
        }
    }
    iconv_close(cd);

    std::string out;
    out.reserve(4 << 20);
    out += "// Generated by gen_cell_font from ";
    out += argv[1];
    out += ". Do not edit.\n#include \"platform/cell_font_data.h\"\n\n";
    out += "namespace quillo::platform::cell_font_data {\n\n";
    std::vector<std::uint8_t> placeholder(kPlaceholder.begin(), kPlaceholder.end());
    write_array(out, "kPlaceholderGlyph", "kHalfGlyphBytes + 1", placeholder, 16);
    write_array(out, "kHalfWidthGlyphs", "kHalfGlyphCount * kHalfGlyphBytes + 1", half, 16);
    write_array(out, "kFullWidthPresent", "kFullSlots + 1", present, 95);
    write_array(out, "kFullWidthGlyphs", "kFullSlots * kFullGlyphBytes + 1", full, 32);
    out += "}  // namespace quillo::platform::cell_font_data\n";

    std::FILE* f = std::fopen(argv[2], "wb");
    if (!f) {
        std::cerr << "gen_cell_font: cannot write " << argv[2] << ": " << std::strerror(errno)
                  << '\n';
        return 1;
    }
    bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    written = std::fclose(f) == 0 && written;
    if (!written) {
        std::cerr << "gen_cell_font: writing " << argv[2] << " failed\n";
        return 1;
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count();
    std::cout << "gen_cell_font: " << characters << " GBK characters (" << centred
              << " narrow glyphs centred, " << boxed << " without a glyph), " << out.size()
              << " bytes written in " << ms << " ms\n";
    return 0;
}
