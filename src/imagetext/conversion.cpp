#include "imagetext/conversion.h"

namespace quillo::imagetext {

std::string pixel_hex(Rgb pixel) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s(6, '0');
    for (int i = 5; i >= 0; --i, pixel >>= 4) s[std::size_t(i)] = kDigits[pixel & 0xF];
    return s;
}

}  // namespace quillo::imagetext
