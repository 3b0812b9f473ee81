#pragma once
// The work as an HTML page: the colour and escaping rules every page writer shares, the body of
// the selection buffer (single-colour or multicolour), and the bytes of the full and the
// simplified page. Pages are GBK bytes declaring charset gb2312; every line ends in CR LF.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/colour_layer.h"
#include "platform/colours.h"

namespace quillo::output {

// Where the "HomePage" meta line points.
inline constexpr std::string_view kHomePage = "https://github.com/quillo-editor/quillo";

// Texts shown by the export commands (UTF-8).
inline constexpr std::string_view kFullExportDone = "已输出为HTM文件，请等待显示!";
inline constexpr std::string_view kSimpleExportDone = "已输出为HTM文件，请注意保存!";
inline constexpr std::string_view kTitleCaption = "作品标题";
inline constexpr std::string_view kTitlePrompt = "请为作品起个名字";

// Output lines the body builder may gather before its line buffer would have to be drained.
inline constexpr int kPopMemoLimit = 1000;

// Six upper-case hexadecimal digits RRGGBB, no "#"; system colours are resolved first, as the
// display resolves them.
std::string html_color(platform::WinColour colour);

// Which bytes convert_to_html replaces. The reading-direction punctuation modes of the text
// menu will join this list.
enum class HtmlEscape {
    kFull,   // space, tab, "<", ">", "&", double quote
    kShort,  // "<", ">", double quote only
};

// The text made HTML-safe byte by byte (GBK trail bytes are never below 0x40, so full-width
// characters pass through), then `suffix`. With the full set a text of one single space gives
// "" and no suffix: a blank line must stay a bare "<br>".
std::string convert_to_html(std::string_view text, HtmlEscape set, std::string_view suffix);
// The same, appended to `out` (no allocation once `out` has room).
void append_html(std::string& out, std::string_view text, HtmlEscape set, std::string_view suffix);

struct PopMemoInput {
    std::span<const std::string> rows;              // selection buffer, rows[0] is row 1; GBK bytes
    const document::ColourGrid* colours = nullptr;  // selection colour layer; null = no colours
    int width = 0;                                  // W, cells of the selection rectangle
    int height = 0;                                 // H, rows of the selection rectangle
    bool double_byte = false;
    bool multicolour = false;
    platform::WinColour canvas_text = platform::kClBlack;
    platform::WinColour canvas_back = platform::kClWhite;
    std::string_view text_hex;  // html_color(canvas_text)
    std::string_view back_hex;  // html_color(canvas_back)
};

struct PopMemo {
    std::vector<std::string> lines;  // every body line in the order produced, opening and
                                     // closing table lines included
    // A line buffer of kPopMemoLimit lines would have overflowed at one of the row breaks.
    bool spilled = false;
};

// The body of the selection buffer: rows 1..H, cells 1..W. Multicolour rows are broken into
// several lines inside their tags, where a line end is harmless whitespace. W is clipped to
// the colour layer's cells and H to its rows; W or H below 1 gives no rows.
PopMemo convert_to_pop_memo(const PopMemoInput& input);

// Normal editing mode, whole work: each document line escaped with the full set and ended by
// "<br>", with "." before it when `foodstop` and double-byte mode are both on.
std::vector<std::string> document_body(std::span<const std::string> lines, bool foodstop,
                                       bool double_byte);

struct FullPageInput {
    std::string_view title;  // GBK, written unescaped: it is the user's own markup
    int table_width = 0;
    platform::WinColour canvas_text = platform::kClBlack;
    platform::WinColour canvas_back = platform::kClWhite;
    std::span<const std::string> body;  // document_body() or convert_to_pop_memo().lines
};

struct SimplePageInput {
    std::string_view title;  // GBK, unescaped
    int table_width = 0;
    platform::WinColour page_text = platform::kClBlack;  // font colour of the canvas image
    platform::WinColour page_back = platform::kClWhite;  // brush colour of the canvas image
    std::span<const std::string> lines;                  // document lines, GBK
};

// The whole page, CR LF after every line.
std::string full_page(const FullPageInput& input);
// The document inside <pre>; "<", ">" and "&" of the art are escaped so that the browser shows
// them instead of reading them as markup.
std::string simplified_page(const SimplePageInput& input);

// "<", ">" and "&" escaped, every other byte kept (preformatted text).
std::string escape_preformatted(std::string_view text);

// Table widths in pixels.
// Drawing mode, whole work: the canvas panel's width + 8.
int drawing_table_width(int blackboard_width);
// Drawing mode, the floating selection: the overlay's width + 16.
int selection_table_width(int overlay_width);
// Normal editing mode: 8 x max(M, canvas width) + 32, M the longest document line in bytes
// (as the double-byte normaliser leaves it in double-byte mode), at least 1.
int document_table_width(std::span<const std::string> lines, bool double_byte, int canvas_width);
// Simplified page: 8 x canvas width + 32.
int simple_table_width(int canvas_width);

// Right cell of the rectangle that a drawing-mode whole-work export lifts: the panel's width in
// cells (16 or 8 pixels each, halves to even) less one.
int drawing_export_right(int blackboard_width, bool double_byte);

}  // namespace quillo::output
