#include "output/html_export.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gbk.h"

namespace quillo::output {
namespace {

namespace fs = std::filesystem;
using document::ColourCell;
using document::ColourGrid;

constexpr platform::WinColour kRed = 0x0000FF;
constexpr platform::WinColour kGreen = 0x00FF00;
constexpr platform::WinColour kBlue = 0xFF0000;

PopMemoInput body_input(const std::vector<std::string>& rows, const ColourGrid* grid, int w,
                        bool double_byte, bool multicolour) {
    PopMemoInput in;
    in.rows = rows;
    in.colours = grid;
    in.width = w;
    in.height = static_cast<int>(rows.size());
    in.double_byte = double_byte;
    in.multicolour = multicolour;
    in.canvas_text = platform::kClBlack;
    in.canvas_back = platform::kClWhite;
    in.text_hex = "000000";
    in.back_hex = "FFFFFF";
    return in;
}

const std::string kOpening =
    R"(<table border="0"> <tr BGCOLOR="#FFFFFF"><td><font color="#000000"> )";
const std::string kClosing = "</font></td></tr></table>";

TEST(HtmlExport, HtmlColorIsRedGreenBlueInUpperCaseHex) {
    EXPECT_EQ(html_color(0x563412), "123456");
    EXPECT_EQ(html_color(kRed), "FF0000");
    EXPECT_EQ(html_color(kBlue), "0000FF");
    EXPECT_EQ(html_color(0xABCDEF), "EFCDAB");
    EXPECT_EQ(html_color(static_cast<platform::WinColour>(0x8000000F)), "D4D0C8");  // button face
    EXPECT_EQ(html_color(platform::kClWindowText), "000000");
}

TEST(HtmlExport, ConvertToHtmlBothSetsAndTheSingleSpace) {
    EXPECT_EQ(convert_to_html("a<b & c", HtmlEscape::kFull, ""), "a&lt;b&nbsp;&amp;&nbsp;c");
    EXPECT_EQ(convert_to_html("a<b & c", HtmlEscape::kFull, "."), "a&lt;b&nbsp;&amp;&nbsp;c.");
    // One space is a blank line: nothing, not even the suffix. Two spaces are not.
    EXPECT_EQ(convert_to_html(" ", HtmlEscape::kFull, ""), "");
    EXPECT_EQ(convert_to_html(" ", HtmlEscape::kFull, "."), "");
    EXPECT_EQ(convert_to_html("  ", HtmlEscape::kFull, "."), "&nbsp;&nbsp;.");
    EXPECT_EQ(convert_to_html("\t", HtmlEscape::kFull, "."), "&nbsp;&nbsp;.");
    EXPECT_EQ(convert_to_html("say \"x\">", HtmlEscape::kFull, ""), "say&nbsp;&quot;x&quot;&gt;");
    // The short set leaves blanks and "&" alone.
    EXPECT_EQ(convert_to_html("a<b & c\t\">", HtmlEscape::kShort, ""), "a&lt;b & c\t&quot;&gt;");
    EXPECT_EQ(convert_to_html(" ", HtmlEscape::kShort, "."), " .");
    EXPECT_EQ(convert_to_html("", HtmlEscape::kFull, "."), ".");
    EXPECT_EQ(convert_to_html("", HtmlEscape::kShort, ""), "");
    // Full-width characters pass through whole.
    EXPECT_EQ(convert_to_html("\xD6\xD0 \x81\x40", HtmlEscape::kFull, ""),
              "\xD6\xD0&nbsp;\x81\x40");
}

TEST(HtmlExport, MulticolourBodyTagsAndBreaks) {
    ColourGrid g;
    g.set(1, 1, ColourCell{true, false, platform::kClBlack, 0});  // canvas colour, first cell
    g.set(1, 3, ColourCell{true, false, kRed, kBlue});            // back hidden (flag clear)
    g.set(1, 4, ColourCell{true, true, platform::kClBlack, platform::kClWhite});
    g.set(2, 1, ColourCell{false, true, 0, kBlue});
    g.set(2, 3, ColourCell{true, true, kGreen, kBlue});
    const std::vector<std::string> rows = {"a<b ", "xy"};
    const PopMemo memo = convert_to_pop_memo(body_input(rows, &g, 4, false, true));
    const std::vector<std::string> expected = {
        kOpening,
        // Cell 3 is marked: the look-ahead opens its tag and the line ends inside it.
        "a&lt;<font ",
        // Cell 4 has only canvas colours: an empty tag. Row 2 starts marked: break after <br>.
        R"(color="#FF0000">b</font><font >&nbsp;</font><br>)",
        "",
        R"(<font style="BACKGROUND-COLOR:#0000FF">x</font>y<font )",
        // A marked cell past the row's end has no text but keeps its tag.
        R"(color="#00FF00" style="BACKGROUND-COLOR:#0000FF"></font><br>)",
        kClosing,
    };
    EXPECT_EQ(memo.lines, expected);
    EXPECT_FALSE(memo.spilled);

    // The marked last cell's tag stays on the line of the cell before it.
    ColourGrid last;
    last.set(1, 2, ColourCell{true, false, kRed, 0});
    const std::vector<std::string> one = {"pq"};
    EXPECT_EQ(
        convert_to_pop_memo(body_input(one, &last, 2, false, true)).lines,
        (std::vector<std::string>{kOpening, R"(p<font color="#FF0000">q</font><br>)", kClosing}));
}

TEST(HtmlExport, BodyWithoutColoursAndDoubleByteCells) {
    const std::vector<std::string> rows = {"a<b", " ", "x&y z"};
    ColourGrid none;
    const PopMemo single = convert_to_pop_memo(body_input(rows, &none, 4, false, false));
    const std::vector<std::string> plain = {kOpening, "a&lt;b<br>", "&nbsp;<br>",
                                            "x&amp;y&nbsp;<br>", kClosing};
    EXPECT_EQ(single.lines, plain);
    // Multicolour mode over a layer without flags writes the same plain rows.
    EXPECT_EQ(convert_to_pop_memo(body_input(rows, &none, 4, false, true)).lines, plain);
    EXPECT_EQ(convert_to_pop_memo(body_input(rows, nullptr, 4, false, true)).lines, plain);

    // Double-byte: two spaces are one cell; a lone space at a short row's end vanishes.
    const std::vector<std::string> wide = {
        "  \xD6\xD0"
        "a",
        "ab "};
    const std::vector<std::string> wide_expected = {kOpening,
                                                    "&nbsp;&nbsp;\xD6\xD0"
                                                    "a<br>",
                                                    "ab<br>", kClosing};
    EXPECT_EQ(convert_to_pop_memo(body_input(wide, &none, 3, true, true)).lines, wide_expected);
    // Single-colour mode escapes the row as a whole, so the same space is kept there.
    EXPECT_EQ(convert_to_pop_memo(body_input(wide, &none, 3, true, false)).lines[2],
              "ab&nbsp;<br>");
    // Single-colour mode cuts each row at W cells; a row of one space is an empty line.
    const std::vector<std::string> cut = {"abcdef", " "};
    EXPECT_EQ(convert_to_pop_memo(body_input(cut, &none, 2, true, false)).lines,
              (std::vector<std::string>{kOpening, "abcd<br>", "<br>", kClosing}));

    // No cells: only the table lines.
    EXPECT_EQ(convert_to_pop_memo(body_input(rows, &none, 0, false, true)).lines,
              (std::vector<std::string>{kOpening, kClosing}));
}

// Every cell of every row marked with its own colour (red = cell, green = row), so that each
// line can be told apart; rows of `width` cells give `width` lines each.
struct FullGrid {
    ColourGrid grid;
    std::vector<std::string> rows;
    FullGrid(int width, int height) {
        for (int r = 1; r <= document::kColourRows; ++r)
            for (int c = 1; c <= width; ++c)
                grid.set(r, c, ColourCell{true, false, r * 256 + c, 0});
        for (int r = 1; r <= height; ++r) rows.push_back(std::string(width, char('A' + r % 26)));
    }
    // The row as one string, written from the rules for a row whose cells all show their colour.
    std::string joined_row(int r, int width) const {
        std::string s;
        for (int c = 1; c <= width; ++c) {
            if (c == 1) s += "<font ";
            s += "color=\"#" + html_color(r * 256 + c) + "\">" + rows[r - 1][c - 1] + "</font>";
            s += c < width ? "<font " : "<br>";
        }
        return s;
    }
};

TEST(HtmlExport, LongBodiesKeepEveryLineInOrderAndReportTheOverflow) {
    // Width 21: the break that opens cell 15 of row 48 brings the count to 1001 lines.
    for (int height : {47, 48}) {
        const FullGrid f(21, height);
        const PopMemo memo = convert_to_pop_memo(body_input(f.rows, &f.grid, 21, false, true));
        ASSERT_EQ(memo.lines.size(), std::size_t(21 * height + 2));
        EXPECT_EQ(memo.spilled, height == 48) << height;
        std::string all;
        for (std::size_t i = 1; i + 1 < memo.lines.size(); ++i) {
            const std::string& line = memo.lines[i];
            // A line ends inside a tag, after <br>, or is the empty line after a row.
            EXPECT_TRUE(line.empty() || line.ends_with("<font ") || line.ends_with("<br>")) << i;
            all += line;
        }
        std::string expected;
        for (int r = 1; r <= height; ++r) expected += f.joined_row(r, 21);
        EXPECT_EQ(all, expected);
        EXPECT_EQ(memo.lines.front(), kOpening);
        EXPECT_EQ(memo.lines.back(), kClosing);
    }
    // Width 20: the last break of row 50 makes 1000 lines and the row's own line 1001, which
    // drains nothing; row 51's first break does.
    for (int height : {50, 51}) {
        const FullGrid f(20, height);
        const PopMemo memo = convert_to_pop_memo(body_input(f.rows, &f.grid, 20, false, true));
        EXPECT_EQ(memo.lines.size(), std::size_t(20 * height + 2));
        EXPECT_EQ(memo.spilled, height == 51) << height;
    }
}

const std::string kHead2 =
    R"(<meta name="ProgId" content="Quillo.Document"><meta name="HomePage" content="https://github.com/quillo-editor/quillo"><TITLE>Quillo)"
    "\xD7\xF7\xC6\xB7\xD0\xC0\xC9\xCD"  // 作品欣赏
    R"( QUILLO </TITLE><meta http-equiv="Content-Type" content="text/html; charset=gb2312">)";

TEST(HtmlExport, FullPageOfANormalModeWork) {
    if (platform::gbk_pair_count() > 0) {
        EXPECT_EQ(platform::utf8_to_gbk("作品欣赏"), "\xD7\xF7\xC6\xB7\xD0\xC0\xC9\xCD");
    }
    const std::vector<std::string> lines = {"a<b & c", " ", ""};
    const std::vector<std::string> body = document_body(lines, true, true);
    EXPECT_EQ(body, (std::vector<std::string>{"a&lt;b&nbsp;&amp;&nbsp;c.<br>", "<br>", ".<br>"}));
    EXPECT_EQ(document_body(lines, true, false)[0], "a&lt;b&nbsp;&amp;&nbsp;c<br>");

    // "a<b & c" is 8 bytes once normalised (odd length gains a space); 7 as it is.
    EXPECT_EQ(document_table_width(lines, true, 10), 8 * 10 + 32);
    EXPECT_EQ(document_table_width(lines, true, 5), 8 * 8 + 32);
    EXPECT_EQ(document_table_width(lines, false, 5), 8 * 7 + 32);
    EXPECT_EQ(document_table_width({}, false, 0), 8 * 1 + 32);

    FullPageInput in;
    in.title = "<i>\xC3\xA8</i>";  // 猫, the user's own markup
    in.table_width = document_table_width(lines, true, 10);
    in.canvas_text = 0x563412;
    in.canvas_back = 0xEEFFC0;
    in.body = body;
    const std::string expected =
        "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n" + kHead2 + "\r\n" +
        "<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n"
        "<BODY BGCOLOR=\"#C0FFEE\" text=\"#123456\"> \r\n"
        "<H1><CENTER><i>\xC3\xA8</i></CENTER></H1>\r\n"
        "<div align=\"center\"><table width=\"112\" border=\"0\"><tr><td>\r\n"
        "a&lt;b&nbsp;&amp;&nbsp;c.<br>\r\n"
        "<br>\r\n"
        ".<br>\r\n"
        "</td></tr></table></div>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(full_page(in), expected);
}

TEST(HtmlExport, SimplifiedPageEscapesMarkupCharactersOnly) {
    const std::vector<std::string> lines = {"<b>&amp; \"x\"", "  \t", "\xD6\xD0"};
    SimplePageInput in;
    in.title = "<b>t</b>";
    in.table_width = simple_table_width(4);
    in.page_text = platform::kClWindowText;
    in.page_back = platform::kClBtnFace;
    in.lines = lines;
    const std::string expected =
        "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo\">\r\n" + kHead2 + "</HEAD>\r\n" +
        "<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n"
        "<H1><CENTER><b>t</b></CENTER></H1>\r\n"
        "<div align=\"center\"><table width=\"64\" border=\"0\"><tr><td><pre>\r\n"
        "&lt;b&gt;&amp;amp; \"x\"\r\n"
        "  \t\r\n"
        "\xD6\xD0\r\n"
        "</pre></td></tr></table></div>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(simplified_page(in), expected);
}

TEST(HtmlExport, TableWidthsAndTheDrawingModeRectangle) {
    EXPECT_EQ(drawing_table_width(640), 648);
    EXPECT_EQ(selection_table_width(100), 116);
    EXPECT_EQ(drawing_export_right(648, true), 39);   // 40.5 rounds to 40
    EXPECT_EQ(drawing_export_right(664, true), 41);   // 41.5 rounds to 42
    EXPECT_EQ(drawing_export_right(644, false), 79);  // 80.5 rounds to 80
    EXPECT_EQ(drawing_export_right(650, false), 80);  // 81.25
}

// tidy's verdict on the page: its exit status (0 clean, 1 warnings, 2 errors) and whether it
// had to mend a tag of ours. The page's old-fashioned markup (no DOCTYPE, <center> in <h1>,
// <font>) only draws warnings; a cut tag or an unbalanced <font> or table would be our fault.
struct TidyVerdict {
    int status = -1;
    bool mended_tags = false;
    std::string messages;
};

TidyVerdict run_tidy(const std::string& page, const std::string& name) {
    const fs::path base =
        fs::temp_directory_path() / ("quillo_html_" + std::to_string(::getpid()) + "_" + name);
    const fs::path file = base.string() + ".htm";
    const fs::path report = base.string() + ".txt";
    std::ofstream(file, std::ios::binary) << page;
    const std::string command =
        "/usr/bin/tidy -q -e -raw -f '" + report.string() + "' '" + file.string() + "'";
    const int status = std::system(command.c_str());
    TidyVerdict v;
    v.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(report);
    v.messages.assign(std::istreambuf_iterator<char>(in), {});
    for (const char* fault : {"missing '>'", "unexpected </font>", "missing </font>",
                              "missing </table>", "missing </td>", "unexpected </t"}) {
        if (v.messages.find(fault) != std::string::npos) v.mended_tags = true;
    }
    fs::remove(file);
    fs::remove(report);
    return v;
}

void expect_parses(const std::string& page, const std::string& name) {
    const TidyVerdict v = run_tidy(page, name);
    EXPECT_TRUE(v.status == 0 || v.status == 1) << name << ":\n" << v.messages;
    EXPECT_FALSE(v.mended_tags) << name << ":\n" << v.messages;
}

TEST(HtmlExport, PagesParseInARealHtmlParser) {
    if (!fs::exists("/usr/bin/tidy")) GTEST_SKIP() << "tidy is not installed";
    const std::vector<std::string> lines = {"a<b & c", " ", "<<>>&&\"", "\xD6\xD0\xCE\xC4"};
    FullPageInput full;
    full.title = "\xC3\xA8";
    full.table_width = 112;
    const auto body = document_body(lines, true, true);
    full.body = body;
    expect_parses(full_page(full), "normal");

    const FullGrid f(12, 6);
    ColourGrid mixed = f.grid;
    mixed.set(2, 1, ColourCell{false, true, 0, kBlue});
    mixed.set(3, 5, ColourCell{true, true, platform::kClBlack, platform::kClWhite});
    mixed.set(4, 2, ColourCell{});
    std::vector<std::string> rows = f.rows;
    rows[1] = "<a & \"b\">";
    const PopMemo memo = convert_to_pop_memo(body_input(rows, &mixed, 12, false, true));
    full.body = memo.lines;
    expect_parses(full_page(full), "colour");

    SimplePageInput simple;
    simple.title = "t";
    simple.table_width = 64;
    simple.lines = lines;
    expect_parses(simplified_page(simple), "simple");
    // The check can fail: a tag cut short is reported.
    EXPECT_TRUE(
        run_tidy(full_page(full).replace(full_page(full).find("</font></td>"), 7, ""), "broken")
            .mended_tags);
}

}  // namespace
}  // namespace quillo::output
