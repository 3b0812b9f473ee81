// The source-text window and the text gun through the main window, where the scripts do not
// reach: files that cannot be loaded, the single-byte warning, the reload by F8. Loading a file,
// spraying and the reload from the pen row and the pen box are driven by the scripts gun_*.qs.
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <functional>

#include "canvas/qt/canvas_widgets.h"
#include "document/document.h"
#include "output/qt/text_in_windows.h"
#include "platform/gbk.h"
#include "platform/qt/gbk_qt.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {
namespace {

using Lines = std::vector<std::string>;
using Shown = platform::ScriptedUi::Shown;
using output::Ttext_in_windows;

std::string gbk(const char* utf8) {
    return platform::utf8_to_gbk(utf8);
}

class TextGunWindowTest : public WindowTest {
  protected:
    Ttext_in_windows& source() { return *form->text_in_windows; }

    void start_in(bool double_byte) {
        start();
        form->canvas.double_byte = double_byte;
        form->apply_byte_mode();
        settle();
        ui.take_shown();
    }

    std::vector<std::string> messages() { return message_texts(ui); }

    // Runs `act` while the source-text window is shown modally, then closes it with tb_ok.
    // True when it was the modal window that `trigger` opened.
    bool while_open(const std::function<void(Ttext_in_windows&)>& act,
                    const std::function<void()>& trigger) {
        bool was_source = false;
        auto done = when_modal([&](QWidget* w) {
            was_source = w == &source();
            act(source());
            source().tb_ok->click();
        });
        trigger();
        settle();
        return *done && was_source && !source().isVisible();
    }

    void mouse_on(QWidget* w, QEvent::Type type, QPointF at) { send_mouse(w, type, at); }

    void canvas_mouse(QEvent::Type type, int x, int y) {
        send_mouse(form->Image1, type, cell_centre(form->double_byte(), x, y));
    }

    std::string pen() const { return form->pen_text; }
};

TEST_F(TextGunWindowTest, SourceWindowLoadsTextFilesWholeOrNotAtAll) {
    start_in(false);
    Ttext_in_windows& w = source();
    // A cancelled dialog and a good file: gun_source_file.qs. A file that cannot be read, or one
    // too large, leaves the text as it was.
    w.set_lines({"one", gbk("二")});
    const Lines kept = w.lines();
    ui.queue_file(platform::FileDialogResult{(dir / "none" / "a.txt").string(), 1});
    w.tb_openfile->click();
    auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("does not exist"), std::string::npos) << shown[0];
    EXPECT_EQ(w.lines(), kept);
    const auto huge = write_file("huge.txt", "x");
    std::filesystem::resize_file(huge, 50u << 20);
    ui.queue_file(platform::FileDialogResult{huge.string(), 1});
    w.tb_openfile->click();
    shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("文件太大，不能作为源文本打开：", 0), 0u) << shown[0];
    EXPECT_EQ(w.lines(), kept);

    // Binary junk and invalid GBK load byte for byte, and stay so when the memo is edited.
    std::string junk;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
    junk += "\xD6";  // a lead byte without its trail byte
    ui.queue_file(platform::FileDialogResult{write_file("junk.bin", junk).string(), 1});
    w.tb_openfile->click();
    EXPECT_TRUE(messages().empty());
    Lines expected = document::split_lines(junk);
    EXPECT_EQ(w.lines(), expected);
    QTextCursor end(w.pen_txt_memo->document());
    end.movePosition(QTextCursor::End);
    end.insertText("z");
    expected.back() += "z";
    EXPECT_EQ(w.lines(), expected);
}

TEST_F(TextGunWindowTest, SingleByteModeWarnsAndAnotherToolGivesThePenRowBack) {
    start_in(false);
    source().set_lines({gbk("中文"), "ab"});
    ASSERT_TRUE(form->commands.click("n_gun"));
    settle();
    auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              "注意：您现在是在半角模式下使用\r文字机枪。请双击文字输入框输入\r"
              "在弹出对话框内输入一个文本。并\r确认该文本中不能含有全角字符！");
    // The pen is the feed's first byte, half of "中": what the warning is about.
    EXPECT_EQ(pen(), "\xD6");

    ASSERT_TRUE(form->commands.click("sb2_line"));
    settle();
    EXPECT_FALSE(form->text_gun);
    EXPECT_EQ(form->label1_text.substr(0, 6), form->pen_single.substr(0, 6));
}

TEST_F(TextGunWindowTest, AnEmptiedFeedRefillsThePenAndF8Reloads) {
    start_in(true);
    ASSERT_TRUE(form->commands.click("sb2_gun"));
    settle();
    EXPECT_TRUE(
        while_open([](Ttext_in_windows& w) { w.pen_txt_memo->clear(); },
                   [&] { mouse_on(form->pen_txt, QEvent::MouseButtonDblClick, QPointF(5, 5)); }));
    EXPECT_EQ(pen(), "");
    canvas_mouse(QEvent::MouseButtonPress, 2, 2);
    canvas_mouse(QEvent::MouseMove, 2, 2);
    canvas_mouse(QEvent::MouseButtonRelease, 2, 2);
    settle();
    EXPECT_EQ(messages(), (std::vector<std::string>{"笔框不能为空！"}));
    EXPECT_FALSE(pen().empty());  // refilled from the pen row's selected slot

    // 打开小字典 (F8) reloads as well.
    EXPECT_TRUE(while_open([](Ttext_in_windows& w) { w.set_lines({"xy"}); },
                           [&] { ASSERT_TRUE(form->commands.click("n_dictionary")); }));
    EXPECT_EQ(pen(), "xy");
}

}  // namespace
}  // namespace quillo::testing
