// The source-text window and the text gun through the main window: files loaded into the
// window's memo, the gun set up from its lines, the modal reload from the pen row and the pen
// box. Spraying, filling and replacing on the canvas are covered by the scripts gun_*.qs,
// fill_*.qs and replace_*.qs.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <functional>

#include "canvas/qt/canvas_widgets.h"
#include "document/document.h"
#include "extras/qt/select_form.h"
#include "output/qt/text_in_windows.h"
#include "platform/gbk.h"
#include "platform/qt/gbk_qt.h"
#include "window_fixture.h"

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

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == Shown::message) out.push_back(s.text);
        return out;
    }

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

    void mouse_on(QWidget* w, QEvent::Type type, QPointF at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent ev(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }

    void canvas_mouse(QEvent::Type type, int x, int y) {
        const int pitch = form->double_byte() ? 16 : 8;
        mouse_on(form->Image1, type, QPointF((x - 1) * pitch + pitch / 2, (y - 1) * 16 + 8));
    }

    std::string pen() const { return form->pen_text; }
};

TEST_F(TextGunWindowTest, SourceWindowLoadsTextFilesWholeOrNotAtAll) {
    start_in(false);
    Ttext_in_windows& w = source();
    EXPECT_EQ(w.objectName(), "text_in_windows");
    EXPECT_EQ(w.windowTitle().toStdString(), "文本文件输入框");
    EXPECT_EQ(w.tb_openfile->toolTip().toStdString(), "打开一个文本文件");
    EXPECT_EQ(w.tb_ok->toolTip().toStdString(), "确认并关闭此窗");
    const Lines welcome{gbk("欢迎使用QuilloQuillo,请输入一篇文章或打开一个"),
                        gbk("文本文件，作为“文字机关枪”或图片转文字画的内容。")};
    EXPECT_EQ(w.lines(), welcome);

    // Cancelled: nothing changes.
    ui.queue_file(std::nullopt);
    w.tb_openfile->click();
    ASSERT_EQ(ui.file_requests().size(), 1u);
    EXPECT_EQ(ui.file_requests()[0].filter, "文本文件|*.txt|所有文件|*.*");
    EXPECT_EQ(ui.file_requests()[0].file_name, "*.txt");
    EXPECT_EQ(ui.file_requests()[0].default_ext, "txt");
    EXPECT_EQ(w.lines(), welcome);

    // Three lines give exactly three lines.
    ui.queue_file(platform::FileDialogResult{
        write_file("three.txt", "one\r\n" + gbk("二") + "\r\nthree\r\n").string(), 1});
    w.tb_openfile->click();
    EXPECT_EQ(w.lines(), (Lines{"one", gbk("二"), "three"}));

    // A file that cannot be read, or one too large, leaves the text as it was.
    const Lines three = w.lines();
    ui.queue_file(platform::FileDialogResult{(dir / "none" / "a.txt").string(), 1});
    w.tb_openfile->click();
    auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("does not exist"), std::string::npos) << shown[0];
    EXPECT_EQ(w.lines(), three);
    const auto huge = write_file("huge.txt", "x");
    std::filesystem::resize_file(huge, 50u << 20);
    ui.queue_file(platform::FileDialogResult{huge.string(), 1});
    w.tb_openfile->click();
    shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("文件太大，不能作为源文本打开：", 0), 0u) << shown[0];
    EXPECT_EQ(w.lines(), three);
    EXPECT_EQ(w.pen_txt_memo->toPlainText().toStdString(), "one\n二\nthree");

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

TEST_F(TextGunWindowTest, GunTakesOverThePenRowUntilAnotherToolIsChosen) {
    start_in(true);
    source().set_lines({gbk("中文"), "ab"});
    ASSERT_TRUE(form->commands.click("sb2_gun"));
    settle();
    EXPECT_TRUE(form->text_gun);
    EXPECT_EQ(form->status(3), "文字机枪");
    EXPECT_EQ(pen(), gbk("中"));
    EXPECT_EQ(form->label1_text.substr(0, 12), gbk("中文") + "ab" + gbk("中文") + "ab");
    EXPECT_EQ(form->pen_txt->x(), 44);
    EXPECT_FALSE(form->Label6->isEnabled());
    EXPECT_TRUE(messages().empty());  // the warning is for single-byte mode only

    // Any other tool gives the pen row back.
    ASSERT_TRUE(form->commands.click("sb2_line"));
    settle();
    EXPECT_FALSE(form->text_gun);
    EXPECT_TRUE(form->Label6->isEnabled());
    EXPECT_EQ(form->label1_text.substr(0, 6), form->pen_double.substr(0, 6));
    EXPECT_EQ(form->pen_txt->x(), 44 + 24 * (form->pen_st - 1));

    // Single-byte mode warns that the text must not hold full-width characters.
    form->canvas.double_byte = false;
    form->apply_byte_mode();
    ASSERT_TRUE(form->commands.click("n_gun"));
    settle();
    auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              "注意：您现在是在半角模式下使用\r文字机枪。请双击文字输入框输入\r"
              "在弹出对话框内输入一个文本。并\r确认该文本中不能含有全角字符！");
    // The pen is the feed's first byte, half of "中": what the warning is about.
    EXPECT_EQ(pen(), "\xD6");
}

TEST_F(TextGunWindowTest, ReloadShowsTheSourceWindowModallyAndStartsTheNewText) {
    start_in(true);
    ASSERT_TRUE(form->commands.click("sb2_gun"));
    settle();
    // A click on the pen row.
    EXPECT_TRUE(while_open(
        [](Ttext_in_windows& w) { w.pen_txt_memo->setPlainText(QString::fromUtf8("星星\n月")); },
        [&] {
            mouse_on(form->Label1, QEvent::MouseMove, QPointF(60, 5));
            mouse_on(form->Label1, QEvent::MouseButtonPress, QPointF(60, 5));
            mouse_on(form->Label1, QEvent::MouseButtonRelease, QPointF(60, 5));
        }));
    // The new text is laid from its first character, whichever slot was under the pointer.
    EXPECT_EQ(pen(), gbk("星"));
    EXPECT_EQ(form->label1_text.substr(0, 12), gbk("星星月星星月"));

    // A double-click on the pen box; an emptied memo leaves the pen empty, and the next press
    // asks for a pen instead of drawing.
    EXPECT_TRUE(
        while_open([](Ttext_in_windows& w) { w.pen_txt_memo->clear(); },
                   [&] { mouse_on(form->pen_txt, QEvent::MouseButtonDblClick, QPointF(5, 5)); }));
    EXPECT_TRUE(source().lines().empty());
    EXPECT_EQ(pen(), "");
    EXPECT_EQ(form->label1_text, "");
    canvas_mouse(QEvent::MouseButtonPress, 2, 2);
    canvas_mouse(QEvent::MouseMove, 2, 2);
    canvas_mouse(QEvent::MouseButtonRelease, 2, 2);
    settle();
    auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "笔框不能为空！");
    EXPECT_FALSE(pen().empty());  // refilled from the pen row's selected slot

    // 打开小字典 (F8) reloads as well.
    EXPECT_TRUE(while_open([](Ttext_in_windows& w) { w.set_lines({"xy"}); },
                           [&] { ASSERT_TRUE(form->commands.click("n_dictionary")); }));
    EXPECT_EQ(pen(), "xy");

    // Without the gun, a double-click on the pen box opens the character picker instead.
    ASSERT_TRUE(form->commands.click("sb2_draw"));
    settle();
    mouse_on(form->pen_txt, QEvent::MouseButtonDblClick, QPointF(5, 5));
    settle();
    EXPECT_FALSE(source().isVisible());
    EXPECT_TRUE(form->SelectForm->isVisible());
    form->SelectForm->close();
}

}  // namespace
}  // namespace quillo::testing
