#include "extras/picker_pages.h"

#include <algorithm>

#include "platform/gbk.h"

namespace quillo::extras {

namespace {

// Writes the cells of one row: lead byte and trail bytes first_trail, first_trail + 1, ...
void fill_row(std::string& row, int lead, int first_trail) {
    for (int c = 0; c < kPickerColumns; ++c) {
        row[2 * c] = static_cast<char>(lead);
        row[2 * c + 1] = static_cast<char>(first_trail + c);
    }
}

// Trail byte of cell 1 in row r of the plain pages: 64, 96, ... 224.
int plain_trail(int r) {
    return r * 32 + 32;
}

}  // namespace

bool is_picker_page(int page) {
    return page == kHalfWidthPage || (page >= kFirstLeadPage && page <= kLastLeadPage);
}

PageRows build_page(int page) {
    PageRows rows;
    for (auto& row : rows) row.assign(kPickerRowBytes, ' ');
    if (page == kHalfWidthPage) {
        // Bytes 32 to 223, each behind the half-width mark.
        for (int r = 1; r <= kPickerRows; ++r)
            fill_row(rows[r - 1], kHalfWidthMark, (r - 1) * 32 + 32);
    } else if (page >= 161 && page <= 167) {
        // A symbol page shows the characters (trail 160 to 255) of two lead bytes, three rows
        // each. Page 167 follows the same rule, so that it shows the pinyin letters of lead byte
        // 168, which no other page holds.
        for (int r = 1; r <= 3; ++r) fill_row(rows[r - 1], page, plain_trail(r + 3));
        for (int r = 4; r <= kPickerRows; ++r) fill_row(rows[r - 1], page + 1, plain_trail(r));
    } else if (page == 168) {
        // Trail bytes 64 to 159 and 192 to 255; the sixth row stays empty.
        for (int r = 1; r <= 3; ++r) fill_row(rows[r - 1], 168, plain_trail(r));
        for (int r = 4; r <= 5; ++r) fill_row(rows[r - 1], 168, plain_trail(r + 1));
    } else if (page >= 2 && page <= 254) {
        for (int r = 1; r <= kPickerRows; ++r) fill_row(rows[r - 1], page, plain_trail(r));
    }
    return rows;
}

std::string cell_bytes(const PageRows& rows, int row, int column) {
    if (row < 1 || row > kPickerRows || column < 1 || column > kPickerColumns) return {};
    const std::string& r = rows[static_cast<std::size_t>(row - 1)];
    if (r.size() < std::size_t(2 * column)) return {};
    return r.substr(std::size_t(2 * column - 2), 2);
}

std::string pick_text(std::string_view cell) {
    if (cell.size() < 2) return {};
    const auto lead = static_cast<unsigned char>(cell[0]);
    const auto trail = static_cast<unsigned char>(cell[1]);
    if (lead == kHalfWidthMark) {
        // Only printable ASCII stands alone; a byte of 128 or more would pair with its neighbour.
        if (trail >= 0x20 && trail < 0x7F) return std::string(1, cell[1]);
        return {};
    }
    if (platform::is_lead_byte(lead) && platform::gbk_pair_to_unicode(lead, trail) != 0)
        return std::string(cell.substr(0, 2));
    return {};
}

int next_page(int page) {
    return std::max(std::min(page + 1, kLastLeadPage), kFirstLeadPage);
}

int previous_page(int page) {
    const int p = page - 1;
    return p < kFirstLeadPage ? kHalfWidthPage : p;
}

std::vector<PageItem> list1_items() {
    std::vector<PageItem> items;
    for (int p = kFirstLeadPage; p <= kLastLeadPage; ++p)
        if (p < 161 || p > 169) items.push_back({p, {static_cast<char>(p), '\x40'}});
    return items;
}

std::vector<PageItem> list2_items() {
    std::vector<PageItem> items;
    for (int p = 161; p <= 167; p += 2) items.push_back({p, {static_cast<char>(p), '\xA2'}});
    return items;
}

std::vector<PageItem> list3_items() {
    // Named by what the pages hold: half-width characters, pinyin, box drawing.
    return {
        {kHalfWidthPage, "\xB0\xEB\xBD\xC7"}, {168, "\xC6\xB4\xD2\xF4"}, {169, "\xD6\xC6\xB1\xED"}};
}

std::optional<int> column_at(int x) {
    if (x < 0 || x >= kPickerColumns * kPickerCellPixels) return std::nullopt;
    return x / kPickerCellPixels + 1;
}

std::optional<GridCell> cell_at(int x, int y) {
    const auto column = column_at(x);
    if (!column || y < 0 || y >= kPickerRows * kPickerCellPixels) return std::nullopt;
    return GridCell{y / kPickerCellPixels + 1, *column};
}

PanelPlace point_place(int row, int column) {
    return {kPickerCellPixels * column - 20, kPickerCellPixels * (row - 1) - 4};
}

}  // namespace quillo::extras
