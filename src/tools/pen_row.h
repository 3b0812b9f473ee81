#pragma once
// The pen row: a row of pen characters, one slot every 3 bytes. Slot k begins at byte 3k - 2.
#include <string>
#include <string_view>

namespace quillo::tools {

// The bytes a slot gives the pen box: 2 in double-byte mode, 1 otherwise; empty below slot 1.
std::string load_slot(std::string_view row, int k, bool double_byte);

// The row with the pen box stored into slot k: a box starting with a byte below 129 is stored
// as that byte and two spaces; otherwise the whole box and one space.
std::string store_slot(std::string_view row, int k, std::string_view box);

}  // namespace quillo::tools
