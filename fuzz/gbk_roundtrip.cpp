// The GBK mapping is lossless for every byte string, through UTF-16 and through UTF-8, and the
// reverse directions survive any input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/gbk.h"

using namespace quillo::platform;

namespace {

bool valid_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int n = (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 0;
        if (n == 0 || i + static_cast<std::size_t>(n) >= s.size()) return false;
        char32_t c = b & (0x3F >> n);
        for (int k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((t & 0xC0) != 0x80) return false;
            c = (c << 6) | (t & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(n) + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::u16string wide = gbk_to_utf16(bytes);
    FUZZ_CHECK(wide.find(u'\r') == std::u16string::npos);
    FUZZ_CHECK(wide.size() <= size);
    FUZZ_CHECK(utf16_to_gbk(wide) == bytes);

    const std::string utf8 = gbk_to_utf8(bytes);
    FUZZ_CHECK(valid_utf8(utf8));
    FUZZ_CHECK(utf8_to_gbk(utf8) == bytes);

    // The same bytes read as UTF-8 and as UTF-16 units: any result, no fault; a GBK string
    // made from them maps back to itself.
    const std::string from_utf8 = utf8_to_gbk(bytes);
    FUZZ_CHECK(utf16_to_gbk(gbk_to_utf16(from_utf8)) == from_utf8);
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    const std::string from_utf16 = utf16_to_gbk(units);
    FUZZ_CHECK(gbk_to_utf8(from_utf16).size() >= from_utf16.size());
    return 0;
}
