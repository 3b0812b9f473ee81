#pragma once
// Pages of the character picker: which bytes each page holds, how the pages are stepped through
// and listed, and which cell of the grid lies under the mouse. A page is 6 rows of 32 two-byte
// cells; page 1 holds the half-width characters, every other page is named by its GBK lead byte.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::extras {

inline constexpr int kPickerRows = 6;
inline constexpr int kPickerColumns = 32;                   // cells per row
inline constexpr int kPickerRowBytes = 2 * kPickerColumns;  // lead byte, trail byte per cell
inline constexpr int kPickerCellPixels = 16;                // cells are square
inline constexpr int kHalfWidthPage = 1;
inline constexpr int kFirstLeadPage = 129;
inline constexpr int kLastLeadPage = 254;
inline constexpr int kDefaultPage = 161;  // the GB2312 punctuation page
// Lead bytes of the half-width page: a cell there is this byte and the character.
inline constexpr unsigned char kHalfWidthMark = 1;

// The pages a user can reach: the half-width page and every GBK lead byte.
bool is_picker_page(int page);

// Row strings of a page, 64 bytes each: byte 2c + 1 of a row is the lead byte and byte 2c + 2
// the trail byte of cell c + 1. Cells a page leaves empty hold two spaces.
using PageRows = std::array<std::string, kPickerRows>;
PageRows build_page(int page);

// The two bytes of cell `column` (1 to 32) of row `row` (1 to 6); empty outside the grid.
std::string cell_bytes(const PageRows& rows, int row, int column);

// What a pick of a cell gives: the half-width character alone on the half-width page, the GBK
// pair on the others. Empty when the cell holds no character (bytes that would not stand as one
// character in a document: control bytes, lone lead bytes, pairs GBK lacks, empty cells).
std::string pick_text(std::string_view cell);

// ">" and "<": ">" leaves the half-width page for the first lead byte and stops at the last;
// "<" below the first lead byte goes back to the half-width page.
int next_page(int page);
int previous_page(int page);

struct PageItem {
    int page;
    std::string text;  // GBK: a character of that page
};
// The page lists: list1 holds every lead byte outside the symbol pages (161 to 169), shown by
// its character with trail byte 0x40; list2 the symbol pages 161, 163, 165 and 167 (each shows
// two lead bytes), shown by the character with trail 0xA2; List3 the half-width page, 168, 169.
std::vector<PageItem> list1_items();
std::vector<PageItem> list2_items();
std::vector<PageItem> list3_items();

// Cell column (1 to 32) under x pixels of a row; none outside the row.
std::optional<int> column_at(int x);
struct GridCell {
    int row;     // 1 to 6
    int column;  // 1 to 32
};
// Cell under (x, y) pixels of the whole grid; none outside it.
std::optional<GridCell> cell_at(int x, int y);

// Top-left corner, relative to the grid, of the panel that shows the cell under the mouse: a
// 24-pixel square centred on the cell.
struct PanelPlace {
    int left;
    int top;
};
inline constexpr int kPointPanelPixels = 24;
PanelPlace point_place(int row, int column);

}  // namespace quillo::extras
