#include "interop/utf8_text.h"

#include "document/document.h"
#include "interop/east_asian_width.h"
#include "interop/gbk_codes.h"
#include "platform/gbk.h"

namespace quillo::interop {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at p[0..n) and its code point, or 0.
inline int utf8_sequence(const unsigned char* p, std::size_t n, char32_t& cp) {
    const unsigned char b = p[0];
    int len;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (n < static_cast<std::size_t>(len)) return 0;
    for (int k = 1; k < len; ++k) {
        if ((p[k] & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (p[k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// 1-based line of the byte at `offset`, counting line ends as the line splitter does.
int line_of(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

inline char* put_utf8(char32_t cp, char* w) {
    if (cp < 0x800) {
        *w++ = static_cast<char>(0xC0 | cp >> 6);
        *w++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *w++ = static_cast<char>(0xE0 | cp >> 12);
        *w++ = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        *w++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *w++ = static_cast<char>(0xF0 | cp >> 18);
        *w++ = static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        *w++ = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        *w++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return w;
}

}  // namespace

std::size_t first_invalid_utf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        const int len = utf8_sequence(p + i, n - i, cp);
        if (len == 0) return i;
        i += static_cast<std::size_t>(len);
    }
    return std::string_view::npos;
}

bool looks_like_utf8_text(std::string_view bytes) {
    bool beyond_ascii = false;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            beyond_ascii = true;
            break;
        }
    }
    return beyond_ascii && first_invalid_utf8(bytes) == std::string_view::npos &&
           !is_valid_gbk(bytes);
}

Utf8Reading read_utf8_text(std::string_view bytes) {
    Utf8Reading r;
    std::size_t mark = 0;
    if (bytes.starts_with(kByteOrderMark)) {
        mark = kByteOrderMark.size();
        bytes.remove_prefix(mark);
    }
    if (const std::size_t bad = first_invalid_utf8(bytes); bad != std::string_view::npos) {
        r.bad_line = line_of(bytes, bad);
        r.bad_offset = mark + bad;
        return r;
    }
    // Every character gives at most as many GBK bytes as it has UTF-8 bytes ("？" for a wide
    // one takes two of its three or four).
    std::string gbk(bytes.size(), '\0');
    char* w = gbk.data();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    int line = 1;
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b == '\n' || (b == '\r' && (i + 1 >= n || p[i + 1] != '\n'))) ++line;
            *w++ = static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        i += static_cast<std::size_t>(utf8_sequence(p + i, n - i, cp));
        if (const std::uint16_t code = gbk_code(cp)) {
            *w++ = static_cast<char>(code >> 8);
            *w++ = static_cast<char>(code & 0xFF);
            continue;
        }
        if (r.replaced++ == 0) r.first_replaced_line = line;
        if (is_wide(cp)) {
            *w++ = kWideReplacement[0];
            *w++ = kWideReplacement[1];
        } else {
            *w++ = '?';
        }
    }
    gbk.resize(static_cast<std::size_t>(w - gbk.data()));
    r.lines = document::split_lines(gbk);
    return r;
}

long long append_gbk_as_utf8(std::string_view gbk, std::string& out, bool controls_as_stray) {
    const std::size_t start = out.size();
    out.resize(start + gbk.size() * 2);  // a pair gives at most 4 bytes, any other byte 1
    char* w = out.data() + start;
    long long stray = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(gbk.data());
    const std::size_t n = gbk.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (controls_as_stray && (b < 0x20 || b == 0x7F)) {
                *w++ = '?';
                ++stray;
            } else {
                *w++ = static_cast<char>(b);
            }
            ++i;
            continue;
        }
        const char32_t cp = i + 1 < n ? platform::gbk_pair_to_unicode(b, p[i + 1]) : 0;
        if (cp == 0) {
            *w++ = '?';
            ++stray;
            ++i;
            continue;
        }
        w = put_utf8(cp, w);
        i += 2;
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return stray;
}

Utf8Writing write_utf8_text(const std::vector<std::string>& lines, std::string_view line_end) {
    Utf8Writing r;
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() * 2 + line_end.size();
    r.bytes.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const long long stray = append_gbk_as_utf8(lines[i], r.bytes, false);
        if (stray > 0 && r.stray_bytes == 0) r.first_stray_line = static_cast<int>(i) + 1;
        r.stray_bytes += stray;
        r.bytes += line_end;
    }
    return r;
}

}  // namespace quillo::interop
