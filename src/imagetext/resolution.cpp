#include "imagetext/resolution.h"

#include <algorithm>
#include <vector>

namespace quillo::imagetext {

std::int64_t divide_half_even(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) {
        q -= 1;
        r += b;
    }
    if (2 * r > b || (2 * r == b && (q % 2 != 0))) ++q;
    return q;
}

Size starting_size(int wo, int ho) {
    Size s{wo, ho};
    // ratio > 1.5 exactly as wo / ho > 3 / 2; a picture without height has ratio 1.
    const bool wide = ho > 0 ? 2LL * wo > 3LL * ho : false;
    if (wide) {
        if (wo > 42) s = {42, int(divide_half_even(std::int64_t(ho) * 42, wo))};
    } else if (ho > 28) {
        s = {int(divide_half_even(std::int64_t(wo) * 28, ho)), 28};
    }
    if (wo > 0 && ho > 0) {
        s.width = std::max(s.width, 1);
        s.height = std::max(s.height, 1);
    }
    return s;
}

int width_slider_max(int wo, int start_w) {
    return std::min(std::max(wo, start_w), kMaxResolutionWidth);
}

int height_slider_max(int ho, int start_h) {
    return std::min(std::max(ho, start_h), kMaxResolutionHeight);
}

int proportional_height(int width, int wo, int ho) {
    if (ho <= 0 || wo <= 0) return width;
    return int(std::int64_t(width) * ho / wo);
}

std::int64_t page_bytes(int w, int h) {
    return std::int64_t(w) * h * kPageBytesPerPixel;
}

namespace {

// n / 100 in the shortest general form: 17090 -> "170.9", 150 -> "1.5", 200 -> "2".
std::string hundredths(std::int64_t n) {
    std::string s = std::to_string(n / 100);
    const int frac = int(n % 100);
    if (frac == 0) return s;
    s += '.';
    s += char('0' + frac / 10);
    if (frac % 10 != 0) s += char('0' + frac % 10);
    return s;
}

}  // namespace

std::string page_size_estimate(int w, int h) {
    const std::int64_t s = page_bytes(w, h);
    if (s < 10000) return std::to_string(s) + "Byte";
    // s / 10.24 and s / 10485.76 as exact fractions, rounded halves to even.
    if (s < 1048576) return hundredths(divide_half_even(s * 100, 1024)) + "KB";
    return hundredths(divide_half_even(s * 100, 1048576)) + "MB";
}

bool send_allowed(int w, int h) {
    return page_bytes(w, h) <= kSendLimit;
}

bool draw_allowed(int w, int h, bool colour_and_word_mode) {
    return page_bytes(w, h) <= kDrawLimit && w <= kDrawMaxWidth && h <= kDrawMaxHeight &&
           !colour_and_word_mode;
}

std::string picture_caption(std::string_view path) {
    // Split into UTF-8 characters (a stray byte counts as one).
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < path.size();) {
        const auto b = static_cast<unsigned char>(path[i]);
        std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 1;
        n = std::min(n, path.size() - i);
        chars.push_back(path.substr(i, n));
        i += n;
    }
    std::string shown;
    if (chars.size() <= 30) {
        shown = std::string(path);
    } else {
        for (std::size_t i = 0; i < 3; ++i) shown += chars[i];
        shown += "...";
        for (std::size_t i = chars.size() - 24; i < chars.size(); ++i) shown += chars[i];
    }
    return "图变文字画——" + shown;
}

std::string size_hint(int w, int h) {
    return "SIZE:" + std::to_string(h) + "×" + std::to_string(w);
}
std::string org_panel(int w, int h) {
    return "Org:" + std::to_string(w) + "×" + std::to_string(h);
}
std::string now_panel(int w, int h) {
    return "Now:" + std::to_string(w) + "×" + std::to_string(h);
}
std::string file_size_panel(int w, int h) {
    return "FileSize:" + page_size_estimate(w, h);
}
std::string width_slider_hint(int w, int h) {
    const std::string W = std::to_string(w), H = std::to_string(h);
    return H + "x" + W + "|" + W + "Pixels x" + H + "Pixels";
}
std::string height_slider_hint(int w, int h) {
    const std::string W = std::to_string(w), H = std::to_string(h);
    return H + " x " + W + "|" + W + " pixels x " + H + " pixels";
}

}  // namespace quillo::imagetext
