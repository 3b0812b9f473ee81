// The upload dialog and the text views through the main window: a picture handed over by the
// image window, templates that are no templates, places that cannot be written, programs that
// cannot be started, and what scripts cannot set (the trim option, double-byte selections).
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <fstream>
#include <iterator>

#include "../imagetext/test_pictures.h"
#include "imagetext/qt/img2html.h"
#include "output/qt/send_form.h"
#include "output/text_views.h"
#include "window_fixture.h"

namespace quillo::testing {

namespace {

namespace fs = std::filesystem;
using Shown = platform::ScriptedUi::Shown;

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every placeholder, one to a line after a marker, so that a page shows each value.
constexpr const char* kProbeTemplate =
    "<p>\r\nw\r\n<<max_wide>>\r\nt\r\n<<tab_wide>>\r\nh\r\n<<tab_high>>\r\nb\r\n<<backcolor>>\r\n"
    ";\r\n<i>\r\n<<fontcolor>>\r\n</i>\r\n<<body_show>>\r\nc\r\n<<body_hide>>\r\n<<end>>\r\n";

class PublishTest : public WindowTest {
  protected:
    // Site 1 reads `name` from the program folder.
    void use_template(const std::string& name, const std::string& bytes) {
        write_file(name, bytes);
        form->settings.sourcefile[0] = name;
    }

    // Shows the dialog by `command`, lets `act` work in it, then clicks ok; a dialog still open
    // afterwards is closed and reported.
    bool publish(const char* command, std::function<void(output::Tsend_form*)> act = {}) {
        auto still_open = std::make_shared<bool>(false);
        auto done = when_modal([act, still_open](QWidget* w) {
            auto* dialog = static_cast<output::Tsend_form*>(w);
            if (act) act(dialog);
            dialog->ok->click();
            *still_open = dialog->isVisible();
            if (*still_open) dialog->reject();
        });
        click(command);
        EXPECT_TRUE(*done) << command;
        return !*still_open;
    }

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == Shown::message) out.push_back(s.text);
        return out;
    }

    std::vector<fs::path> temp_files() {
        std::vector<fs::path> out;
        if (fs::exists(dir / "temp"))
            for (const auto& e : fs::directory_iterator(dir / "temp")) out.push_back(e.path());
        return out;
    }
};

// The picture's layout, sizes and the dialog's disabled groups: publish_picture.qs.
TEST_F(PublishTest, APenOfMarkupIsPublishedAsTextNeverAsTags) {
    start();
    use_template("probe.ht_", kProbeTemplate);
    imagetext::Timg2html* images = form->img2html;
    ui.queue_file(platform::FileDialogResult{
        write_file("two.bmp", imagetext::testing::bmp24(
                                  imagetext::testing::picture_of(2, 1, {0xFF0000, 0x0000FF})))
            .string(),
        1});
    images->tb_openfile->click();
    images->RB_ColorTable->click();
    images->set_pen_text("<b>");
    images->RB_Word_Pen->click();
    settle();
    ASSERT_TRUE(images->tb_send->isEnabled());
    auto done = when_modal([](QWidget* w) { static_cast<output::Tsend_form*>(w)->ok->click(); });
    images->tb_send->click();
    ASSERT_TRUE(*done);
    const std::string page = read_bytes(dir / "temp" / "新文件_v1.htm");
    EXPECT_NE(page.find("<TD bgcolor=\"#FF0000\">&lt;b&gt;</TD>"), std::string::npos) << page;
    EXPECT_EQ(page.find("<b>"), std::string::npos) << page;
}

TEST_F(PublishTest, DoubleByteSelectionsAndTheWholeWorkInNormalEditingMode) {
    start(write_file("art.txt", "\xD6\xD0\xCE\xC4 x\r\n").string());
    use_template("probe.ht_", kProbeTemplate);
    ui.queue_answer(platform::Answer::yes);
    click("usechinese1");
    ASSERT_TRUE(form->double_byte());
    form->selection.rect = {1, 1, 10, 5};
    EXPECT_TRUE(publish("N15", [](output::Tsend_form* d) { d->r_send_select->setChecked(true); }));
    const std::string page = read_bytes(dir / "temp" / "art_v1.htm");
    EXPECT_EQ(page.find("<p>\r\nw176\r\n\r\nt133\r\n\r\nh90\r\n"), 0u) << page;

    // Multicolour chosen in normal editing mode: the page is made of the text, as typed.
    click("n_view");
    form->source_memo->setPlainText(QString::fromUtf8("中<b>"));
    EXPECT_TRUE(publish("Tb_out", [](output::Tsend_form* d) {
        d->r_send_all->setChecked(true);
        d->r_mul_color->setChecked(true);
    }));
    const std::string whole = read_bytes(dir / "temp" / "art_v2.htm");
    EXPECT_NE(whole.find("\r\n\xD6\xD0&lt;b&gt;<br>\r\n"), std::string::npos) << whole;
    EXPECT_NE(whole.find("\r\n\xD6\xD0&lt;b&gt;&lt;br&gt;\r\n"), std::string::npos) << whole;
}

TEST_F(PublishTest, TheWholeCanvasInMulticolourIsCopiedWithItsColoursAndNothingMoves) {
    start(write_file("art.txt", "a<b&c\r\nxy\r\n").string());
    use_template("probe.ht_", kProbeTemplate);
    click("n_color");
    ASSERT_TRUE(form->multicolour());
    const document::ColourCell red{true, false, 0x0000FF, 0};
    form->colours.layer.set(1, 2, red);
    const std::vector<std::string> lines = form->document_for_reading().lines;
    const std::string row1 = row(1, 1);

    EXPECT_TRUE(publish("N15"));
    const std::string page = read_bytes(dir / "temp" / "art_v1.htm");
    EXPECT_NE(page.find("color=\"#FF0000\">&lt;</font>b&amp;c"), std::string::npos) << page;
    // Every canvas row is in the page, the empty ones too.
    std::size_t breaks = 0;
    for (std::size_t at = page.find("<br>"); at != std::string::npos;
         at = page.find("<br>", at + 1))
        ++breaks;
    EXPECT_EQ(breaks, static_cast<std::size_t>(form->canvas.height)) << page;
    // A copy: the work, its colours and the canvas stay as they were.
    EXPECT_EQ(form->document_for_reading().lines, lines);
    EXPECT_EQ(form->colours.layer.cell(1, 2), red);
    EXPECT_EQ(row(1, 1), row1);
    EXPECT_FALSE(form->selection.floating);
}

TEST_F(PublishTest, TemplatesThatAreNoTemplatesMakeNoPageAndKeepTheDialog) {
    start(write_file("art.txt", "keep me\r\n").string());
    write_file("huge.ht_", "");
    fs::resize_file(dir / "huge.ht_", 2u << 20);
    const std::string long_line = "<p>\r\n<<" + std::string(100000, 'x') + ">>\r\n<<end>>\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"none.ht_", "找不到“none.ht_”文件"},
        {"empty.ht_", "页面模板“empty.ht_”是空的，没有生成网页。"},
        {"binary.ht_", "页面模板“binary.ht_”不是文本文件，没有生成网页。"},
        {"huge.ht_", "页面模板“huge.ht_”太大（超过1MB），不像是页面模板，没有生成网页。"},
        {"open.ht_", "页面模板“open.ht_”缺少结束行“<<end>>”，没有生成网页。"},
        {"long.ht_", "页面模板“long.ht_”的第2行太长（超过65536字节），没有生成网页。"},
    };
    write_file("empty.ht_", "");
    write_file("binary.ht_", std::string("\x7F"
                                         "ELF\x02\x01\x01\0\0\0",
                                         10));
    write_file("open.ht_", "<p>\r\n<<body_show>>\r\n</p>\r\n");
    write_file("long.ht_", long_line);
    ui.take_shown();
    for (const auto& [name, message] : cases) {
        form->settings.sourcefile[0] = name;
        EXPECT_FALSE(publish("N15")) << name;
        EXPECT_EQ(messages(), std::vector<std::string>{message}) << name;
    }
    EXPECT_TRUE(temp_files().empty());
    EXPECT_TRUE(ui.opened().empty());
    EXPECT_EQ(form->document_for_reading().lines[0].substr(0, 7), "keep me");
}

TEST_F(PublishTest, PlacesThatCannotBeWrittenAndProgramsThatCannotStartAreTold) {
    start(write_file("art.txt", "keep me\r\n").string());
    use_template("probe.ht_", kProbeTemplate);
    form->temp_dir = write_file("not_a_folder", "x");  // nothing can be created in it
    ui.take_shown();
    EXPECT_FALSE(publish("N15"));
    for (const char* command : {"n_notepad_out", "n_quillo_out"}) click(command);
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 3u);
    for (const auto& text : shown) EXPECT_NE(text.find("not_a_folder"), std::string::npos) << text;
    EXPECT_TRUE(ui.opened().empty());
    EXPECT_TRUE(ui.started().empty());
    EXPECT_EQ(read_bytes(dir / "not_a_folder"), "x");

    // Written, but nothing could show or start it: the user hears where the file is.
    form->temp_dir = dir / "temp";
    ui.set_desktop_result(false);
    EXPECT_TRUE(publish("N15"));
    click("n_notepad_out");
    click("n_quillo_out");
    click("n_my_page");
    EXPECT_TRUE(publish("N15", [](output::Tsend_form* d) { d->r_s->setChecked(true); }));
    const fs::path temp = dir / "temp";
    EXPECT_EQ(
        messages(),
        (std::vector<std::string>{
            output::cannot_show_message((temp / "art_v1.htm").string()),
            output::cannot_show_message((temp / "art_v1.txt").string()),
            output::cannot_start_message(QCoreApplication::applicationFilePath().toStdString()),
            output::cannot_open_message("https://github.com/quillo-editor/quillo"),
            output::cannot_start_message("quillo.exe")}));
    EXPECT_EQ(read_bytes(temp / "art_v2.txt"), "keep me\r\n");
}

// Handing the view to this program (its path and argument): handoff.qs.
TEST_F(PublishTest, TheTextViewTrimsWhenTheOptionsSaySo) {
    start(write_file("art.txt", "a  \r\n   \r\n\r\nb\r\n").string());
    click("n_view");
    form->canvas.blank_out = true;
    click("n_notepad_out");
    EXPECT_EQ(read_bytes(dir / "temp" / "art_v1.txt"), "a\r\n \r\n\r\nb\r\n");
}

TEST_F(PublishTest, WhatsNewMissingBesideTheProgramIsTold) {
    start();
    ui.take_shown();
    click("n_update");
    EXPECT_EQ(messages(), std::vector<std::string>{"找不到“Whats_new.txt”文件"});
    EXPECT_TRUE(ui.opened().empty());
}

}  // namespace

}  // namespace quillo::testing
