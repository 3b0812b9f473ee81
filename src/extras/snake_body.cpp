#include "extras/snake_body.h"

#include <algorithm>

#include "canvas/row_text.h"

namespace quillo::extras {

namespace {
constexpr std::size_t kRepeatedBodyBytes = 200;
constexpr int kPenBodyPieces = 250;
}  // namespace

std::string pen_cell_unit(std::string_view pen) {
    if (pen.empty()) return std::string(kSnakeDot);
    if (pen.size() == 1) return std::string{pen[0], ' '};
    return std::string(pen.substr(0, 2));
}

std::string snake_body_for_game(std::string body, std::string_view pen) {
    if (body.empty()) {
        std::string unit;
        if (pen.empty())
            unit = kSnakeDot;
        else if (pen.size() == 1)
            unit = {pen[0], pen[0]};
        else
            unit = pen.substr(0, 2);
        std::string out;
        out.reserve(unit.size() * kPenBodyPieces);
        for (int i = 0; i < kPenBodyPieces; ++i) out += unit;
        return out;
    }
    // Segments show 2-byte pieces, so a full-width character after an odd run of half-width
    // ones ("QUILLO 贪吃蛇" in the default text) would be cut in two: such a text is aligned
    // first, a space after the odd run. Texts of half-width characters only are kept as typed.
    const bool full_width = std::any_of(
        body.begin(), body.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 128; });
    if (full_width) {
        body = canvas::double_byte_normalise(body, true);
        // Repeated copies must start on a piece boundary too.
        if (body.size() % 2 == 1) body.push_back(' ');
    }
    if (body.size() < kRepeatedBodyBytes) {
        const std::string once = body;
        while (body.size() <= kRepeatedBodyBytes) body += once;
    }
    return body;
}

std::array<char, 2> body_piece(std::string_view body, int k) {
    if (body.empty() || k < 1) return {' ', ' '};
    const std::size_t n = body.size();
    const std::size_t first = (2 * static_cast<std::size_t>(k) - 2) % n;
    return {body[first], body[(first + 1) % n]};
}

}  // namespace quillo::extras
