// Page templates: placeholder lines, the one line of look-behind, templates that are no
// templates, and values that must not turn into markup.
#include "output/page_template.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/gbk.h"

namespace quillo::output {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TemplateValues sample_values() {
    TemplateValues v;
    v.home_page = "https://home.example/q";
    v.max_wide = 432;
    v.tab_wide = 345;
    v.tab_high = 393;
    v.upload_location = "up.example";
    v.back_colour = "D4D0C8";
    v.font_colour = "000000";
    v.body = {"b1<br>", "b2<br>"};
    v.body_code = {"b1&lt;br&gt;"};
    return v;
}

TEST(PageTemplate, EveryPlaceholderJoinsTheLineBeforeIt) {
    const Lines t = {"<html>",       "<<home_web_title>>", "w=",    "<<max_wide>>",  "t=",
                     "<<tab_wide>>", "<<tab_high>>",       "bg=#",  "<<backcolor>>", "\">",
                     "fg=#",         "<<fontcolor>>",      ";",     "at ",           "<<home_web>>",
                     "<td>",         "<<body_show>>",      "<pre>", "<<body_hide>>", "</html>",
                     "<<end>>",      "never written"};
    const std::string link =
        "<a href=\"https://home.example/q\">" + platform::utf8_to_gbk("进入Tarnel主页") + "</a> ";
    EXPECT_EQ(fill_page_template(t, sample_values()),
              "<html>" + link +
                  "\r\n"  // the value joins the line before
                  "\r\n"  // an ordinary line next: the empty look-behind line
                  "w=432\r\n"
                  "\r\n"
                  "t=345\r\n"
                  "393\r\n"  // two placeholders in a row: the second joins the empty line
                  "\r\n"
                  "bg=#D4D0C8\">\r\n"  // the colours take the line after them along
                  "\r\n"
                  "fg=#000000;\r\n"
                  "\r\n"
                  "at up.example\r\n"
                  "\r\n"
                  "<td>\r\nb1<br>\r\nb2<br>\r\n"
                  "\r\n"
                  "<pre>\r\nb1&lt;br&gt;\r\n"
                  "\r\n"
                  "</html>\r\n");

    // The edge cases the page format is known by.
    TemplateValues v = sample_values();
    v.upload_location = "loc";
    EXPECT_EQ(fill_page_template(Lines{"a", "<<home_web>>", "<<end>>"}, v), "aloc\r\n\r\n");
    EXPECT_EQ(fill_page_template(Lines{"x", "<<backcolor>>", "y", "<<end>>"}, v),
              "xD4D0C8y\r\n\r\n");
    // A picture has no text colour: "<<fontcolor>>" takes its neighbours out of the page.
    v.font_colour.reset();
    EXPECT_EQ(fill_page_template(Lines{"a", "b", "<<fontcolor>>", "c", "d", "<<end>>"}, v),
              "a\r\n\r\nd\r\n");
    // Only an exact line is a placeholder; the first line is always copied.
    EXPECT_EQ(
        fill_page_template(Lines{"<<max_wide>>", " <<max_wide>>", "<<MAX_WIDE>>", "<<end>>"}, v),
        "<<max_wide>>\r\n <<max_wide>>\r\n<<MAX_WIDE>>\r\n");
}

TEST(PageTemplate, RepeatedPlaceholdersGiveTheSameValuesAndBodies) {
    const Lines t = {"<p>",           "<<max_wide>>", "<p>",           "<<max_wide>>", "<div>",
                     "<<body_show>>", "<div>",        "<<body_show>>", "<<end>>"};
    EXPECT_EQ(fill_page_template(t, sample_values()),
              "<p>432\r\n\r\n<p>432\r\n\r\n<div>\r\nb1<br>\r\nb2<br>\r\n\r\n"
              "<div>\r\nb1<br>\r\nb2<br>\r\n\r\n");
}

TEST(PageTemplate, EndOfTheLinesEndsATemplateWhateverTheColoursTookAlong) {
    // "<<backcolor>>" takes the end line as its neighbour; the lines running out end the page
    // instead of empty lines for ever.
    EXPECT_EQ(fill_page_template(Lines{"x", "<<backcolor>>", "<<end>>"}, sample_values()),
              "xD4D0C8<<end>>\r\n\r\n");
    EXPECT_EQ(fill_page_template(Lines{"x", "<<backcolor>>"}, sample_values()), "xD4D0C8\r\n\r\n");
    EXPECT_EQ(fill_page_template(Lines{"only"}, sample_values()), "only\r\n");
    EXPECT_EQ(fill_page_template(Lines{}, sample_values()), "\r\n");
}

TEST(PageTemplate, ValuesFromOutsideAreEscapedWhereTheyLand) {
    TemplateValues v = sample_values();
    v.home_page = "https://h.example/?a=1&b=\"2\"";
    v.upload_location = "\"><script>alert('x')</script>&";
    const std::string page = fill_page_template(
        Lines{"<a href=\"", "<<home_web>>", "\">", "<<home_web_title>>", "<<end>>"}, v);
    EXPECT_EQ(page,
              "<a href=\"&quot;&gt;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;\r\n"
              "\r\n"
              "\"><a href=\"https://h.example/?a=1&amp;b=&quot;2&quot;\">" +
                  platform::utf8_to_gbk("进入Tarnel主页") + "</a> \r\n\r\n");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    // Full-width characters pass (no GBK trail byte is one of the escaped bytes).
    EXPECT_EQ(escape_html_text("\xD6\xD0<"), "\xD6\xD0&lt;");
}

TEST(PageTemplate, TemplatesThatAreNoTemplatesAreRefusedWithAReason) {
    const auto problem = [](std::string_view bytes) {
        return parse_page_template(bytes, "add.ht_").problem;
    };
    EXPECT_EQ(problem(""), "页面模板“add.ht_”是空的，没有生成网页。");
    EXPECT_EQ(problem("<p>\0</p>\r\n<<end>>\r\n"s),
              "页面模板“add.ht_”不是文本文件，没有生成网页。");
    EXPECT_EQ(problem("<p>\r\n<<body_show>>\r\n"),
              "页面模板“add.ht_”缺少结束行“<<end>>”，没有生成网页。");
    EXPECT_EQ(problem("<<end>>\r\nx\r\n"),  // the first line is copied, never an end
              "页面模板“add.ht_”缺少结束行“<<end>>”，没有生成网页。");
    const std::string long_line = "a\r\n<<" + std::string(100000, 'x') + ">>\r\n<<end>>\r\n";
    EXPECT_EQ(problem(long_line), "页面模板“add.ht_”的第2行太长（超过65536字节），没有生成网页。");
    EXPECT_EQ(problem(std::string(kMaxTemplateBytes + 1, 'a')),
              "页面模板“add.ht_”太大（超过1MB），不像是页面模板，没有生成网页。");

    // Tabs, form feeds, CR-only line ends and bytes that are no GBK are still text.
    const PageTemplate ok = parse_page_template("a\tb\f\r<<end>>\r\x80\xFF", "t");
    EXPECT_EQ(ok.problem, "");
    EXPECT_EQ(ok.lines, (Lines{"a\tb\f", "<<end>>", "\x80\xFF"}));
    EXPECT_TRUE(parse_page_template(std::string(kMaxTemplateLineBytes, 'a') + "\n<<end>>", "t")
                    .problem.empty());
}

TEST(PageTemplate, TemplatesAreLookedUpInTheProgramFolder) {
    const fs::path dir = fs::temp_directory_path() / ("quillo_tpl_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "sites");
    std::ofstream(dir / "sites" / "my.ht_", std::ios::binary) << "a\r\n<<end>>\r\n";
    std::ofstream(dir / "huge.ht_", std::ios::binary) << "";
    fs::resize_file(dir / "huge.ht_", 3u << 30);  // sparse: refused before it is read

    EXPECT_EQ(load_page_template(dir, "sites\\my.ht_").lines, (Lines{"a", "<<end>>"}));
    EXPECT_EQ(load_page_template(dir, "sites/my.ht_").lines, (Lines{"a", "<<end>>"}));
    EXPECT_EQ(load_page_template(dir, "add.ht_").problem, "找不到“add.ht_”文件");
    EXPECT_EQ(load_page_template(dir, "").problem, "找不到“”文件");  // the folder itself
    EXPECT_EQ(load_page_template(dir, "sites").problem, "找不到“sites”文件");
    EXPECT_EQ(load_page_template(dir, "huge.ht_").problem,
              "页面模板“huge.ht_”太大（超过1MB），不像是页面模板，没有生成网页。");
    // A file that is there but cannot be read is a platform error, as for any file.
    EXPECT_THROW(load_page_template("/proc/self", "mem"), platform::FileError);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quillo::output
