#include "interop/utf8_text.h"

#include <algorithm>
#include <vector>

#include "interop/east_asian_width.h"
#include "interop/gbk_codes.h"
#include "platform/gbk.h"
#include "platform/utf8.h"

namespace quillo::interop {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using platform::put_utf8;
using platform::utf8_sequence;

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
    // One pass checks, converts and splits. Every character gives at most as many GBK bytes as
    // it has UTF-8 bytes ("？" for a wide one takes two of its three or four).
    std::string gbk(bytes.size(), '\0');
    char* const out = gbk.data();
    char* w = out;
    char* line_start = out;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            if (b == '\n' || b == '\r') {
                if (b == '\r' && i < n && p[i] == '\n') ++i;
                r.lines.emplace_back(line_start, w);
                line_start = w;
            } else {
                *w++ = static_cast<char>(b);
            }
            continue;
        }
        char32_t cp = 0;
        const int len = utf8_sequence(p + i, n - i, cp);
        if (len == 0) {
            r.bad_line = static_cast<int>(r.lines.size()) + 1;
            r.bad_offset = mark + i;
            r.lines.clear();
            r.replaced = 0;
            r.first_replaced_line = 0;
            return r;
        }
        i += static_cast<std::size_t>(len);
        if (const std::uint16_t code = gbk_code(cp)) {
            *w++ = static_cast<char>(code >> 8);
            *w++ = static_cast<char>(code & 0xFF);
            continue;
        }
        if (r.replaced++ == 0) r.first_replaced_line = static_cast<int>(r.lines.size()) + 1;
        if (is_wide(cp)) {
            *w++ = kWideReplacement[0];
            *w++ = kWideReplacement[1];
        } else {
            *w++ = '?';
        }
    }
    if (line_start != w) r.lines.emplace_back(line_start, w);
    return r;
}

namespace {

// The UTF-8 bytes of every GBK pair, packed as length << 24 | bytes (first byte lowest); 0 for
// a pair that is no character. Built once from the program's GBK table.
const std::vector<std::uint32_t>& utf8_of_pairs() {
    static const std::vector<std::uint32_t> table = [] {
        std::vector<std::uint32_t> t(126 * 191, 0);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const char32_t cp = platform::gbk_pair_to_unicode(
                    static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
                if (!cp) continue;
                char buf[4];
                const auto len = static_cast<std::uint32_t>(put_utf8(cp, buf) - buf);
                std::uint32_t packed = len << 24;
                for (std::uint32_t k = 0; k < len && k < 3; ++k)
                    packed |= std::uint32_t(static_cast<unsigned char>(buf[k])) << (8 * k);
                // Four-byte characters (none in GBK) go through put_utf8 again when written.
                t[std::size_t(lead - 0x81) * 191 + std::size_t(trail - 0x40)] = packed;
            }
        }
        return t;
    }();
    return table;
}

// Writes gbk as UTF-8 at w (room for twice its size) and returns the end; counts bytes that
// are no character (and control bytes, if asked) written as "?".
char* put_gbk_as_utf8(std::string_view gbk, char* w, bool controls_as_stray, long long& stray) {
    const std::vector<std::uint32_t>& pairs = utf8_of_pairs();
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
        const unsigned char t = i + 1 < n ? p[i + 1] : 0;
        const std::uint32_t packed = b >= 0x81 && b <= 0xFE && t >= 0x40 && t <= 0xFE
                                         ? pairs[std::size_t(b - 0x81) * 191 + (t - 0x40)]
                                         : 0;
        if (packed == 0) {
            *w++ = '?';
            ++stray;
            ++i;
            continue;
        }
        const std::uint32_t len = packed >> 24;
        if (len == 4) {
            w = put_utf8(platform::gbk_pair_to_unicode(b, t), w);
        } else {
            for (std::uint32_t k = 0; k < len; ++k) *w++ = static_cast<char>(packed >> (8 * k));
        }
        i += 2;
    }
    return w;
}

}  // namespace

long long append_gbk_as_utf8(std::string_view gbk, std::string& out, bool controls_as_stray) {
    const std::size_t start = out.size();
    out.resize(start + gbk.size() * 2);  // a pair gives at most 4 bytes, any other byte 1
    long long stray = 0;
    char* end = put_gbk_as_utf8(gbk, out.data() + start, controls_as_stray, stray);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return stray;
}

Utf8Writing write_utf8_text(const std::vector<std::string>& lines, std::string_view line_end) {
    Utf8Writing r;
    std::size_t room = 0;
    for (const auto& l : lines) room += l.size() * 2 + line_end.size();
    r.bytes.resize(room);
    char* w = r.bytes.data();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        long long stray = 0;
        w = put_gbk_as_utf8(lines[i], w, false, stray);
        if (stray > 0 && r.stray_bytes == 0) r.first_stray_line = static_cast<int>(i) + 1;
        r.stray_bytes += stray;
        w = std::copy(line_end.begin(), line_end.end(), w);
    }
    r.bytes.resize(static_cast<std::size_t>(w - r.bytes.data()));
    return r;
}

}  // namespace quillo::interop
