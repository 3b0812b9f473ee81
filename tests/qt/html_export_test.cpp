// The HTML export commands of the main window: where the page goes, the browser option, the
// page settings that reach the body, and a page that cannot be written.
#include "output/html_export.h"

#include <QCheckBox>

#include "document/qt/option_form.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

using Shown = platform::ScriptedUi::Shown;

class HtmlExportTest : public WindowTest {
  protected:
    std::vector<Shown> messages() {
        std::vector<Shown> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == Shown::message) out.push_back(s);
        return out;
    }
};

TEST_F(HtmlExportTest, NewDocumentPageInTheProgramTempFolderWithoutBrowser) {
    start();
    form->option_form->cb_htm_show->setChecked(false);
    ui.take_shown();

    ui.queue_input(std::nullopt);  // cancelled: the empty first title, and the export goes on
    click("n_html_out");

    const auto page = dir / "temp" / "新文件_v1.htm";
    EXPECT_EQ(form->temp_dir, dir / "temp");
    ASSERT_TRUE(std::filesystem::exists(page));
    const std::string bytes = file_bytes(page);
    EXPECT_NE(bytes.find("\r\n<H1><CENTER></CENTER></H1>\r\n"), std::string::npos);
    EXPECT_TRUE(ui.opened().empty());
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, output::kFullExportDone);

    // The simplified page takes the next number, also without the browser.
    ui.queue_input("简");
    click("n_html_out2");
    EXPECT_TRUE(std::filesystem::exists(dir / "temp" / "新文件_v2.htm"));
    EXPECT_TRUE(ui.opened().empty());
    const auto second = messages();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].text, output::kSimpleExportDone);
}

TEST_F(HtmlExportTest, FoodstopMarksDoubleByteLinesButNotABlankOne) {
    start(write_file("art.txt", "a<b & c\r\n \r\n").string());
    ui.queue_answer(platform::Answer::yes);
    click("usechinese1");
    click("n_view");  // normal editing mode
    ASSERT_TRUE(form->double_byte());
    ASSERT_TRUE(form->normal_mode());
    form->settings.foodstop = true;

    ui.queue_input("t");
    click("n_html_out");
    const std::string bytes = file_bytes(dir / "temp" / "art_v1.htm");
    EXPECT_NE(bytes.find("<tr><td>\r\na&lt;b&nbsp;&amp;&nbsp;c.<br>\r\n<br>\r\n</td>"),
              std::string::npos)
        << bytes;
    ASSERT_EQ(ui.opened().size(), 1u);
    EXPECT_EQ(ui.opened()[0], (dir / "temp" / "art_v1.htm").string());
}

TEST_F(HtmlExportTest, APageThatCannotBeWrittenEndsTheCommandWithTheErrorBox) {
    start();
    // A file where the folder should be: nothing can be created in it.
    form->temp_dir = write_file("not_a_folder", "x");
    ui.take_shown();

    for (const char* command : {"n_html_out", "n_html_out2"}) {
        ui.queue_input("t");
        click(command);
        const auto shown = messages();
        ASSERT_EQ(shown.size(), 1u) << command;
        EXPECT_EQ(shown[0].icon, platform::Icon::error) << command;
        EXPECT_NE(shown[0].text.find("not_a_folder"), std::string::npos) << shown[0].text;
        EXPECT_TRUE(ui.opened().empty()) << command;
    }
    EXPECT_EQ(file_bytes(dir / "not_a_folder"), "x");
}

}  // namespace

}  // namespace quillo::testing
