#pragma once
// The grey-level character tables: three strings, darkest character first, and the mapping of a
// pixel's grey value to a character of the chosen table.
#include <array>
#include <string>
#include <string_view>

namespace quillo::imagetext {

// Table kinds, as the radio buttons RB_16, RB_en and RB_32 carry them in their Tag.
inline constexpr int kSixteenLevels = 1;  // 16 full-width characters
inline constexpr int kHalfWidth = 2;      // any number of half-width characters
inline constexpr int kFullWidth = 3;      // any number of full-width characters

// The design text of the table box, sixteen full-width characters, darkest first (UTF-8).
inline constexpr std::string_view kDesignTable = "厲嵌懒傳蛤凯来旯圀国困园四三二一";

struct GreyTables {
    std::array<std::string, 3> tables;  // GBK, index kind - 1
    int kind = kSixteenLevels;

    const std::string& table(int k) const { return tables[std::size_t(clamp_kind(k) - 1)]; }
    std::string& table(int k) { return tables[std::size_t(clamp_kind(k) - 1)]; }
    const std::string& current() const { return table(kind); }
    static int clamp_kind(int k) { return k == kHalfWidth || k == kFullWidth ? k : kSixteenLevels; }
};

// Bytes per character of a table kind.
inline int table_char_bytes(int kind) {
    return kind == kHalfWidth ? 1 : 2;
}

// The level count the window shows for a text in the table box: its length for the half-width
// table, half its length (halves to even) for the others.
int level_count(int kind, std::string_view text);

// The levels the mapping uses: 16 for the 16-level table, else the level count, at most 256.
int mapping_levels(int kind, std::string_view table);

// The half-width table takes no byte above 128; they are removed. `removed` counts them.
std::string strip_full_width(std::string_view text, int* removed = nullptr);

// The grey character of grey value g (0..255): step = 256 / levels (to even), the character at
// (g div step) x width, 0, 1 or 2 bytes (fewer when the table ends first). A table without
// levels gives no character rather than an undefined step.
std::string_view grey_character(int g, int kind, std::string_view table, int levels);

// The same for the current table of a set.
std::string_view grey_character(int g, const GreyTables& tables);

}  // namespace quillo::imagetext
