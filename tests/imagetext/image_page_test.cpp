#include "imagetext/image_page.h"

#include <gtest/gtest.h>

#include "output/html_export.h"
#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

using testing::picture_of;

// red (grey 76), green (150) / blue (28), white (255)
const Picture kTwoByTwo = picture_of(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});

std::string line2_of_full_page() {
    output::FullPageInput in;
    const std::string page = output::full_page(in);
    const std::size_t start = page.find("\r\n") + 2;
    return page.substr(start, page.find("\r\n", start) - start);
}

TEST(ImagePage, GreyCharactersPageByteForByte) {
    ConversionRules rules;
    rules.mode = Mode::grey_words;
    rules.tables.kind = kSixteenLevels;
    rules.tables.tables[0] = "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPp";
    PageOptions options;
    options.title = "\xCE\xD2\xB5\xC4\xD7\xF7\xC6\xB7";  // 我的作品
    const std::string expected =
        "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo\">\r\n" + line2_of_full_page() +
        "\r\n"
        "<style type=\"text/css\"><!--  .quillo {  line-height: 99%}--> </style>\r\n"
        " </HEAD>\r\n"
        "<BODY> \r\n"
        "<H1><CENTER><font color=ff0000 size=12 >\xCE\xD2\xB5\xC4\xD7\xF7\xC6\xB7</font>"
        "</CENTER></H1>\r\n"
        "<div align=\"center\"><table width=\"64\" border=\"0\" ><tr><td class=\"quillo\">\r\n"
        "EeJj\r\n"
        "<br>\r\n"
        "BbPp\r\n"
        "<br>\r\n"
        "</td></tr></table></div>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(image_page(kTwoByTwo, options, rules), expected);
}

TEST(ImagePage, ColourTableWithTheSolidBlockAndColouredBackdrops) {
    ConversionRules rules;
    rules.mode = Mode::colour_table;
    rules.word = WordSource::solid_block;
    PageOptions options;
    options.css = false;
    options.title.clear();
    options.page = Backdrop::board;
    options.board = 0x00FFFF;  // yellow as 0x00BBGGRR
    options.board_text = platform::kClBlack;
    options.table = Backdrop::black;
    const std::string page = image_page(kTwoByTwo, options, rules);
    const std::string body =
        "<BODY BGCOLOR=\"#FFFF00\" text=\"#000000\" > \r\n"
        "<div align=\"center\"><table width=\"64\" border=\"0\" bgcolor=\"#000000\"><tr>"
        "<td class=\"quillo\">\r\n"
        "<TABLE cellspacing=\"0\" ><TR>\r\n"
        "<TD bgcolor=\"#FF0000\">\xA8\x80</TD><TD bgcolor=\"#00FF00\">\xA8\x80</TD>\r\n"
        "</TR><TR>\r\n"
        "<TD bgcolor=\"#0000FF\">\xA8\x80</TD><TD bgcolor=\"#FFFFFF\">\xA8\x80</TD>\r\n"
        "</TR><TR>\r\n"
        "</TR></TABLE>\r\n"
        "</td></tr></table></div>\r\n";
    EXPECT_NE(page.find(" </HEAD>\r\n" + body), std::string::npos) << page;
    EXPECT_EQ(page.find("<style"), std::string::npos);
    EXPECT_EQ(page.find("<H1>"), std::string::npos);  // empty title: no heading
}

TEST(ImagePage, WordsComeFromTheTextSourceEscapedOrFromThePenAsTheyAre) {
    TextSource text({"a<", ""});
    ConversionRules rules;
    rules.mode = Mode::colour_words;
    rules.word = WordSource::text;
    rules.text = &text;
    PageOptions options;
    options.page = Backdrop::black;
    options.table = Backdrop::board;
    options.board = 0x123456;
    const std::string page = image_page(kTwoByTwo, options, rules);
    EXPECT_NE(page.find("<BODY BGCOLOR=\"#000000\" text=\"#ffffff\" > \r\n"), std::string::npos);
    EXPECT_NE(page.find("bgcolor=\"#563412\"><tr>"), std::string::npos);
    EXPECT_NE(page.find("\r\n<font color=\"#FF0000\">a</font><font color=\"#00FF00\">&lt;</font>"
                        "\r\n<br>\r\n<font color=\"#0000FF\">a</font>"),
              std::string::npos)
        << page;
    // Every page starts the text again.
    EXPECT_EQ(image_page(kTwoByTwo, options, rules), page);

    rules.word = WordSource::pen;
    rules.pen_text = "<b>";
    const std::string pen = image_page(kTwoByTwo, options, rules);
    EXPECT_NE(pen.find("<font color=\"#FF0000\"><b></font>"), std::string::npos);

    // Colours and grey characters at once, half-width table: 8 pixels a column.
    rules.mode = Mode::colour_grey;
    rules.tables.kind = kHalfWidth;
    rules.tables.tables[1] = "#=. ";  // 4 levels, step 64
    const std::string grey = image_page(kTwoByTwo, options, rules);
    EXPECT_NE(grey.find("<table width=\"32\""), std::string::npos);
    EXPECT_NE(grey.find("<font color=\"#FF0000\">=</font><font color=\"#00FF00\">.</font>"),
              std::string::npos);
    // The lightest level, a space, keeps its place in the row.
    EXPECT_NE(grey.find("<font color=\"#FFFFFF\">&nbsp;</font>"), std::string::npos) << grey;
    rules.mode = Mode::grey_words;
    EXPECT_NE(image_page(kTwoByTwo, options, rules).find("\r\n#&nbsp;\r\n<br>"), std::string::npos);
}

TEST(ImagePage, EmptyResolutionImageGivesAPageWithoutRows) {
    ConversionRules rules;
    PageOptions options;
    const std::string page = image_page(Picture{}, options, rules);
    EXPECT_NE(page.find("<table width=\"32\" border=\"0\" ><tr><td class=\"quillo\">\r\n"
                        "</td></tr></table></div>\r\n"),
              std::string::npos);
    // A pixel's hex is html_color's for the same colour.
    EXPECT_EQ(pixel_hex(0x123456), output::html_color(platform::colour_from_rgb(0x123456)));
}

TEST(ImagePage, RowsForPublishingAreThePageRowsFromTheStartOfTheText) {
    TextSource text({"a<b"});
    ConversionRules rules;
    rules.mode = Mode::colour_words;
    rules.word = WordSource::text;
    rules.text = &text;
    text.next(false);  // a conversion before left the text part-way
    const std::vector<std::string> rows = image_rows(kTwoByTwo, rules);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "<font color=\"#FF0000\">a</font><font color=\"#00FF00\">&lt;</font>");
    EXPECT_EQ(rows[1], "<font color=\"#0000FF\">b</font><font color=\"#FFFFFF\">a</font>");
    const std::string page = image_page(kTwoByTwo, PageOptions{}, rules);
    for (const std::string& row : rows)
        EXPECT_NE(page.find("\r\n" + row + "\r\n"), std::string::npos);
    EXPECT_TRUE(image_rows(Picture{}, rules).empty());
}

}  // namespace
}  // namespace quillo::imagetext
