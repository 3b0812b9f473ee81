#include "output/publish.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/row_text.h"

namespace quillo::output {

namespace {

// numerator / denominator to the nearest integer, halves to even (denominator > 0).
int round_ratio(long long numerator, long long denominator) {
    const long long q = numerator / denominator;
    const long long r = numerator % denominator;  // same sign as the numerator
    long long result = q;
    const long long twice = 2 * std::llabs(r);
    if (twice > denominator || (twice == denominator && q % 2 != 0))
        result += numerator < 0 ? -1 : 1;
    return static_cast<int>(result);
}

// A single-byte column is half a double-byte cell wide.
void halve_widths(PageSizes& s) {
    s.max_wide = round_ratio(s.max_wide, 2);
    s.tab_wide = round_ratio(s.tab_wide, 2);
}

}  // namespace

std::array<UploadSite, kUploadSites> upload_sites(const document::Settings& settings) {
    std::array<UploadSite, kUploadSites> sites;
    for (std::size_t i = 0; i < sites.size(); ++i)
        sites[i] = {settings.name[i], settings.adr[i], settings.sourcefile[i]};
    return sites;
}

int round_tenths(long long numerator) {
    return round_ratio(numerator, 10);
}

PageSizes whole_work_sizes(int longest, int canvas_width, int blackboard_height, bool double_byte) {
    const long long k = std::max(longest, canvas_width);
    const long long rows = round_ratio(blackboard_height, 16);
    PageSizes s{static_cast<int>(8 * k + 32), round_tenths(69 * k), round_tenths(157 * rows)};
    if (!double_byte) halve_widths(s);
    return s;
}

PageSizes selection_sizes(int width, int height, bool double_byte) {
    PageSizes s{(width + 1) * 16, round_tenths(133LL * width), 15 * (height + 1)};
    if (!double_byte) halve_widths(s);
    return s;
}

PageSizes picture_sizes(int width, int height) {
    return {16 * width + 32, round_tenths(133LL * (width + 1)), 15 * (height + 2)};
}

int longest_line(std::span<const std::string> lines) {
    std::size_t longest = 1;
    for (const std::string& line : lines)
        longest = std::max(longest, canvas::double_byte_normalise(line, true).size());
    return static_cast<int>(longest);
}

std::string_view line_suffix(bool foodstop, bool double_byte) {
    return foodstop && double_byte ? "." : "";
}

PageBody single_colour_body(std::span<const std::string> lines, std::string_view suffix) {
    PageBody body;
    body.show.reserve(lines.size());
    body.code.reserve(lines.size());
    for (const std::string& line : lines) {
        const std::string text = convert_to_html(line, HtmlEscape::kFull, suffix);
        body.show.push_back(text + "<br>");
        body.code.push_back(text + "&lt;br&gt;");
    }
    return body;
}

PageBody multicolour_body(std::vector<std::string> lines) {
    PageBody body;
    body.code.reserve(lines.size());
    for (const std::string& line : lines)
        body.code.push_back(convert_to_html(line, HtmlEscape::kShort, ""));
    body.show = std::move(lines);
    return body;
}

PageBody picture_body(const PicturePage& picture) {
    const std::string_view row_end = picture.colour_table ? "</TR><TR>" : "<br>";
    auto as_code = [](std::string_view markup) {
        return tag_space_repair(convert_to_html(markup, HtmlEscape::kFull, ""));
    };

    PageBody body;
    body.show.push_back(R"(<table border="0" cellspacing="0" cellpadding="0"><tr>)");
    // Without a colour table the rows are lines of one cell, opened before the first row.
    std::string line = picture.colour_table ? "" : "<td>";
    for (const std::string& row : picture.rows) {
        line += row;
        body.show.push_back(std::move(line));
        body.show.emplace_back(row_end);
        line.clear();
    }
    if (!line.empty()) body.show.push_back(line);  // a picture without rows
    // A colour table's cells sit in the table's own rows: closing it closes everything it opened.
    body.show.emplace_back(picture.colour_table ? "</TR></TABLE>" : "</td></tr></TABLE>");

    body.code.push_back(as_code(
        std::string(R"(<table border="0" cellspacing="0" cellpadding="0" align=center><tr>)") +
        (picture.colour_table ? "" : "<td>")));
    for (const std::string& row : picture.rows)
        body.code.push_back(as_code(row + std::string(row_end)));
    body.code.push_back(convert_to_html(
        picture.colour_table ? "</TR></table>" : "</td></tr></table>", HtmlEscape::kFull, ""));
    return body;
}

std::string replace_all(std::string_view text, std::string_view find,
                        std::string_view replacement) {
    if (find.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at, find.size()) == find) {
            out.append(replacement);
            at += find.size();
        } else {
            out += text[at++];
        }
    }
    return out;
}

std::string tag_space_repair(std::string_view code) {
    std::string out = replace_all(code, "TD&nbsp;", "TD ");
    out = replace_all(out, "table&nbsp;", "table ");
    out = replace_all(out, "&quot;&nbsp;", "&quot; ");
    return replace_all(out, "font&nbsp;", "font ");
}

}  // namespace quillo::output
