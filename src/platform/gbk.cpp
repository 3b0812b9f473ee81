#include "platform/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/utf8.h"

namespace quillo::platform {
namespace {

constexpr int kLeadFirst = 0x81;
constexpr int kLeadCount = 0xFE - 0x81 + 1;  // 126
constexpr int kTrailFirst = 0x40;
constexpr int kTrailCount = 0xFE - 0x40 + 1;  // 191, 0x7F included but never filled
constexpr unsigned char kCarriage = 0x0D;

struct Tables {
    // lead/trail -> code point, 0 = no character.
    std::vector<char32_t> to_unicode = std::vector<char32_t>(kLeadCount * kTrailCount, 0);
    // BMP code point -> (lead << 8 | trail), 0 = GBK lacks it.
    std::vector<std::uint16_t> from_bmp = std::vector<std::uint16_t>(0x10000, 0);
    // Code points beyond the BMP, sorted; glibc's table has none, but nothing here depends on it.
    std::vector<std::pair<char32_t, std::uint16_t>> from_astral;
    std::size_t pair_count = 0;
};

bool acceptable(char32_t cp) {
    // A pair may not decode to something another byte sequence also decodes to (ASCII, the
    // stray range), to a surrogate, or to what QPlainTextEdit rewrites (U+00A0 to a space,
    // U+2028, U+2029 and U+FDD0.. to line breaks). glibc's table has none of these; dropping
    // such a pair would keep the round trip exact, its bytes then being carried one by one.
    if (cp < 0x80 || cp > 0x10FFFF) return false;
    if (is_stray_code_point(cp)) return false;
    if (cp >= 0xD800 && cp <= 0xDFFF) return false;
    if (cp == 0x2028 || cp == 0x2029 || cp == 0x00A0 || (cp >= 0xFDD0 && cp <= 0xFDEF))
        return false;
    return true;
}

Tables build_tables() {
    Tables t;
    iconv_t cd = iconv_open("UTF-32LE", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-32LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return t;  // no table: all high bytes are strays
    for (int lead = kLeadFirst; lead <= 0xFE; ++lead) {
        for (int trail = kTrailFirst; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char out[16];
            char* in_ptr = in;
            char* out_ptr = out;
            std::size_t in_left = sizeof in;
            std::size_t out_left = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1))
                continue;
            // Exactly one code point from both bytes; anything else is no character for us.
            if (in_left != 0 || out_ptr - out != 4) continue;
            unsigned char b[4];
            std::memcpy(b, out, 4);
            char32_t cp =
                char32_t(b[0]) | char32_t(b[1]) << 8 | char32_t(b[2]) << 16 | char32_t(b[3]) << 24;
            if (!acceptable(cp)) continue;
            auto code = static_cast<std::uint16_t>(lead << 8 | trail);
            if (cp <= 0xFFFF) {
                if (t.from_bmp[cp] != 0)
                    continue;  // first pair wins; a second would not round-trip
                t.from_bmp[cp] = code;
            } else {
                auto it = std::lower_bound(t.from_astral.begin(), t.from_astral.end(),
                                           std::pair<char32_t, std::uint16_t>{cp, 0});
                if (it != t.from_astral.end() && it->first == cp) continue;
                t.from_astral.insert(it, {cp, code});
            }
            t.to_unicode[(lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst)] = cp;
            ++t.pair_count;
        }
    }
    iconv_close(cd);
    return t;
}

const Tables& tables() {
    static const Tables t = build_tables();
    return t;
}

inline char32_t lookup_pair(const Tables& t, unsigned char lead, unsigned char trail) {
    if (!is_lead_byte(lead) || trail < kTrailFirst || trail > 0xFE) return 0;
    return t.to_unicode[(lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst)];
}

// Two bytes as (lead << 8 | trail), or 0 when GBK lacks the code point. ASCII and strays are
// handled by the callers.
inline std::uint16_t lookup_code(const Tables& t, char32_t cp) {
    if (cp <= 0xFFFF) return t.from_bmp[cp];
    auto it = std::lower_bound(t.from_astral.begin(), t.from_astral.end(),
                               std::pair<char32_t, std::uint16_t>{cp, 0});
    return it != t.from_astral.end() && it->first == cp ? it->second : 0;
}

// Writers go through a raw pointer into output sized for the worst case and trimmed at the
// end: a push_back per character costs a third of the time on 10 MB.
inline char* put_code_point(const Tables& t, char32_t cp, char* w) {
    if (cp < 0x80) {
        *w++ = static_cast<char>(cp);
    } else if (is_stray_code_point(cp)) {
        *w++ = static_cast<char>(cp - kStrayByteBase);
    } else if (std::uint16_t code = lookup_code(t, cp)) {
        *w++ = static_cast<char>(code >> 8);
        *w++ = static_cast<char>(code & 0xFF);
    } else {
        *w++ = '?';
    }
    return w;
}

// Walks GBK bytes and calls emit(code point) for each character or carried byte.
template <typename Emit>
inline void decode_gbk(const Tables& t, std::string_view gbk, bool carry_cr, Emit emit) {
    const auto* p = reinterpret_cast<const unsigned char*>(gbk.data());
    const std::size_t n = gbk.size();
    for (std::size_t i = 0; i < n;) {
        unsigned char b = p[i];
        if (b < 0x80) {
            emit(b == kCarriage && carry_cr ? kStrayByteBase + b : char32_t(b));
            ++i;
            continue;
        }
        if (i + 1 < n) {
            if (char32_t cp = lookup_pair(t, b, p[i + 1])) {
                emit(cp);
                i += 2;
                continue;
            }
        }
        emit(kStrayByteBase + b);
        ++i;
    }
}

}  // namespace

std::size_t gbk_pair_count() {
    return tables().pair_count;
}

char32_t gbk_pair_to_unicode(unsigned char lead, unsigned char trail) {
    return lookup_pair(tables(), lead, trail);
}

std::string unicode_to_gbk(char32_t code_point) {
    const Tables& t = tables();
    if (code_point >= 0x80 && !is_stray_code_point(code_point) && lookup_code(t, code_point) == 0)
        return {};
    char buf[2];
    return std::string(buf, put_code_point(t, code_point, buf));
}

std::u16string gbk_to_utf16(std::string_view gbk) {
    std::u16string out(gbk.size(), u'\0');  // never more units than bytes
    char16_t* w = out.data();
    decode_gbk(tables(), gbk, true, [&w](char32_t cp) {
        if (cp < 0x10000) {
            *w++ = static_cast<char16_t>(cp);
        } else {
            *w++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            *w++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    });
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

std::string utf16_to_gbk(std::u16string_view text) {
    const Tables& t = tables();
    std::string out(text.size() * 2, '\0');  // two bytes per unit at most
    char* w = out.data();
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            } else {
                *w++ = '?';
                continue;
            }
        }
        w = put_code_point(t, c, w);
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

std::string gbk_to_utf8(std::string_view gbk) {
    std::string out(gbk.size() * 3, '\0');  // a stray byte takes three
    char* w = out.data();
    decode_gbk(tables(), gbk, false, [&w](char32_t cp) { w = put_utf8(cp, w); });
    out.resize(static_cast<std::size_t>(w - out.data()));
    out.shrink_to_fit();
    return out;
}

std::string utf8_to_gbk(std::string_view utf8) {
    const Tables& t = tables();
    std::string out(utf8.size(), '\0');  // no sequence gives more bytes than it has
    char* w = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            *w++ = static_cast<char>(p[i++]);
            continue;
        }
        char32_t cp;
        if (int len = utf8_sequence(p + i, n - i, cp)) {
            w = put_code_point(t, cp, w);
            i += len;
        } else {
            *w++ = static_cast<char>(p[i++]);  // malformed: the byte itself, as a stray
        }
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

}  // namespace quillo::platform
