#include "imagetext/image_page.h"

#include <algorithm>

#include "output/html_export.h"

namespace quillo::imagetext {

namespace {

constexpr std::string_view kEol = "\r\n";

void line(std::string& out, std::string_view text) {
    out.append(text);
    out.append(kEol);
}

// A character of a table or of the source text, made HTML-safe. A lone space is written
// "&nbsp;" rather than left out (as a blank line would be), so that light pixels keep their
// place and the rows of the picture stay in line.
void append_escaped(std::string& out, std::string_view c) {
    if (c == " ")
        out.append("&nbsp;");
    else
        output::append_html(out, c, output::HtmlEscape::kFull, "");
}

void append_hex(std::string& out, Rgb pixel) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 20; shift >= 0; shift -= 4) out.push_back(kDigits[(pixel >> shift) & 0xF]);
}

// The character a pixel shows: the grey character or the word, escaped where the text comes
// from a table or the source text.
void append_word(std::string& out, const ConversionRules& rules, bool double_byte) {
    switch (rules.word) {
        case WordSource::solid_block:
            out.append(kSolidBlock);
            return;
        case WordSource::pen:
            out.append(rules.pen_text);
            return;
        case WordSource::text: {
            const std::string c = rules.text ? rules.text->next(double_byte) : std::string();
            // A source text without a character gives the solid block, so the colours still show.
            if (c.empty())
                out.append(kSolidBlock);
            else
                append_escaped(out, c);
            return;
        }
    }
}

// The cells of one pixel row, from left to right.
void append_cells(std::string& out, const std::uint32_t* row, int width,
                  const ConversionRules& rules) {
    const bool double_byte = rules.double_byte;
    const int levels = mapping_levels(rules.tables.kind, rules.tables.current());
    const std::string& table = rules.tables.current();
    for (int x = 0; x < width; ++x) {
        const Rgb p = row[x] & 0xFFFFFF;
        switch (rules.mode) {
            case Mode::grey_words:
                append_escaped(out,
                               grey_character(grey_value(p), rules.tables.kind, table, levels));
                break;
            case Mode::colour_words:
                out.append("<font color=\"#");
                append_hex(out, p);
                out.append("\">");
                append_word(out, rules, double_byte);
                out.append("</font>");
                break;
            case Mode::colour_grey:
                out.append("<font color=\"#");
                append_hex(out, p);
                out.append("\">");
                append_escaped(out,
                               grey_character(grey_value(p), rules.tables.kind, table, levels));
                out.append("</font>");
                break;
            case Mode::colour_table:
                out.append("<TD bgcolor=\"#");
                append_hex(out, p);
                out.append("\">");
                append_word(out, rules, double_byte);
                out.append("</TD>");
                break;
        }
    }
}

// Line 2 of the full page's head; "作品欣赏" is spelled in GBK bytes because the page is GBK.
std::string head_line2() {
    return std::string(
               R"(<meta name="ProgId" content="Quillo.Document"><meta name="HomePage" content=")") +
           std::string(output::kHomePage) +
           "\"><TITLE>Quillo\xD7\xF7\xC6\xB7\xD0\xC0\xC9\xCD QUILLO </TITLE>"
           R"(<meta http-equiv="Content-Type" content="text/html; charset=gb2312">)";
}

std::string backdrop_hex(Backdrop b, platform::WinColour board) {
    return b == Backdrop::black ? "000000" : output::html_color(board);
}

}  // namespace

int page_table_width(int w, int table_kind) {
    return table_kind == kHalfWidth ? w * 8 + 16 : w * 16 + 32;
}

std::string image_page(const Picture& resolution, const PageOptions& options,
                       const ConversionRules& rules) {
    if (rules.text) rules.text->rewind();
    std::string out;
    out.reserve(std::size_t(resolution.width) * std::size_t(resolution.height) * 40 + 1024);
    line(out, R"(<HTML><HEAD><meta name="GENERATOR" content="Quillo">)");
    line(out, head_line2());
    if (options.css)
        line(out, R"(<style type="text/css"><!--  .quillo {  line-height: 99%}--> </style>)");
    line(out, " </HEAD>");
    if (options.page == Backdrop::none) {
        line(out, "<BODY> ");
    } else {
        const std::string back =
            options.page == Backdrop::black ? "000000" : output::html_color(options.board);
        const std::string text =
            options.page == Backdrop::black ? "ffffff" : output::html_color(options.board_text);
        line(out, "<BODY BGCOLOR=\"#" + back + "\" text=\"#" + text + "\" > ");
    }
    if (!options.title.empty())
        line(out,
             "<H1><CENTER><font color=ff0000 size=12 >" + options.title + "</font></CENTER></H1>");
    const std::string width = std::to_string(page_table_width(resolution.width, rules.tables.kind));
    if (options.table == Backdrop::none) {
        line(out, "<div align=\"center\"><table width=\"" + width +
                      "\" border=\"0\" ><tr><td class=\"quillo\">");
    } else {
        line(out, "<div align=\"center\"><table width=\"" + width + "\" border=\"0\" bgcolor=\"#" +
                      backdrop_hex(options.table, options.board) + "\"><tr><td class=\"quillo\">");
    }
    const bool table_mode = rules.mode == Mode::colour_table;
    if (table_mode) line(out, R"(<TABLE cellspacing="0" ><TR>)");

    for (int y = 0; y < resolution.height; ++y) {
        append_cells(out, resolution.row(y), resolution.width, rules);
        out.append(kEol);
        line(out, table_mode ? "</TR><TR>" : "<br>");
    }
    if (table_mode) line(out, "</TR></TABLE>");
    line(out, "</td></tr></table></div>");
    line(out, "</BODY>");
    line(out, "</HTML>");
    return out;
}

std::vector<std::string> image_rows(const Picture& resolution, const ConversionRules& rules) {
    if (rules.text) rules.text->rewind();
    std::vector<std::string> rows(static_cast<std::size_t>(std::max(resolution.height, 0)));
    for (int y = 0; y < resolution.height; ++y)
        append_cells(rows[std::size_t(y)], resolution.row(y), resolution.width, rules);
    return rows;
}

}  // namespace quillo::imagetext
