#pragma once
// GBK code page: classification of bytes and a lossless mapping between GBK byte strings and
// UTF-16 text for Qt widgets. Every byte string survives the round trip: bytes that form no GBK
// character are carried by private code points of their own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillo::platform {

// A byte of 129 or more starts a full-width character.
inline bool is_lead_byte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

// Private code points U+F700..U+F7FF carry single bytes that are no character of their own:
// byte b travels as kStrayByteBase + b. glibc's GBK table maps no pair into this range (the
// table builder drops any pair that would land there), so decoding never mixes the two.
inline constexpr char32_t kStrayByteBase = 0xF700;
inline bool is_stray_code_point(char32_t c) {
    return c >= kStrayByteBase && c < kStrayByteBase + 0x100;
}

// Number of two-byte characters in the table; 0 when the system's iconv has no GBK, in which
// case every byte of 0x80 or more is carried as a stray byte (still lossless).
std::size_t gbk_pair_count();

// Unicode code point of the two-byte GBK character (lead, trail), or 0 when the pair is none.
char32_t gbk_pair_to_unicode(unsigned char lead, unsigned char trail);

// GBK bytes of a code point: one byte for ASCII, two for a GBK character, empty when GBK lacks it.
// A stray-byte code point gives its one byte, as in utf16_to_gbk.
std::string unicode_to_gbk(char32_t code_point);

// Bytes -> UTF-16 for display in Qt widgets. A valid pair becomes its character; every other
// byte of 0x80 or more becomes the private code point kStrayByteBase + byte. So does CR (0x0D),
// which QPlainTextEdit would turn into a line break; every other ASCII byte, LF included, is
// itself.
std::u16string gbk_to_utf16(std::string_view gbk);

// UTF-16 -> bytes, the inverse of gbk_to_utf16. Private stray-byte code points give back their
// byte; characters that GBK lacks and unpaired surrogates become "?" (one per code point).
std::string utf16_to_gbk(std::u16string_view text);

// UTF-8 <-> GBK through the same lossless mapping (script files, messages, file names).
// gbk_to_utf8 writes stray bytes of 0x80 or more as their private code points (CR stays CR);
// utf8_to_gbk reads each byte of malformed UTF-8 (bad lead, missing continuation, overlong form,
// encoded surrogate, beyond U+10FFFF) as a stray byte, so gbk -> utf8 -> gbk is lossless.
std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace quillo::platform
