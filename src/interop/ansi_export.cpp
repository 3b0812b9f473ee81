#include "interop/ansi_export.h"

#include <algorithm>
#include <vector>

#include "interop/utf8_text.h"
#include "platform/gbk.h"

namespace quillo::interop {

namespace {

constexpr std::string_view kEscape = "\x1B[";

void append_number(std::string& out, unsigned v) {
    char buf[4];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    while (n) out += buf[--n];
}

void append_rgb(std::string& out, std::string_view kind, platform::Rgb c) {
    out += kind;  // "38;2;" or "48;2;"
    append_number(out, c >> 16 & 0xFF);
    out += ';';
    append_number(out, c >> 8 & 0xFF);
    out += ';';
    append_number(out, c & 0xFF);
}

void append_escape(std::string& out, const CellRgb& now, const CellRgb* before) {
    out += kEscape;
    const bool text = !before || before->text != now.text;
    const bool back = !before || before->back != now.back;
    if (text) append_rgb(out, "38;2;", now.text);
    if (text && back) out += ';';
    if (back) append_rgb(out, "48;2;", now.back);
    out += 'm';
}

// Bytes of one character starting at row[i]: a GBK pair inside the exported bytes, else one.
std::size_t character_length(std::string_view row, std::size_t i, std::size_t end) {
    const auto b = static_cast<unsigned char>(row[i]);
    if (b < 0x80 || i + 1 >= end) return 1;
    return platform::gbk_pair_to_unicode(b, static_cast<unsigned char>(row[i + 1])) ? 2 : 1;
}

}  // namespace

CellRgb shown_colours(const AnsiCanvas& canvas, int row, int cell) {
    CellRgb c{canvas.canvas_text, canvas.canvas_back};
    if (!canvas.multicolour || !canvas.layer || canvas.brush_mode == document::kBrushRestore)
        return c;
    const document::ColourCell& own = canvas.layer->cell(row, cell);
    if (own.text_set) c.text = platform::resolve_colour(own.text);
    if (own.back_set) c.back = platform::resolve_colour(own.back);
    return c;
}

AnsiText write_ansi(const AnsiCanvas& canvas, std::string_view line_end) {
    AnsiText r;
    const std::size_t cell_bytes = canvas.double_byte ? 2 : 1;
    const int cells = canvas.double_byte ? canvas.width / 2 : canvas.width;
    const std::size_t end = static_cast<std::size_t>(std::max(cells, 0)) * cell_bytes;
    std::string padded;
    std::vector<bool> breaks;
    for (std::size_t n = 0; n < canvas.rows.size(); ++n) {
        const int row = static_cast<int>(n) + 1;
        // Rows are padded to the canvas width; a shorter one shows blanks in the missing cells.
        std::string_view text = canvas.rows[n];
        if (text.size() < end) {
            padded.assign(text);
            padded.resize(end, ' ');
            text = padded;
        }
        // Text that reads "**[" would start an escape for the import: an escape at the cell
        // boundary inside it keeps the import from seeing one there.
        breaks.assign(end + 1, false);
        for (std::size_t p = text.find("**["); p != std::string_view::npos && p + 2 < end;
             p = text.find("**[", p + 1))
            breaks[cell_bytes == 1 || p % 2 == 1 ? p + 1 : p + 2] = true;
        CellRgb current{};
        bool started = false;
        for (std::size_t i = 0; i < end;) {
            const std::size_t len = character_length(text, i, end);
            // Colours change at cell starts; a character over two cells takes its first one's.
            if (!started || i % cell_bytes == 0) {
                const CellRgb now =
                    shown_colours(canvas, row, static_cast<int>(i / cell_bytes) + 1);
                if (!started || breaks[i])
                    append_escape(r.bytes, now, nullptr);
                else if (now != current)
                    append_escape(r.bytes, now, &current);
                current = now;
                started = true;
            }
            const long long stray = append_gbk_as_utf8(text.substr(i, len), r.bytes, true);
            if (stray > 0 && r.replaced == 0) r.first_replaced_line = row;
            r.replaced += stray;
            i += len;
        }
        r.bytes += kEscape;
        r.bytes += "0m";
        r.bytes += line_end;
    }
    return r;
}

}  // namespace quillo::interop
