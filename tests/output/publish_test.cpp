// Publishing: the sizes the placeholders carry, the bodies of the work and of a picture, and the
// shipped page templates filled and read back by a real HTML parser.
#include "output/publish.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "output/maker.h"
#include "platform/gbk.h"

namespace quillo::output {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(Publish, SizesOfTheWorkTheSelectionAndThePicture) {
    // A selection of 10 x 5 cells; single-byte columns are half as wide (66.5 to even).
    EXPECT_EQ(selection_sizes(10, 5, true).max_wide, 176);
    EXPECT_EQ(selection_sizes(10, 5, true).tab_wide, 133);
    EXPECT_EQ(selection_sizes(10, 5, true).tab_high, 90);
    EXPECT_EQ(selection_sizes(10, 5, false).max_wide, 88);
    EXPECT_EQ(selection_sizes(10, 5, false).tab_wide, 66);
    EXPECT_EQ(selection_sizes(10, 5, false).tab_high, 90);

    // Whole work: K = max(M, canvas width); rows of the panel 400 / 16 = 25, 15.7 x 25 = 392.5.
    PageSizes s = whole_work_sizes(30, 40, 400, true);
    EXPECT_EQ(s.max_wide, 352);
    EXPECT_EQ(s.tab_wide, 276);
    EXPECT_EQ(s.tab_high, 392);
    s = whole_work_sizes(90, 40, 408, false);  // 25.5 rows give 26; 6.9 x 90 = 621 halves to 310.5
    EXPECT_EQ(s.max_wide, 376);
    EXPECT_EQ(s.tab_wide, 310);
    EXPECT_EQ(s.tab_high, 408);
    EXPECT_EQ(whole_work_sizes(5, 5, 392, true).tab_wide, 34);     // 34.5
    EXPECT_EQ(whole_work_sizes(15, 15, 392, true).tab_wide, 104);  // 103.5
    EXPECT_EQ(whole_work_sizes(15, 15, 392, true).tab_high, 377);  // 24.5 rows give 24

    s = picture_sizes(4, 3);
    EXPECT_EQ(s.max_wide, 96);
    EXPECT_EQ(s.tab_wide, 66);  // 13.3 x 5 = 66.5
    EXPECT_EQ(s.tab_high, 75);

    EXPECT_EQ(round_tenths(25), 2);
    EXPECT_EQ(round_tenths(35), 4);
    EXPECT_EQ(round_tenths(-15), -2);
    EXPECT_EQ(round_tenths(-25), -2);
    EXPECT_EQ(round_tenths(26), 3);

    // The longest line as the double-byte normaliser leaves it, at least 1.
    // "a" and a full-width character: a space before the character, and one more for the odd
    // length.
    EXPECT_EQ(longest_line(Lines{"", "abc", "a\xD6\xD0"}), 5);
    EXPECT_EQ(longest_line(Lines{}), 1);
}

TEST(Publish, BodiesOfTheWorkAsPageLinesAndAsCode) {
    const PageBody single = single_colour_body(Lines{"a<b & c", " ", ""}, ".");
    EXPECT_EQ(single.show, (Lines{"a&lt;b&nbsp;&amp;&nbsp;c.<br>", "<br>", ".<br>"}));
    EXPECT_EQ(single.code,
              (Lines{"a&lt;b&nbsp;&amp;&nbsp;c.&lt;br&gt;", "&lt;br&gt;", ".&lt;br&gt;"}));
    EXPECT_EQ(line_suffix(true, true), ".");
    EXPECT_EQ(line_suffix(true, false), "");
    EXPECT_EQ(line_suffix(false, true), "");

    const PageBody multi =
        multicolour_body(Lines{"a<font ", "color=\"#FF0000\">&nbsp;</font><br>"});
    EXPECT_EQ(multi.show, (Lines{"a<font ", "color=\"#FF0000\">&nbsp;</font><br>"}));
    EXPECT_EQ(multi.code,
              (Lines{"a&lt;font ", "color=&quot;#FF0000&quot;&gt;&nbsp;&lt;/font&gt;&lt;br&gt;"}));
}

TEST(Publish, PictureBodiesCloseWhatTheyOpen) {
    PicturePage plain{2, 2, false, {"ab", "c&lt;"}};
    PageBody body = picture_body(plain);
    EXPECT_EQ(body.show, (Lines{R"(<table border="0" cellspacing="0" cellpadding="0"><tr>)",
                                "<td>ab", "<br>", "c&lt;", "<br>", "</td></tr></TABLE>"}));
    EXPECT_EQ(
        body.code,
        (Lines{"&lt;table border=&quot;0&quot; cellspacing=&quot;0&quot; cellpadding=&quot;0&quot; "
               "align=center&gt;&lt;tr&gt;&lt;td&gt;",
               "ab&lt;br&gt;", "c&amp;lt;&lt;br&gt;", "&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;"}));

    const std::string block = platform::utf8_to_gbk("█");
    const std::string cell = "<TD bgcolor=\"#FF0000\">" + block + "</TD>";
    body = picture_body(PicturePage{1, 1, true, {cell}});
    // The colour table's cells stand in the table's own row: no <td> around them to close.
    EXPECT_EQ(body.show, (Lines{R"(<table border="0" cellspacing="0" cellpadding="0"><tr>)", cell,
                                "</TR><TR>", "</TR></TABLE>"}));
    EXPECT_EQ(body.code[1], "&lt;TD bgcolor=&quot;#FF0000&quot;&gt;" + block +
                                "&lt;/TD&gt;&lt;/TR&gt;&lt;TR&gt;");
    EXPECT_EQ(body.code[2], "&lt;/TR&gt;&lt;/table&gt;");

    // No rows: the cell is still opened before it is closed.
    EXPECT_EQ(picture_body(PicturePage{}).show,
              (Lines{R"(<table border="0" cellspacing="0" cellpadding="0"><tr>)", "<td>",
                     "</td></tr></TABLE>"}));
}

TEST(Publish, ReplaceAllAndTheTagSpaceRepair) {
    EXPECT_EQ(replace_all("aaa", "aa", "a"), "aa");  // replaced text is not scanned again
    EXPECT_EQ(replace_all("xTDy", "TD", "TD&nbsp;"), "xTD&nbsp;y");
    EXPECT_EQ(replace_all("abc", "", "z"), "abc");
    EXPECT_EQ(tag_space_repair("&lt;font&nbsp;color=&quot;#1&quot;&nbsp;style&nbsp;x"),
              "&lt;font color=&quot;#1&quot; style&nbsp;x");
    EXPECT_EQ(tag_space_repair("TD&nbsp;table&nbsp;&nbsp;"), "TD table &nbsp;");
}

TEST(Publish, SitesComeFromTheSettingsAndSiteOneIsTheMakers) {
    const document::Settings defaults;
    const auto sites = upload_sites(defaults);
    EXPECT_EQ(sites[0].name, "Tarnel");
    EXPECT_EQ(sites[0].location, kMakerUploadLocation);
    EXPECT_EQ(sites[0].template_file, "add.ht_");
    for (int i = 1; i < kUploadSites; ++i) {
        EXPECT_EQ(sites[i].name, "");
        EXPECT_EQ(sites[i].template_file, "");
    }
    document::Settings s;
    s.name[4] = "five";
    s.adr[4] = "five.example";
    s.sourcefile[4] = "5.ht_";
    EXPECT_EQ(upload_sites(s)[4].location, "five.example");
    EXPECT_EQ(upload_sites(s)[4].template_file, "5.ht_");
}

// tidy's exit status (0 clean, 1 warnings, 2 errors) and its report.
std::pair<int, std::string> run_tidy(const std::string& page, const std::string& name) {
    const fs::path base =
        fs::temp_directory_path() / ("quillo_publish_" + std::to_string(::getpid()) + "_" + name);
    const fs::path file = base.string() + ".htm";
    const fs::path report = base.string() + ".txt";
    std::ofstream(file, std::ios::binary) << page;
    const std::string command =
        "/usr/bin/tidy -q -e -raw -f '" + report.string() + "' '" + file.string() + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(report);
    std::string messages(std::istreambuf_iterator<char>(in), {});
    fs::remove(file);
    fs::remove(report);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, messages};
}

// The page parses, and tidy had to mend no tag of ours or of the template.
void expect_parses(const std::string& page, const std::string& name) {
    const auto [status, messages] = run_tidy(page, name);
    EXPECT_TRUE(status == 0 || status == 1) << name << ":\n" << messages;
    for (const char* fault : {"missing '>'", "unexpected </", "missing </", "discarding",
                              "inserting implicit", "isn't allowed in"})
        EXPECT_EQ(messages.find(fault), std::string::npos) << name << ":\n" << messages;
    EXPECT_EQ(page.find("<<"), std::string::npos) << name;  // no placeholder left over
}

TEST(Publish, ShippedTemplatesMakePagesARealParserReads) {
    if (!fs::exists("/usr/bin/tidy")) GTEST_SKIP() << "tidy is not installed";
    const fs::path program_dir = fs::path(QUILLO_SOURCE_DIR) / "src" / "resources" / "program_dir";

    TemplateValues canvas;
    canvas.home_page = kMakerHomePage;
    canvas.upload_location = "https://up.example/?a=1&b=<2>";
    canvas.back_colour = "D4D0C8";
    canvas.font_colour = "000000";
    const PageSizes sizes = selection_sizes(10, 5, true);
    canvas.max_wide = sizes.max_wide;
    canvas.tab_wide = sizes.tab_wide;
    canvas.tab_high = sizes.tab_high;
    const PageBody single = single_colour_body(Lines{"a<b & \"c\"", " ", "\xD6\xD0\xCE\xC4"}, ".");
    const PageBody multi = multicolour_body(
        Lines{"<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> ",
              "a<font ", "color=\"#FF0000\">&lt;</font>b<br>", "</font></td></tr></table>"});

    TemplateValues picture = canvas;
    picture.back_colour = "000000";
    picture.font_colour.reset();
    const std::string block = platform::utf8_to_gbk("█");
    const PageBody colour_table = picture_body(PicturePage{
        2,
        2,
        true,
        {"<TD bgcolor=\"#FF0000\">" + block + "</TD><TD bgcolor=\"#00FF00\">" + block + "</TD>",
         "<TD bgcolor=\"#0000FF\">" + block + "</TD><TD bgcolor=\"#000000\">" + block + "</TD>"}});
    const PageBody greys =
        picture_body(PicturePage{3, 1, false, {"@&amp;<font color=\"#FF0000\">M</font>"}});

    for (const char* name : {"add.ht_", "simple.ht_"}) {
        const PageTemplate t = load_page_template(program_dir, name);
        ASSERT_EQ(t.problem, "") << name;
        int n = 0;
        for (const PageBody* body : {&single, &multi}) {
            canvas.body = body->show;
            canvas.body_code = body->code;
            expect_parses(fill_page_template(t.lines, canvas), name + std::to_string(++n));
        }
        for (const PageBody* body : {&colour_table, &greys}) {
            picture.body = body->show;
            picture.body_code = body->code;
            const std::string page = fill_page_template(t.lines, picture);
            expect_parses(page, name + std::to_string(++n));
            EXPECT_NE(page.find("bgcolor=\"#000000\">"), std::string::npos) << name;
        }
    }
}

}  // namespace
}  // namespace quillo::output
