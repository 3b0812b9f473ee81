#pragma once
// Page templates of the upload sites: a GBK text whose lines are copied to the page, except the
// placeholder lines ("<<home_web_title>>", "<<body_show>>", ... up to "<<end>>"), which put
// values and the body of the work in their place. A template only ever shapes the bytes of the
// page: it names no file and starts nothing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::output {

// A page template is a page with a few marked lines; a megabyte is far beyond any real one.
inline constexpr std::uintmax_t kMaxTemplateBytes = 1 << 20;
// Longer lines are no hand-written markup: most likely a file that is no template.
inline constexpr std::size_t kMaxTemplateLineBytes = 65536;

enum class Placeholder {
    none,  // an ordinary line
    home_web_title,
    max_wide,
    backcolor,
    fontcolor,
    tab_wide,
    tab_high,
    home_web,
    body_show,
    body_hide,
    end,
};

// The placeholder a line is exactly (no blanks around it), or none.
Placeholder placeholder_of(std::string_view line);

// A template as read: its lines, or why no page can be made from it (UTF-8, for the message box;
// `lines` is then empty).
struct PageTemplate {
    std::vector<std::string> lines;
    std::string problem;
};

// Checks the bytes of a template named `shown_name` (UTF-8, for messages): empty, binary (a NUL
// or another control byte that text does not hold), larger than kMaxTemplateBytes, a line
// longer than kMaxTemplateLineBytes, or no "<<end>>" line after the first line are problems.
PageTemplate parse_page_template(std::string_view bytes, std::string_view shown_name);

// program_dir / file_name ("\" read as "/"). A name that names no regular file gives the message
// "找不到“name”文件" (an empty name names the folder itself). A file that cannot be read throws
// platform::FileError.
PageTemplate load_page_template(const std::filesystem::path& program_dir,
                                std::string_view file_name);

struct TemplateValues {
    std::string home_page;        // "<<home_web_title>>" links here
    int max_wide = 0;             // "<<max_wide>>", decimal
    int tab_wide = 0;             // "<<tab_wide>>"
    int tab_high = 0;             // "<<tab_high>>"
    std::string upload_location;  // "<<home_web>>", GBK, escaped where it lands
    std::string back_colour;      // "<<backcolor>>": six hexadecimal digits
    // "<<fontcolor>>": six hexadecimal digits; nullopt drops the line before the placeholder,
    // the placeholder and the line after it (a picture has no single text colour).
    std::optional<std::string> font_colour;
    std::vector<std::string> body;       // "<<body_show>>": the lines of the work
    std::vector<std::string> body_code;  // "<<body_hide>>": the same as visible code
};

// The page, CR LF after every line. The template is read with one line of look-behind: a
// placeholder joins its value to the end of the line before it (which is then written), and an
// empty line follows when an ordinary line comes next. "<<backcolor>>" and "<<fontcolor>>" take
// the line after them onto the same line. "<<end>>", or the last line, ends the template.
std::string fill_page_template(std::span<const std::string> lines, const TemplateValues& values);

// The line "<<home_web_title>>" adds: a link to the home page.
std::string home_web_title(std::string_view home_page);

// "&", "<", ">", double and single quotes as character references; safe in HTML text and in a
// quoted attribute value.
std::string escape_html_text(std::string_view text);

}  // namespace quillo::output
