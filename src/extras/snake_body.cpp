#include "extras/snake_body.h"

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
