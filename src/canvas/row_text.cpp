#include "canvas/row_text.h"

#include <cmath>

#include "canvas/constants.h"

namespace quillo::canvas {

std::string pad_to_width(std::string s, int n) {
    if (static_cast<int>(s.size()) < n) s.resize(static_cast<std::size_t>(n) + 1, ' ');
    return s;
}

std::string double_byte_normalise(std::string_view s, bool on) {
    if (!on) return std::string(s);
    if (s.empty()) return {};
    if (s.size() == 1) return std::string{s[0], ' '};
    std::string out;
    out.reserve(s.size() + s.size() / 2 + 2);
    out.push_back(s[0]);
    for (std::size_t i = 1; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b >= 128) {
            const auto before = static_cast<unsigned char>(s[i - 1]);
            if (out.size() % 2 == 1 && before < 128) out.push_back(' ');
        }
        out.push_back(s[i]);
    }
    if (s.size() % 2 == 1) out.push_back(' ');
    return out;
}

std::string trailing_space_trim(std::string_view s) {
    if (s.empty()) return {};
    const auto last = s.find_last_not_of(' ');
    if (last == std::string_view::npos) return " ";
    return std::string(s.substr(0, last + 1));
}

int round_half_even(double v) {
    return static_cast<int>(std::nearbyint(v));
}

std::string cut_to_row(std::string s) {
    if (s.size() > static_cast<std::size_t>(kMaxRowBytes)) s.resize(kMaxRowBytes);
    return s;
}

}  // namespace quillo::canvas
