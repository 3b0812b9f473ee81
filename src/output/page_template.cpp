#include "output/page_template.h"

#include <algorithm>
#include <array>
#include <utility>

#include "document/document.h"
#include "document/text_file.h"
#include "output/text_views.h"
#include "platform/gbk.h"

namespace quillo::output {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::pair<std::string_view, Placeholder>, 10> kPlaceholders{{
    {"<<home_web_title>>", Placeholder::home_web_title},
    {"<<max_wide>>", Placeholder::max_wide},
    {"<<backcolor>>", Placeholder::backcolor},
    {"<<fontcolor>>", Placeholder::fontcolor},
    {"<<tab_wide>>", Placeholder::tab_wide},
    {"<<tab_high>>", Placeholder::tab_high},
    {"<<home_web>>", Placeholder::home_web},
    {"<<body_show>>", Placeholder::body_show},
    {"<<body_hide>>", Placeholder::body_hide},
    {"<<end>>", Placeholder::end},
}};

std::string quoted(std::string_view name) {
    return "页面模板“" + std::string(name) + "”";
}

PageTemplate refused(std::string problem) {
    PageTemplate t;
    t.problem = std::move(problem);
    return t;
}

PageTemplate too_large(std::string_view name) {
    return refused(quoted(name) + "太大（超过1MB），不像是页面模板，没有生成网页。");
}

// Text holds tabs, line ends, form feeds and the odd escape or end-of-file mark; any other
// control byte (NUL above all) means a file that is no text.
bool is_binary(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A &&
               b != 0x1B;
    });
}

void add_line(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

}  // namespace

Placeholder placeholder_of(std::string_view line) {
    // Every placeholder starts "<<": ordinary lines are told apart at the first two bytes.
    if (line.size() < 7 || line[0] != '<' || line[1] != '<') return Placeholder::none;
    for (const auto& [text, kind] : kPlaceholders)
        if (line == text) return kind;
    return Placeholder::none;
}

PageTemplate parse_page_template(std::string_view bytes, std::string_view shown_name) {
    if (bytes.empty()) return refused(quoted(shown_name) + "是空的，没有生成网页。");
    if (bytes.size() > kMaxTemplateBytes) return too_large(shown_name);
    if (is_binary(bytes)) return refused(quoted(shown_name) + "不是文本文件，没有生成网页。");
    std::vector<std::string> lines = document::split_lines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxTemplateLineBytes) {
            return refused(quoted(shown_name) + "的第" + std::to_string(i + 1) + "行太长（超过" +
                           std::to_string(kMaxTemplateLineBytes) + "字节），没有生成网页。");
        }
    }
    // The first line is always copied as it stands, so only a later "<<end>>" ends the page.
    const bool has_end = std::any_of(
        lines.begin() + std::min<std::size_t>(1, lines.size()), lines.end(),
        [](const std::string& line) { return placeholder_of(line) == Placeholder::end; });
    if (!has_end) return refused(quoted(shown_name) + "缺少结束行“<<end>>”，没有生成网页。");
    PageTemplate t;
    t.lines = std::move(lines);
    return t;
}

PageTemplate load_page_template(const fs::path& program_dir, std::string_view file_name) {
    std::string name(file_name);
    std::replace(name.begin(), name.end(), '\\', '/');
    const fs::path path = program_dir / fs::u8path(name);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return refused(missing_file_message(file_name));
    // A huge file is refused before a byte of it is read.
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxTemplateBytes) return too_large(file_name);
    return parse_page_template(document::read_file_bytes(path), file_name);
}

std::string home_web_title(std::string_view home_page) {
    return "<a href=\"" + escape_html_text(home_page) + "\">" +
           platform::utf8_to_gbk("进入Tarnel主页") + "</a> ";
}

std::string escape_html_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

std::string fill_page_template(std::span<const std::string> lines, const TemplateValues& values) {
    std::string out;
    std::size_t next = 0;
    // Past the last line the template has ended, whether or not an "<<end>>" was met (the line
    // after "<<backcolor>>" may have been the end line itself).
    auto read = [&](std::string& line) {
        if (next >= lines.size()) return false;
        line = lines[next++];
        return true;
    };
    auto with_value = [&](std::string_view before, std::string_view value) {
        std::string line(before);
        line.append(value);
        add_line(out, line);
    };

    std::string previous;
    std::string current;
    read(previous);
    while (read(current)) {
        const Placeholder kind = placeholder_of(current);
        if (kind == Placeholder::end) break;
        switch (kind) {
            case Placeholder::none:
                add_line(out, previous);
                previous = std::move(current);
                continue;
            case Placeholder::home_web_title:
                with_value(previous, home_web_title(values.home_page));
                break;
            case Placeholder::max_wide:
                with_value(previous, std::to_string(values.max_wide));
                break;
            case Placeholder::tab_wide:
                with_value(previous, std::to_string(values.tab_wide));
                break;
            case Placeholder::tab_high:
                with_value(previous, std::to_string(values.tab_high));
                break;
            case Placeholder::home_web:
                with_value(previous, escape_html_text(values.upload_location));
                break;
            case Placeholder::backcolor:
            case Placeholder::fontcolor: {
                std::string after;
                read(after);
                const std::optional<std::string>& colour =
                    kind == Placeholder::backcolor ? std::optional<std::string>(values.back_colour)
                                                   : values.font_colour;
                if (colour) add_line(out, previous + *colour + after);
                break;
            }
            case Placeholder::body_show:
                add_line(out, previous);
                for (const std::string& line : values.body) add_line(out, line);
                break;
            case Placeholder::body_hide:
                add_line(out, previous);
                for (const std::string& line : values.body_code) add_line(out, line);
                break;
            case Placeholder::end:
                break;
        }
        previous.clear();
    }
    add_line(out, previous);
    return out;
}

}  // namespace quillo::output
