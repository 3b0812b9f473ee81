#include "document/ansi_import.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "canvas/constants.h"
#include "canvas/row_text.h"
#include "document/document.h"
#include "platform/errors.h"

namespace quillo::document {

namespace {

struct Colours {
    bool bright = false;
    std::int32_t text = kAnsiDefaultText;
    std::int32_t back = kAnsiDefaultBack;
};

constexpr std::int32_t kText[8] = {0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
constexpr std::int32_t kBrightText[8] = {0x400040, 0x000066, 0x009900, 0x006699,
                                         0x660000, 0x660099, 0x669900, 0xCC9999};
constexpr std::int32_t kBack[8] = {0x000000, 0x000099, 0x009900, 0x009999,
                                   0x990000, 0x660099, 0x996633, 0xCC9999};

void apply(Colours& c, int value) {
    if (value == 0) {
        c = Colours{};
    } else if (value == 1) {
        c.bright = true;
    } else if (value == 7) {
        std::swap(c.text, c.back);
    } else if (value == 8) {
        c.text = c.back;
    } else if (value >= 30 && value <= 37) {
        c.text = (c.bright ? kBrightText : kText)[value - 30];
    } else if (value >= 40 && value <= 47) {
        c.back = kBack[value - 40];
    }
}

// How many bytes the escape at byte i takes up to its "[": 3 for "ESC ESC [" and "**[", 2 for
// the terminals' own "ESC [" (what the ANSI export and other programs write); 0 when none starts
// there.
std::size_t escape_at(std::string_view s, std::size_t i) {
    if (s.size() >= i + 3 && s[i + 2] == '[' &&
        ((s[i] == '\x1B' && s[i + 1] == '\x1B') || (s[i] == '*' && s[i + 1] == '*')))
        return 3;
    if (s.size() >= i + 3 && s[i] == '\x1B' && s[i + 1] == '[') return 2;
    return 0;
}

// After a parameter 38 (text) or 48 (background): "2;R;G;B" with R, G and B from 0 to 255, then
// ";" or "m", as the program's ANSI export writes 24-bit colours. Returns the colour as a Windows
// value and the length read up to and including that terminator, or nothing when the text is not
// of that form (the classic rules then read it).
std::optional<std::pair<std::int32_t, std::size_t>> rgb_parameters(std::string_view s) {
    if (!s.starts_with("2;")) return std::nullopt;
    std::size_t i = 2;
    int rgb[3];
    for (int k = 0; k < 3; ++k) {
        int value = 0;
        std::size_t digits = 0;
        while (i < s.size() && digits < 3 && s[i] >= '0' && s[i] <= '9') {
            value = value * 10 + (s[i++] - '0');
            ++digits;
        }
        const char want = k < 2 ? ';' : 'm';
        if (digits == 0 || value > 255 || i >= s.size() || (s[i] != ';' && s[i] != want))
            return std::nullopt;
        rgb[k] = value;
        ++i;
    }
    return std::pair{static_cast<std::int32_t>(rgb[0] | rgb[1] << 8 | rgb[2] << 16), i};
}

// Reads the parameters after "[" until one ends with "m"; returns what is left of the line.
std::string_view read_escape(std::string_view s, Colours& c) {
    for (;;) {
        const std::string_view next = s.substr(0, 3);
        const std::size_t end = next.find_first_of(";m");
        if (end == std::string_view::npos) {
            apply(c, 0);  // no terminator: value 0, the characters stay as text
            return s;
        }
        const std::string_view param = s.substr(0, end);
        const int value = param.empty() ? 0 : platform::str_to_int(param);
        if (s[end] == ';' && (value == 38 || value == 48)) {
            if (const auto rgb = rgb_parameters(s.substr(end + 1))) {
                (value == 38 ? c.text : c.back) = rgb->first;
                const bool last = s[end + rgb->second] == 'm';
                s.remove_prefix(end + 1 + rgb->second);
                if (last) return s;
                continue;
            }
        }
        apply(c, value);
        const bool last = s[end] == 'm';
        s.remove_prefix(end + 1);
        if (last) return s;
    }
}

// The rest of a full row when it is colour escapes and nothing else (the reset that ends an
// exported line): their colours are taken and no byte of them is kept as text.
bool read_escapes_only(std::string_view s, Colours& c) {
    Colours trial = c;
    try {
        while (!s.empty()) {
            const std::size_t start = escape_at(s, 0);
            if (!start) return false;
            const std::string_view rest = read_escape(s.substr(start), trial);
            if (rest.size() + start == s.size()) return false;  // "[" without a parameter
            s = rest;
        }
    } catch (const platform::ConversionError&) {
        return false;
    }
    c = trial;
    return true;
}

void set_cell(std::vector<AnsiCell>& cells, int cell, const Colours& c) {
    if (cell < 1 || cell > kAnsiMaxCells) return;
    if (static_cast<int>(cells.size()) < cell) cells.resize(static_cast<std::size_t>(cell));
    cells[static_cast<std::size_t>(cell - 1)] = {true, c.text, true, c.back};
}

}  // namespace

AnsiImport import_ansi(std::string_view file_bytes, bool double_byte, int canvas_width) {
    AnsiImport r;
    const std::vector<std::string> lines = split_lines(file_bytes);
    const int line_count = std::min<int>(static_cast<int>(lines.size()), kAnsiMaxRows);
    r.lines_left_out = static_cast<int>(lines.size()) - line_count;
    const int width_cells =
        double_byte ? canvas::round_half_even(canvas_width / 2.0) : canvas_width;
    const int cell_limit = std::min(width_cells, kAnsiMaxCells);
    const std::size_t cell_bytes = double_byte ? 2 : 1;

    Colours c;
    std::vector<int> next_cell;  // per row: the first cell after the coloured text
    for (int n = 0; n < line_count; ++n) {
        std::string_view s = lines[static_cast<std::size_t>(n)];
        std::string row;
        std::vector<AnsiCell> cells;
        int k = 1;
        r.rows.emplace_back();
        r.cells.emplace_back();
        next_cell.push_back(1);
        try {
            while (s.size() >= 4 && k <= cell_limit) {
                if (const std::size_t start = escape_at(s, 0)) {
                    s = read_escape(s.substr(start), c);
                } else if (escape_at(s, 1)) {
                    row += s[0];
                    if (double_byte) row += ' ';
                    s.remove_prefix(1);
                    set_cell(cells, k++, c);
                } else {
                    row += s.substr(0, cell_bytes);
                    s.remove_prefix(cell_bytes);
                    set_cell(cells, k++, c);
                }
            }
        } catch (const platform::ConversionError& e) {
            r.rows.back() = std::move(row);
            r.cells.back() = std::move(cells);
            r.error = e.what();
            break;
        }
        if (k > cell_limit && read_escapes_only(s, c)) s = {};
        if (k > cell_limit && s.size() > 2) {
            // The row is full: at most two more characters of the rest are kept.
            ++r.cut_rows;
            r.bytes_left_out += static_cast<long long>(s.size() - 2);
            s = s.substr(0, 2);
        }
        if (!s.empty()) {
            row += s;
            set_cell(cells, k++, c);
            if (s.size() > 2) set_cell(cells, k++, c);
        }
        if (row.size() > static_cast<std::size_t>(canvas::kMaxRowBytes)) {
            ++r.cut_rows;
            r.bytes_left_out += static_cast<long long>(row.size()) - canvas::kMaxRowBytes;
            row.resize(canvas::kMaxRowBytes);
        }
        r.rows.back() = std::move(row);
        r.cells.back() = std::move(cells);
        next_cell.back() = k;
    }

    for (const auto& row : r.rows) r.longest = std::max(r.longest, static_cast<int>(row.size()));
    const int last_cell = double_byte ? canvas::round_half_even(r.longest / 2.0) : r.longest;
    r.right = std::min(last_cell, kAnsiMaxCells);
    r.bottom = static_cast<int>(r.rows.size());
    if (r.error) return r;

    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        r.rows[i] = canvas::cut_to_row(canvas::pad_to_width(std::move(r.rows[i]), r.longest));
        for (int cell = next_cell[i]; cell <= r.right; ++cell) set_cell(r.cells[i], cell, c);
    }
    return r;
}

}  // namespace quillo::document
