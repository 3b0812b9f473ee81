#include "interop/gbk_codes.h"

#include <vector>

#include "platform/gbk.h"

namespace quillo::interop {

namespace {

std::vector<std::uint16_t> build_bmp_codes() {
    std::vector<std::uint16_t> codes(0x10000, 0);
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t cp = platform::gbk_pair_to_unicode(static_cast<unsigned char>(lead),
                                                              static_cast<unsigned char>(trail));
            // The table holds each code point once, so the inverse is exact.
            if (cp != 0 && cp <= 0xFFFF) codes[cp] = static_cast<std::uint16_t>(lead << 8 | trail);
        }
    }
    return codes;
}

}  // namespace

std::uint16_t gbk_code(char32_t cp) {
    static const std::vector<std::uint16_t> bmp = build_bmp_codes();
    if (cp < 0x80 || platform::is_stray_code_point(cp)) return 0;
    if (cp <= 0xFFFF) return bmp[cp];
    const std::string bytes = platform::unicode_to_gbk(cp);  // none today; kept exact anyway
    if (bytes.size() != 2) return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                      static_cast<unsigned char>(bytes[1]));
}

bool is_valid_gbk(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= n || platform::gbk_pair_to_unicode(p[i], p[i + 1]) == 0) return false;
        i += 2;
    }
    return true;
}

}  // namespace quillo::interop
