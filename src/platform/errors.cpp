#include "platform/errors.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quillo::platform {

namespace {

[[noreturn]] void fail_int(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void fail_float(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

int str_to_int(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    // Leading blanks are skipped, trailing ones are not: "12 " is refused like the classic Val.
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) fail_int(text);

    std::uint64_t value = 0;
    if (hex) {
        // Hexadecimal reads all 32 bits, so "$FFFFFFFF" is -1 and "$8000000F" a system colour.
        for (; i < n; ++i) {
            const int d = hex_value(text[i]);
            if (d < 0) fail_int(text);
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFu) fail_int(text);
        }
        auto bits = static_cast<std::uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    for (; i < n; ++i) {
        if (!is_digit(text[i])) fail_int(text);
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > limit) fail_int(text);
    }
    const auto magnitude = static_cast<std::int64_t>(value);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double str_to_float(std::string_view text) {
    std::size_t i = 0;
    std::size_t n = text.size();
    while (i < n && is_blank(text[i])) ++i;
    while (n > i && is_blank(text[n - 1])) --n;

    // Check the whole form here; strtod alone would accept "inf", hex floats and a prefix.
    std::size_t p = i;
    if (p < n && (text[p] == '+' || text[p] == '-')) ++p;
    std::size_t digits = 0;
    while (p < n && is_digit(text[p])) ++p, ++digits;
    if (p < n && text[p] == '.') {
        ++p;
        while (p < n && is_digit(text[p])) ++p, ++digits;
    }
    if (digits == 0) fail_float(text);
    if (p < n && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        if (p < n && (text[p] == '+' || text[p] == '-')) ++p;
        std::size_t exp_digits = 0;
        while (p < n && is_digit(text[p])) ++p, ++exp_digits;
        if (exp_digits == 0) fail_float(text);
    }
    if (p != n) fail_float(text);

    // Qt sets the user's locale for LC_NUMERIC; the separator here is always '.'.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const std::string copy(text.substr(i, n - i));
    errno = 0;
    char* end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, c_locale);
    if (end != copy.c_str() + copy.size()) fail_float(text);
    if (errno == ERANGE && std::isinf(value)) fail_float(text);
    return value;
}

}  // namespace quillo::platform
