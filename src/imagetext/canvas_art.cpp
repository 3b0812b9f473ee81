#include "imagetext/canvas_art.h"

#include <algorithm>

#include "canvas/constants.h"

namespace quillo::imagetext {

namespace {

bool is_lead_byte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

// Two bytes that fill one full-width cell or two half-width cells, never half a character.
// A single half-width character is doubled in single-byte mode (the pen text twice) and
// followed by a space in double-byte mode (as the pen is laid there).
std::string two_byte_unit(std::string_view text, bool double_byte) {
    if (text.empty()) return {};
    if (text.size() >= 2 && (is_lead_byte(text[0]) || !is_lead_byte(text[1])))
        return std::string(text.substr(0, 2));
    if (is_lead_byte(text[0])) return " ";  // a lone lead byte: no character to show
    return std::string{text[0], double_byte ? ' ' : text[0]};
}

// A grey character made exactly `width` bytes: padded with spaces when the table ended, and
// never a lone lead byte that would swallow the next pixel's first byte.
void append_grey_unit(std::string& row, std::string_view c, int width) {
    if (width == 1) {
        row.push_back(c.empty() || static_cast<unsigned char>(c[0]) > 128 ? ' ' : c[0]);
        return;
    }
    if (c.size() >= 2 && !(is_lead_byte(c[1]) && !is_lead_byte(c[0]))) {
        row.append(c.substr(0, 2));
    } else if (!c.empty() && !is_lead_byte(c[0])) {
        row.push_back(c[0]);
        row.push_back(' ');
    } else {
        row.append("  ");
    }
}

std::string word_unit(const ConversionRules& rules) {
    const bool db = rules.double_byte;
    std::string unit;
    switch (rules.word) {
        case WordSource::solid_block:
            break;
        case WordSource::pen:
            unit = two_byte_unit(rules.pen_text, db);
            break;
        case WordSource::text:
            if (!rules.text) break;
            if (db) {
                unit = rules.text->next(true);
            } else {
                unit = rules.text->next(false);
                if (!unit.empty()) unit += rules.text->next(false);
            }
            break;
    }
    if (unit.empty()) return db ? std::string(kSolidBlock) : std::string("MM");
    unit.resize(2, ' ');
    return unit;
}

}  // namespace

CanvasArt canvas_art(const Picture& resolution, const ConversionRules& rules,
                     document::ColourGrid& colours) {
    if (rules.text) rules.text->rewind();
    CanvasArt art;
    const bool db = rules.double_byte;
    const bool grey = uses_grey(rules.mode);
    art.pixel_bytes = grey && rules.tables.kind == kHalfWidth ? 1 : 2;
    art.pixels = std::min(resolution.width, canvas::kMaxRowBytes / art.pixel_bytes);
    const int bytes = art.pixels * art.pixel_bytes;
    art.cells = db ? (bytes + 1) / 2 : bytes;
    const int rows = std::min(resolution.height, canvas::kMaxRows);
    art.rows.reserve(std::size_t(std::max(rows, 0)));

    const std::string& table = rules.tables.current();
    const int levels = mapping_levels(rules.tables.kind, table);
    const bool text_colour = rules.mode == Mode::colour_words || rules.mode == Mode::colour_grey;
    const bool back_colour = rules.mode == Mode::colour_table;
    for (int y = 0; y < rows; ++y) {
        std::string row;
        row.reserve(std::size_t(art.cells) * 2);
        const std::uint32_t* pixels = resolution.row(y);
        for (int x = 0; x < art.pixels; ++x) {
            const Rgb p = pixels[x] & 0xFFFFFF;
            if (grey) {
                append_grey_unit(row,
                                 grey_character(grey_value(p), rules.tables.kind, table, levels),
                                 art.pixel_bytes);
            } else {
                row.append(word_unit(rules));
            }
            document::ColourCell cell;
            cell.text_set = text_colour;
            cell.back_set = back_colour;
            cell.text = cell.back = platform::colour_from_rgb(p);
            if (db) {
                // Two one-byte pixels share a cell; the first of them gives its colour.
                if (art.pixel_bytes == 2 || x % 2 == 0)
                    colours.set(y + 1, art.pixel_bytes == 2 ? x + 1 : x / 2 + 1, cell);
            } else {
                for (int k = 1; k <= art.pixel_bytes; ++k)
                    colours.set(y + 1, x * art.pixel_bytes + k, cell);
            }
        }
        if (db && row.size() % 2 == 1) row.push_back(' ');
        art.rows.push_back(std::move(row));
    }
    return art;
}

}  // namespace quillo::imagetext
