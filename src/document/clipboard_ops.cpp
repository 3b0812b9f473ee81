#include "document/clipboard_ops.h"

#include <algorithm>

#include "canvas/row_text.h"
#include "document/colour_file.h"
#include "document/save_file.h"
#include "platform/gbk.h"

namespace quillo::document {

using canvas::kMaxRowBytes;
using canvas::kMaxRows;
using canvas::kSelection;

namespace {

int clamp_rows(int n) {
    return std::clamp(n, 0, kMaxRows);
}
int clamp_bytes(int w) {
    return std::clamp(w, 0, kMaxRowBytes);
}

bool is_lead(char b) {
    return platform::is_lead_byte(static_cast<unsigned char>(b));
}

// Bytes of the character at pos: a lead byte takes the byte after it, as the display pairs them.
std::size_t unit_size(std::string_view s, std::size_t pos) {
    return is_lead(s[pos]) && pos + 1 < s.size() ? 2 : 1;
}

// The clipboard text line by line, converted to GBK only as far as the block needs it.
class ClipboardLines {
  public:
    explicit ClipboardLines(std::string_view utf8) : text_(utf8) {}

    bool at_end() const { return pos_ > text_.size(); }

    // The next line, at most `limit` bytes of its UTF-8 (never half a character); the rest of the
    // line is skipped. Counts the characters GBK lacks in the part read.
    std::string next(std::size_t limit, int& lacking) {
        const std::size_t size = text_.size();
        const std::size_t end = std::min(text_.find_first_of("\r\n", pos_), size);
        std::size_t cut = end - pos_ > limit ? pos_ + limit : end;
        for (int back = 0; back < 3 && cut > pos_ && cut < end && continuation(text_[cut]); ++back)
            --cut;
        const std::string_view part = text_.substr(pos_, cut - pos_);
        std::string gbk = platform::utf8_to_gbk(part);
        // An ASCII "?" is the only other way to a "?", and UTF-8 has it only as itself.
        lacking += static_cast<int>(std::count(gbk.begin(), gbk.end(), '?') -
                                    std::count(part.begin(), part.end(), '?'));
        if (end >= size)
            pos_ = size + 1;
        else if (text_[end] == '\r' && end + 1 < size && text_[end + 1] == '\n')
            pos_ = end + 2;
        else
            pos_ = end + 1;
        return gbk;
    }

  private:
    static bool continuation(char b) { return (static_cast<unsigned char>(b) & 0xC0) == 0x80; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A row of exactly w bytes: cut, or padded with spaces.
std::string fit(std::string row, std::size_t w) {
    row.resize(w, ' ');
    return row;
}

// A lead byte in the last byte of a double-byte row would pair with the first byte after the
// block once it is placed; a space takes its place.
void keep_last_character_whole(std::string& row) {
    std::size_t i = 0;
    while (i < row.size()) {
        if (!is_lead(row[i])) {
            ++i;
        } else if (i + 1 < row.size()) {
            i += 2;
        } else {
            row[i] = ' ';
            ++i;
        }
    }
}

}  // namespace

int block_bytes(int cells, bool double_byte) {
    return double_byte ? 2 * cells : cells;
}

std::string block_text(const canvas::CanvasState& c, int n) {
    n = clamp_rows(n);
    std::string out;
    for (int r = 1; r <= n; ++r) {
        if (r > 1) out += "\r\n";
        out += c.layers.row(kSelection, r);
    }
    return out;
}

std::string cut_block(canvas::CanvasState& c, int n, int w) {
    std::string text = block_text(c, n);
    const auto blank = static_cast<std::size_t>(clamp_bytes(w + 1));
    for (int r = 1; r <= clamp_rows(n); ++r) c.layers.row(kSelection, r).assign(blank, ' ');
    return text;
}

void clear_block(canvas::CanvasState& c, int n, int w) {
    const auto blank = static_cast<std::size_t>(clamp_bytes(w));
    for (int r = 1; r <= clamp_rows(n); ++r) c.layers.row(kSelection, r).assign(blank, ' ');
}

std::vector<std::string> wrap_line(std::string_view line, int w, bool double_byte,
                                   std::size_t max_rows) {
    std::vector<std::string> rows;
    if (max_rows == 0 || w < 1) return rows;
    const auto width = static_cast<std::size_t>(w);
    constexpr auto none = std::string_view::npos;
    std::size_t pos = 0;
    do {
        std::string row;
        row.reserve(width);
        bool has_text = false;
        std::size_t break_length = none;  // the row's length at the last blank that fits...
        std::size_t break_pos = 0;        // ...and where that blank stands in the line
        while (pos < line.size()) {
            const std::size_t unit = unit_size(line, pos);
            const bool blank = line[pos] == ' ';
            if (blank && has_text) {
                break_length = row.size();
                break_pos = pos;
            }
            const bool pad = double_byte && unit == 2 && row.size() % 2 == 1;
            if (row.size() + (pad ? 1 : 0) + unit > width) break;
            if (pad) row += ' ';
            row += line.substr(pos, unit);
            has_text = has_text || !blank;
            pos += unit;
        }
        if (pos < line.size()) {
            if (break_length != none) {
                row.resize(break_length);
                while (!row.empty() && row.back() == ' ') row.pop_back();
                pos = break_pos;
                while (pos < line.size() && line[pos] == ' ') ++pos;
            } else if (row.empty()) {
                // A full-width character in a row one byte wide: its bytes go one a row.
                row = line.substr(pos, width);
                pos += row.size();
            }
        }
        rows.push_back(std::move(row));
    } while (pos < line.size() && rows.size() < max_rows);
    return rows;
}

PasteResult paste_block(canvas::CanvasState& c, std::string_view clipboard_utf8, int n, int w,
                        bool wrap) {
    PasteResult result;
    if (clipboard_utf8.empty()) return result;
    result.pasted = true;
    n = clamp_rows(n);
    const auto width = static_cast<std::size_t>(clamp_bytes(w));
    // A code point has at most four bytes of UTF-8 and gives at least one byte of GBK.
    const std::size_t per_row = 4 * (width + 1);

    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(n));
    ClipboardLines lines(clipboard_utf8);
    while (rows.size() < static_cast<std::size_t>(n) && !lines.at_end()) {
        const std::size_t left = static_cast<std::size_t>(n) - rows.size();
        if (wrap) {
            // Blanks dropped at breaks are read too: twice what the rows hold is ample.
            const std::string line = lines.next(2 * per_row * left, result.lacking);
            for (auto& row : wrap_line(line, static_cast<int>(width), c.double_byte, left))
                rows.push_back(std::move(row));
        } else {
            const std::string line = lines.next(per_row, result.lacking);
            rows.push_back(canvas::double_byte_normalise(line, c.double_byte));
        }
    }
    for (int r = 1; r <= n; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        std::string row = fit(i < rows.size() ? std::move(rows[i]) : std::string(), width);
        if (c.double_byte) keep_last_character_whole(row);
        c.layers.row(kSelection, r) = std::move(row);
    }
    return result;
}

std::string lacking_characters_message(int count) {
    return "剪贴板文本中有 " + std::to_string(count) + " 个字符在GBK中没有，已换成“?”。";
}

void write_selection_files(const std::filesystem::path& name, const canvas::CanvasState& c,
                           int rows, int cells, const ColourState& colours, bool multicolour) {
    rows = clamp_rows(rows);
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        text += c.layers.row(kSelection, r);
        text += "\r\n";
    }
    write_file_atomically(name, text);
    if (!multicolour) return;
    write_file_atomically(
        colour_file_name(name),
        format_colour_file(colours.selection, rows, clamp_bytes(cells), c.double_byte,
                           colours.chosen_text, colours.chosen_back));
}

}  // namespace quillo::document
