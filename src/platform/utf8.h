#pragma once
// UTF-8 sequences one code point at a time, for the codecs that turn text to and from GBK.
#include <cstddef>

namespace quillo::platform {

// Writes code point cp as UTF-8 at w and returns the position after it.
inline char* put_utf8(char32_t cp, char* w) {
    if (cp < 0x80) {
        *w++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
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

// Length of the well-formed UTF-8 sequence at p[0..n), or 0 when p[0] starts none.
// Overlong forms, surrogates and values past U+10FFFF are malformed.
inline int utf8_sequence(const unsigned char* p, std::size_t n, char32_t& cp) {
    unsigned char b = p[0];
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

}  // namespace quillo::platform
