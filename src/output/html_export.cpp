#include "output/html_export.h"

#include <algorithm>
#include <cstddef>

#include "canvas/row_text.h"

namespace quillo::output {

namespace {

using platform::WinColour;

constexpr std::string_view kCrLf = "\r\n";

// A cell with both colours shown and the next tag opened: the common multicolour line.
constexpr std::size_t kTaggedCellBytes = 80;

// The head lines; "作品欣赏" is spelled in GBK bytes because the page is GBK.
constexpr std::string_view kFullHead1 =
    R"(<HTML><HEAD><meta name="GENERATOR" content="Quillo 4.2">)";
constexpr std::string_view kSimpleHead1 = R"(<HTML><HEAD><meta name="GENERATOR" content="Quillo">)";
constexpr std::string_view kHead2Start =
    R"(<meta name="ProgId" content="Quillo.Document"><meta name="HomePage" content=")";
constexpr std::string_view kHead2End =
    "\"><TITLE>Quillo\xD7\xF7\xC6\xB7\xD0\xC0\xC9\xCD QUILLO </TITLE>"
    R"(<meta http-equiv="Content-Type" content="text/html; charset=gb2312">)";
constexpr std::string_view kStyleLine =
    R"(<style type="text/css"><!--  td {  line-height: 99%}--> </style></HEAD>)";

void append_hex(std::string& out, WinColour colour) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const platform::Rgb rgb = platform::resolve_colour(colour);
    for (int shift = 20; shift >= 0; shift -= 4) out.push_back(kDigits[(rgb >> shift) & 0xF]);
}

void append_line(std::string& page, std::string_view line) {
    page.append(line);
    page.append(kCrLf);
}

void append_body_line(std::string& page, WinColour back, WinColour text) {
    page.append(R"(<BODY BGCOLOR="#)");
    append_hex(page, back);
    page.append(R"(" text="#)");
    append_hex(page, text);
    page.append("\"> ");
    page.append(kCrLf);
}

void append_title_line(std::string& page, std::string_view title) {
    page.append("<H1><CENTER>");
    page.append(title);  // unescaped on purpose: the user may write markup into it
    page.append("</CENTER></H1>");
    page.append(kCrLf);
}

void append_table_line(std::string& page, int width, std::string_view tail) {
    page.append(R"(<div align="center"><table width=")");
    page.append(std::to_string(width));
    page.append(R"(" border="0"><tr><td>)");
    page.append(tail);
    page.append(kCrLf);
}

void append_head2(std::string& page, std::string_view tail) {
    page.append(kHead2Start);
    page.append(kHomePage);
    page.append(kHead2End);
    page.append(tail);
    page.append(kCrLf);
}

std::size_t lines_size(std::span<const std::string> lines) {
    std::size_t n = 0;
    for (const auto& line : lines) n += line.size() + 2;
    return n;
}

bool marked(const document::ColourCell* row, int cell, int cells) {
    return row && cell >= 1 && cell <= cells && row[cell - 1].has_flag();
}

// Text of cell i of a row, as the multicolour body writes it.
void append_cell_text(std::string& out, std::string_view row, int i, bool double_byte) {
    if (double_byte) {
        const std::size_t at = 2 * std::size_t(i - 1);
        if (at >= row.size()) return;
        append_html(out, row.substr(at, 2), HtmlEscape::kFull, {});
        return;
    }
    const std::size_t at = std::size_t(i - 1);
    if (at >= row.size()) return;
    if (row[at] == ' ')
        out.append("&nbsp;");  // a lone byte cell keeps its blank
    else
        append_html(out, row.substr(at, 1), HtmlEscape::kFull, {});
}

// Counts lines as a line buffer of kPopMemoLimit lines would, to tell whether it would have
// overflowed; the lines themselves all stay in `memo`.
struct MemoSink {
    PopMemo& memo;
    int held = 0;

    void add(std::string&& line) {
        memo.lines.push_back(std::move(line));
        ++held;
    }
    // Only the breaks inside a row drain the buffer.
    void add_at_break(std::string&& line) {
        add(std::move(line));
        if (held > kPopMemoLimit) {
            held = 0;
            memo.spilled = true;
        }
    }
};

void multicolour_row(MemoSink& sink, const PopMemoInput& in, int r, int w, std::string& line) {
    const std::string_view row =
        std::size_t(r - 1) < in.rows.size() ? std::string_view(in.rows[r - 1]) : std::string_view();
    const document::ColourCell* cells = in.colours ? in.colours->row_cells(r) : nullptr;
    const document::ColourCell* next_row = in.colours ? in.colours->row_cells(r + 1) : nullptr;
    line.clear();
    for (int i = 1; i <= w; ++i) {
        const bool is_marked = marked(cells, i, w);
        if (!is_marked) {
            append_cell_text(line, row, i, in.double_byte);
        } else {
            const document::ColourCell& c = cells[i - 1];
            const bool text_shown = c.text_set && c.text != in.canvas_text;
            const bool back_shown = c.back_set && c.back != in.canvas_back;
            if (i == 1 && !text_shown && !back_shown) {
                append_cell_text(line, row, i, in.double_byte);
            } else {
                // A later cell's "<font " was written by the look-ahead of the cell before.
                if (i == 1) line.append("<font ");
                if (text_shown) {
                    line.append("color=\"#");
                    append_hex(line, c.text);
                    line.append(back_shown ? "\" " : "\"");
                }
                if (back_shown) {
                    line.append("style=\"BACKGROUND-COLOR:#");
                    append_hex(line, c.back);
                    line.push_back('"');
                }
                line.push_back('>');
                append_cell_text(line, row, i, in.double_byte);
                line.append("</font>");
            }
        }
        const bool next_marked = i < w && marked(cells, i + 1, w);
        if (next_marked) line.append("<font ");
        if (i == w) line.append("<br>");
        // The line ends right after "<font " (inside the tag) or after "<br>", never in text.
        const bool break_here =
            (i + 1 < w && next_marked) || (i == w && next_row && next_row[0].has_flag());
        if (break_here) {
            sink.add_at_break(std::move(line));
            line = std::string();
            line.reserve(kTaggedCellBytes);  // one grow instead of three for the usual line
        }
    }
    sink.add(std::move(line));
    line = std::string();
}

}  // namespace

std::string html_color(WinColour colour) {
    std::string out;
    out.reserve(6);
    append_hex(out, colour);
    return out;
}

void append_html(std::string& out, std::string_view text, HtmlEscape set, std::string_view suffix) {
    const bool full = set == HtmlEscape::kFull;
    if (full && text == " ") return;  // the result would be exactly "&nbsp;"
    for (const char ch : text) {
        std::string_view with;
        switch (ch) {
            case '<':
                with = "&lt;";
                break;
            case '>':
                with = "&gt;";
                break;
            case '"':
                with = "&quot;";
                break;
            case ' ':
                with = full ? "&nbsp;" : "";
                break;
            case '&':
                with = full ? "&amp;" : "";
                break;
            case '\t':
                with = full ? "&nbsp;&nbsp;" : "";
                break;
            default:
                break;
        }
        if (with.empty())
            out.push_back(ch);
        else
            out.append(with);
    }
    out.append(suffix);
}

std::string convert_to_html(std::string_view text, HtmlEscape set, std::string_view suffix) {
    std::string out;
    out.reserve(text.size() + suffix.size() + 8);
    append_html(out, text, set, suffix);
    return out;
}

PopMemo convert_to_pop_memo(const PopMemoInput& in) {
    PopMemo memo;
    MemoSink sink{memo};
    const int w = std::min(in.width, document::kColourCells);
    const int h = std::max(0, std::min(in.height, document::kColourRows));
    const bool has_rows = w >= 1;

    std::string line = R"(<table border="0"> <tr BGCOLOR="#)";
    line.append(in.back_hex);
    line.append(R"("><td><font color="#)");
    line.append(in.text_hex);
    line.append("\"> ");
    sink.add(std::move(line));

    if (has_rows) {
        memo.lines.reserve(std::size_t(h) * (in.multicolour ? std::size_t(w) : 1) + 2);
        for (int r = 1; r <= h; ++r) {
            if (in.multicolour) {
                multicolour_row(sink, in, r, w, line);
                continue;
            }
            std::string_view piece;
            if (std::size_t(r - 1) < in.rows.size()) {
                piece = in.rows[r - 1];
                piece = piece.substr(0, std::size_t(w) * (in.double_byte ? 2 : 1));
            }
            line.clear();
            if (!in.double_byte && piece == " ")
                line = "&nbsp;";
            else
                append_html(line, piece, HtmlEscape::kFull, {});
            line.append("<br>");
            sink.add(std::move(line));
            line = std::string();
        }
    }
    sink.add("</font></td></tr></table>");
    return memo;
}

std::vector<std::string> document_body(std::span<const std::string> lines, bool foodstop,
                                       bool double_byte) {
    // The "." keeps a browser from guessing another code page from a line that ends mid-way.
    const std::string_view suffix = foodstop && double_byte ? "." : "";
    std::vector<std::string> body;
    body.reserve(lines.size());
    for (const auto& text : lines) {
        std::string line;
        line.reserve(text.size() + 8);
        append_html(line, text, HtmlEscape::kFull, suffix);
        line.append("<br>");
        body.push_back(std::move(line));
    }
    return body;
}

std::string full_page(const FullPageInput& in) {
    std::string page;
    page.reserve(1024 + in.title.size() + lines_size(in.body));
    append_line(page, kFullHead1);
    append_head2(page, {});
    append_line(page, kStyleLine);
    append_body_line(page, in.canvas_back, in.canvas_text);
    append_title_line(page, in.title);
    append_table_line(page, in.table_width, {});
    for (const auto& line : in.body) append_line(page, line);
    append_line(page, "</td></tr></table></div>");
    append_line(page, "</BODY>");
    append_line(page, "</HTML>");
    return page;
}

std::string escape_preformatted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char ch : text) {
        switch (ch) {
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            case '&':
                out.append("&amp;");
                break;
            default:
                out.push_back(ch);
        }
    }
    return out;
}

std::string simplified_page(const SimplePageInput& in) {
    std::string page;
    page.reserve(1024 + in.title.size() + lines_size(in.lines) * 5 / 4);
    append_line(page, kSimpleHead1);
    append_head2(page, "</HEAD>");
    append_body_line(page, in.page_back, in.page_text);
    append_title_line(page, in.title);
    append_table_line(page, in.table_width, "<pre>");
    for (const auto& line : in.lines) append_line(page, escape_preformatted(line));
    append_line(page, "</pre></td></tr></table></div>");
    append_line(page, "</BODY>");
    append_line(page, "</HTML>");
    return page;
}

int drawing_table_width(int blackboard_width) {
    return blackboard_width + 8;
}

int selection_table_width(int overlay_width) {
    return overlay_width + 16;
}

int document_table_width(std::span<const std::string> lines, bool double_byte, int canvas_width) {
    std::size_t longest = 1;
    for (const auto& line : lines) {
        const std::size_t n =
            double_byte ? canvas::double_byte_normalise(line, true).size() : line.size();
        longest = std::max(longest, n);
    }
    const auto cells = std::max<long long>(static_cast<long long>(longest), canvas_width);
    return static_cast<int>(std::min<long long>(8 * cells + 32, 1 << 30));
}

int simple_table_width(int canvas_width) {
    return 8 * canvas_width + 32;
}

int drawing_export_right(int blackboard_width, bool double_byte) {
    return canvas::round_half_even(blackboard_width / (double_byte ? 16.0 : 8.0)) - 1;
}

}  // namespace quillo::output
