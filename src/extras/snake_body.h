#pragma once
// The characters of the snake: its body text, read in 2-byte pieces, and the cell the pen lays.
#include <array>
#include <string>
#include <string_view>

namespace quillo::extras {

// "●" in GBK: what the snake and the food show when the pen box is empty.
inline constexpr std::string_view kSnakeDot = "\xA1\xF1";

// The pen as one 2-byte cell: its first two bytes, a single byte followed by a space, or "●".
std::string pen_cell_unit(std::string_view pen);

// The body text a new game uses. A text shorter than 200 bytes is repeated until it is longer
// than 200 (a text of one byte too, so that every piece has characters); an empty one becomes
// the pen's first two bytes (a single byte doubled, "●" for an empty pen) 250 times; a text of
// 200 bytes or more is used as it is. A text holding full-width characters is first aligned so
// that each of them fills one piece.
std::string snake_body_for_game(std::string body, std::string_view pen);

// Piece k (1-based) of the body: bytes 2k-1 and 2k. A piece past the end of the text repeats
// the text from its start; an empty text reads as spaces.
std::array<char, 2> body_piece(std::string_view body, int k);

}  // namespace quillo::extras
