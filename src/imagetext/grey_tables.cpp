#include "imagetext/grey_tables.h"

#include <algorithm>

#include "imagetext/resolution.h"

namespace quillo::imagetext {

int level_count(int kind, std::string_view text) {
    if (kind == kHalfWidth) {
        return int(std::count_if(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= 128; }));
    }
    return int(divide_half_even(std::int64_t(text.size()), 2));
}

int mapping_levels(int kind, std::string_view table) {
    if (GreyTables::clamp_kind(kind) == kSixteenLevels) return 16;
    return std::min(level_count(kind, table), 256);
}

std::string strip_full_width(std::string_view text, int* removed) {
    std::string out;
    out.reserve(text.size());
    int n = 0;
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 128)
            ++n;
        else
            out.push_back(c);
    }
    if (removed) *removed = n;
    return out;
}

std::string_view grey_character(int g, int kind, std::string_view table, int levels) {
    levels = std::min(levels, 256);
    if (levels <= 0) return {};
    const int step = int(divide_half_even(256, levels));
    const int width = table_char_bytes(GreyTables::clamp_kind(kind));
    const std::size_t index = std::size_t(std::clamp(g, 0, 255) / step) * std::size_t(width);
    if (index >= table.size()) return {};
    return table.substr(index, std::size_t(width));
}

std::string_view grey_character(int g, const GreyTables& tables) {
    const std::string& t = tables.current();
    return grey_character(g, tables.kind, t, mapping_levels(tables.kind, t));
}

}  // namespace quillo::imagetext
