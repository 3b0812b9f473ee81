// The double-byte normaliser only inserts spaces, and every full-width character of its output
// starts at an odd byte (1-based); a row already in cells stays as it is.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "canvas/row_text.h"
#include "fuzz_check.h"

using quillo::canvas::double_byte_normalise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(double_byte_normalise(s, false) == s);

    const std::string out = double_byte_normalise(s, true);
    if (s.empty()) {
        FUZZ_CHECK(out.empty());
        return 0;
    }
    // Removing the inserted spaces gives the input back.
    std::size_t i = 0;
    for (char c : out) {
        if (i < s.size() && c == s[i])
            ++i;
        else
            FUZZ_CHECK(c == ' ');
    }
    FUZZ_CHECK(i == s.size());
    FUZZ_CHECK(out.size() <= 2 * s.size());

    // A byte of 128 or more starts a full-width character that takes it and the next byte.
    for (std::size_t k = 0; k < out.size(); ++k) {
        if (static_cast<unsigned char>(out[k]) >= 128) {
            FUZZ_CHECK(k % 2 == 0);
            ++k;
        }
    }
    // The length is not always even: an odd input length adds one space at the end whatever was
    // inserted before (the row tests pin "a" + one full-width character -> 5 bytes).
    FUZZ_CHECK(out.size() >= s.size() + s.size() % 2);
    // A row already in cells stays as it is; an odd-length one gains its final space again, so
    // the normaliser is idempotent on even lengths only.
    const std::string twice = double_byte_normalise(out, true);
    if (out.size() % 2 == 0)
        FUZZ_CHECK(twice == out);
    else
        FUZZ_CHECK(twice == out + ' ');
    return 0;
}
