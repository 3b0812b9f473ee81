#include "tools/text_entry.h"

#include <algorithm>

#include "canvas/constants.h"
#include "canvas/row_text.h"

namespace quillo::tools {

namespace {

bool starts_full_width(char b) {
    return static_cast<unsigned char>(b) >= 129;
}

// Bytes of s that fit in `room` without cutting a full-width character in two.
std::size_t whole_characters_within(std::string_view s, std::size_t room) {
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = starts_full_width(s[i]) && i + 1 < s.size() ? 2 : 1;
        if (i + n > room) break;
        i += n;
    }
    return i;
}

// Calls f with each line of the memo, as memo_lines describes them, until f returns false.
// Lines are pieces of the text, so nothing is copied.
template <class F>
void visit_memo_lines(std::string_view text, bool double_byte, F f) {
    const std::size_t room = double_byte ? 2 : 1;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t brk = text.find_first_of("\r\n", from);
        if (brk == std::string_view::npos) brk = text.size();
        const std::string_view p = text.substr(from, brk - from);
        if (p.empty() && !f(p)) return;
        // Wrapping anywhere: a character that does not fit starts the next line, and one wider
        // than the memo stands alone.
        std::size_t line = 0;
        for (std::size_t i = 0; i < p.size();) {
            const std::size_t n = starts_full_width(p[i]) && i + 1 < p.size() ? 2 : 1;
            if (i > line && i - line + n > room) {
                if (!f(p.substr(line, i - line))) return;
                line = i;
            }
            i += n;
        }
        if (!p.empty() && !f(p.substr(line))) return;
        if (brk == text.size()) return;
        from = brk + (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? 2 : 1);
    }
}

// The last column of the canvas: in double-byte mode a cell counts while its first byte is on
// the canvas.
int last_canvas_column(const canvas::CanvasState& c) {
    return c.double_byte ? (c.width + 1) / 2 : c.width;
}

}  // namespace

void write_text(canvas::CanvasState& c, std::string_view s, int x, int y) {
    if (y < 1 || y > c.height || x < 1) return;
    const std::string text = canvas::double_byte_normalise(s, c.double_byte);
    const std::size_t start = static_cast<std::size_t>(x - 1) * (c.double_byte ? 2 : 1);
    constexpr auto kRow = static_cast<std::size_t>(canvas::kMaxRowBytes);
    if (start >= kRow || text.empty()) return;
    std::string& row = c.layers.row(canvas::kWorking, y);
    std::string out = row.substr(0, std::min(start, row.size()));
    const std::size_t keep = whole_characters_within(text, kRow - out.size());
    out.append(text, 0, keep);
    // The rest keeps its place: the text replaced exactly as many bytes as it wrote.
    const std::size_t end = start + keep;
    if (end < row.size()) {
        out.append(row, end);
        // Text of odd length ("a中b" normalises to five bytes) ends in the first byte of a cell;
        // when that cell held a full-width character, its orphaned trail byte becomes a space.
        if (c.double_byte && keep % 2 == 1 && starts_full_width(row[end - 1])) out[end] = ' ';
    }
    row = canvas::cut_to_row(std::move(out));
}

std::vector<std::string> memo_lines(std::string_view text, bool double_byte) {
    std::vector<std::string> lines;
    visit_memo_lines(text, double_byte, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

void write_column(canvas::CanvasState& c, std::string_view memo_text, int x, int y) {
    int row = y;
    std::string s;
    visit_memo_lines(memo_text, c.double_byte, [&](std::string_view line) {
        if (row > c.height) return false;  // a long column stops at the bottom of the canvas
        s = line;
        if (c.double_byte && s.size() % 2 == 1) s.push_back(' ');
        write_text(c, s, x, row++);
        return true;
    });
}

int box_left(int x, bool double_byte) {
    return (x - 1) * (double_byte ? canvas::kFullWidth : canvas::kHalfWidth);
}

int box_top(int y) {
    return (y - 1) * canvas::kRowPitch;
}

int memo_width(bool double_byte) {
    return double_byte ? 17 : 10;
}

int memo_height(std::string_view text, bool double_byte) {
    // A pasted novel must not make a widget taller than the canvas image.
    constexpr int kMost = canvas::kImageSize / canvas::kRowPitch;
    int lines = 0;
    visit_memo_lines(text, double_byte, [&lines](std::string_view) { return ++lines < kMost; });
    return std::max(1, lines) * canvas::kRowPitch + canvas::kRowPitch;
}

int edit_start_width(bool double_byte) {
    return double_byte ? canvas::kFullWidth : canvas::kHalfWidth;
}

int edit_width(std::string_view text) {
    const auto bytes = static_cast<int>(std::min<std::size_t>(text.size(), canvas::kImageSize / 8));
    return bytes * canvas::kHalfWidth + canvas::kFullWidth;
}

bool memo_fits_window(int new_left, int window_width, bool double_byte) {
    return new_left <= window_width - (double_byte ? 32 : 16);
}

EnterOutcome vertical_enter(canvas::CanvasState& c, TextEntry& e, std::string_view memo_text,
                            bool fits_window) {
    // Nothing but a line break: no line, or one empty line.
    int lines = 0;
    bool first_empty = false;
    visit_memo_lines(memo_text, c.double_byte, [&](std::string_view line) {
        if (lines++ == 0) first_empty = line.empty();
        return lines < 2;
    });
    if (lines == 0 || (lines == 1 && first_empty)) return EnterOutcome::ended;
    // At the window's edge a column still on the canvas is written; one beyond it is not.
    if (!fits_window && e.at.x > last_canvas_column(c)) return EnterOutcome::ended;
    write_column(c, memo_text, e.at.x, e.at.y);
    e.written = true;
    ++e.at.x;
    return fits_window && e.at.x <= last_canvas_column(c) ? EnterOutcome::wrote
                                                          : EnterOutcome::wrote_and_ended;
}

EnterOutcome horizontal_enter(canvas::CanvasState& c, TextEntry& e, std::string_view text,
                              int last_box_row) {
    if (text.empty()) return EnterOutcome::ended;
    ++e.at.y;
    write_text(c, text, e.at.x, e.at.y - 1);
    e.written = true;
    // The box never moves onto a row the canvas does not have: text typed there would be lost.
    return e.at.y > std::min(last_box_row, c.height) ? EnterOutcome::wrote_and_ended
                                                     : EnterOutcome::wrote;
}

int last_box_row(int blackboard_height) {
    return blackboard_height / canvas::kRowPitch + 1;
}

}  // namespace quillo::tools
