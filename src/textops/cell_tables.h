#pragma once
// The cell tables of the text menu: punctuation for vertical and for horizontal reading, and
// the pairs the left-right mirror swaps. A cell is two bytes; a cell equal to a listed one is
// replaced, the first matching entry winning.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::textops {

struct CellRule {
    const char* becomes;                // two GBK bytes
    std::vector<const char*> replaced;  // two GBK bytes each
};

// Looks up 2-byte cells in constant time; built once from the rules in their test order.
class CellTable {
  public:
    explicit CellTable(const std::vector<CellRule>& rules);
    // The replacement of a 2-byte cell, or nullptr when the cell is not listed.
    const char* find(std::string_view cell) const {
        if (cell.size() != 2) return nullptr;
        const std::uint16_t slot = index_[key(cell)];
        return slot ? becomes_[slot - 1] : nullptr;
    }

  private:
    static std::size_t key(std::string_view cell) {
        return static_cast<unsigned char>(cell[0]) << 8 | static_cast<unsigned char>(cell[1]);
    }
    std::vector<std::uint16_t> index_;  // 65536 slots: 0 = not listed, else rule number + 1
    std::vector<const char*> becomes_;
};

const std::vector<CellRule>& vertical_punctuation_rules();
const std::vector<CellRule>& horizontal_punctuation_rules();
const std::vector<CellRule>& mirror_pair_rules();

const CellTable& vertical_punctuation();
const CellTable& horizontal_punctuation();
const CellTable& mirror_pairs();

// Map punctuation: every 2-byte cell at the odd byte positions 1, 3, 5... that the table lists
// is replaced; a final one-byte cell is copied.
std::string map_punctuation(std::string line, const CellTable& table);

// Mirror a cell through the mirror pair table (cells not listed come back unchanged).
std::string_view mirror_cell(std::string_view cell);

}  // namespace quillo::textops
