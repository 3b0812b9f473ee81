// The canvas spine through the real main window: modes, scrolling, resizing, the lossless
// round trip of the document and the status bar.
#include <QAction>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>

#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "document/document.h"
#include "platform/qt/gbk_qt.h"
#include "window_fixture.h"

namespace quillo::testing {
namespace {

using canvas::kCommitted;
using canvas::kWorking;
using canvas::trailing_space_trim;

std::string crlf(const std::vector<std::string>& lines) {
    return document::join_lines_crlf(lines);
}

std::vector<std::string> numbered(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}

std::vector<std::string> awkward_lines() {
    std::string split(254, 'a');  // a full-width character across bytes 255 and 256
    split += "\xD6\xD0tail";
    std::string wide;
    while (wide.size() < 1000) wide += "x\xB0\xA1yz\xCE\xC4";
    return {"first",
            std::string(300, 'm'),
            std::string(1000, 'n'),
            split,
            wide,
            "bad \x80 and \xFF and lone lead \xD6 x",
            "ends on a lead byte \x81",
            "",
            "  two spaces before",
            "last  "};
}

void send_mouse(QWidget* w, QEvent::Type type, int x) {
    const QPointF at(x, 5);
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class CanvasSpine : public WindowTest {
  protected:
    std::string memo_line(int i) const {
        return platform::to_gbk(form->source_memo->document()->findBlockByNumber(i).text());
    }
    // A no-op edit in the text box, so that leaving normal mode reads the document from it.
    void touch_memo() {
        form->source_memo->moveCursor(QTextCursor::End);
        form->source_memo->insertPlainText("Z");
        form->source_memo->textCursor().deletePreviousChar();
        settle();
    }
};

TEST_F(CanvasSpine, ModeSwitchesBothWays) {
    start();
    ASSERT_FALSE(form->normal_mode());
    EXPECT_TRUE(form->commands.effectively_enabled("m3"));
    EXPECT_FALSE(form->commands.effectively_enabled("n_total_txt"));
    EXPECT_TRUE(form->commands.action("n_undo")->isEnabled());

    click("n_view");
    EXPECT_TRUE(form->normal_mode());
    EXPECT_EQ(form->status(1), "□");
    EXPECT_EQ(form->status(3), "普通编辑状态");
    EXPECT_FALSE(form->commands.effectively_enabled("m3"));
    EXPECT_TRUE(form->commands.effectively_enabled("n_total_txt"));
    // Ctrl+Z belongs to the text box now: the menu item under the disabled menu is off.
    EXPECT_FALSE(form->commands.action("n_undo")->isEnabled());
    EXPECT_TRUE(form->source_memo->isVisible());
    EXPECT_FALSE(form->Image1->isVisible());

    click("n_view");
    EXPECT_FALSE(form->normal_mode());
    EXPECT_EQ(form->status(1), "■");
    // "没有命令" is shown first, then resetting the tool buttons says no command runs.
    EXPECT_EQ(form->status(3), "无执行命令");
    EXPECT_TRUE(form->commands.effectively_enabled("m3"));
    EXPECT_FALSE(form->commands.effectively_enabled("n_total_txt"));
    EXPECT_TRUE(form->commands.action("n_undo")->isEnabled());
    EXPECT_FALSE(form->source_memo->isVisible());
    EXPECT_TRUE(form->Image1->isVisible());
}

TEST_F(CanvasSpine, AnEditInTheTextBoxShowsOnTheCanvas) {
    start(write_file("a.txt", "old\r\n").string());
    click("n_view");
    form->source_memo->setPlainText(QString::fromUtf8("hello\n中文 x"));
    settle();
    click("n_view");
    EXPECT_EQ(trailing_space_trim(row(kCommitted, 1)), "hello");
    EXPECT_EQ(trailing_space_trim(row(kWorking, 2)), "\xD6\xD0\xCE\xC4 x");
    EXPECT_EQ(form->doc.lines, (std::vector<std::string>{"hello", "\xD6\xD0\xCE\xC4 x"}));
}

TEST_F(CanvasSpine, ScrollingALongDocumentKeepsItWhole) {
    const auto lines = numbered(200);
    start(write_file("long.txt", crlf(lines)).string());
    const int h = form->canvas.height;
    ASSERT_LT(h, 200);
    EXPECT_EQ(form->ScrollBar1->minimum(), h);
    EXPECT_EQ(form->ScrollBar1->maximum(), 200);
    EXPECT_EQ(form->ScrollBar1->value(), h);

    form->ScrollBar1->setValue(h + 10);
    settle();
    EXPECT_EQ(form->canvas.scroll, h + 10);
    EXPECT_EQ(trailing_space_trim(row(kWorking, 1)), "line 11");
    EXPECT_EQ(trailing_space_trim(row(kCommitted, h)), "line " + std::to_string(h + 10));
    EXPECT_EQ(form->ScrollBar1->toolTip(), QString::number(h + 10));

    form->ScrollBar1->setValue(200);
    settle();
    EXPECT_EQ(trailing_space_trim(row(kWorking, h)), "line 200");
    form->ScrollBar1->setValue(h);
    settle();
    EXPECT_EQ(trailing_space_trim(row(kWorking, 1)), "line 1");
    click("n_view");
    EXPECT_EQ(form->doc.lines, lines);
    EXPECT_EQ(memo_line(199), "line 200");
}

TEST_F(CanvasSpine, ScrollingAShortDocumentDoesNothing) {
    start(write_file("short.txt", "a\r\nb\r\n").string());
    const int h = form->canvas.height;
    const std::string before = row(kWorking, 1);
    form->ScrollBar1Scroll(h + 5);
    settle();
    EXPECT_EQ(form->canvas.scroll, h);
    EXPECT_EQ(form->ScrollBar1->value(), h);
    EXPECT_EQ(row(kWorking, 1), before);
    click("n_view");
    EXPECT_EQ(form->doc.lines, (std::vector<std::string>{"a", "b"}));
}

TEST_F(CanvasSpine, ResizingWhileScrolledKeepsTheDocument) {
    auto lines = awkward_lines();
    for (const auto& l : numbered(150)) lines.push_back(l);
    start(write_file("big.txt", crlf(lines)).string());
    const int h = form->canvas.height;
    form->ScrollBar1->setValue(h + 40);
    settle();
    ASSERT_EQ(form->canvas.scroll, h + 40);

    form->resize(1000, 700);
    settle();
    const int h2 = form->canvas.height;
    EXPECT_NE(h2, h);
    EXPECT_GE(h2, 1);
    EXPECT_LE(h2, 80);
    EXPECT_LE(form->canvas.width, 255);
    // The window starts again at the top of the document.
    EXPECT_EQ(form->canvas.scroll, h2);
    EXPECT_EQ(form->ScrollBar1->value(), h2);
    EXPECT_EQ(trailing_space_trim(row(kWorking, 1)), "first");

    form->resize(300, 200);
    settle();
    click("n_view");
    EXPECT_EQ(form->doc.lines, lines);
}

TEST_F(CanvasSpine, LosslessRoundTripThroughTheWindow) {
    const auto lines = awkward_lines();
    start(write_file("odd.txt", crlf(lines)).string());
    EXPECT_EQ(row(kCommitted, 2), std::string(255, 'm'));
    for (int i = 0; i < 3; ++i) {
        click("n_view");
        ASSERT_EQ(form->doc.lines, lines) << "pass " << i;
        for (int k = 0; k < static_cast<int>(lines.size()); ++k)
            ASSERT_EQ(memo_line(k), lines[static_cast<std::size_t>(k)]) << "memo line " << k;
        touch_memo();  // the document now comes back through the text box
        click("n_view");
    }
    // An edit of the 300-byte line, undone and redone: the tail beyond byte 255 stays.
    canvas::lay_pen(form->canvas, kWorking, 1, 2, "Q");
    form->commit();
    click("n_undo");
    click("n_view");
    ASSERT_EQ(form->doc.lines, lines);
    click("n_view");
    canvas::lay_pen(form->canvas, kWorking, 1, 2, "Q");
    form->commit();
    click("n_undo");
    click("n_undo");
    EXPECT_EQ(row(kWorking, 2), "Q" + std::string(254, 'm'));
    click("n_view");
    auto edited = lines;
    edited[1][0] = 'Q';
    ASSERT_EQ(form->doc.lines, edited);
    click("n_view");

    // The same in double-byte mode, where rows are re-aligned on the way in.
    ui.queue_answer(platform::Answer::yes);
    click("usechinese1");
    ASSERT_TRUE(form->double_byte());
    click("n_view");
    touch_memo();
    click("n_view");
    // The full-width character across byte 255 keeps only its lead byte in the row.
    EXPECT_EQ(row(kCommitted, 4).size(), 255u);
    EXPECT_EQ(row(kCommitted, 4).substr(252), "aa\xD6");
    click("n_undo");
    click("n_view");
    EXPECT_EQ(form->doc.lines, edited);
    EXPECT_FALSE(ui.pending_answers());
}

TEST_F(CanvasSpine, StatusBarHintsAndTheByteModeClick) {
    start();
    const std::pair<int, const char*> hints[] = {{10, "单/双字节模式"}, {30, "普通/绘图界面切换"},
                                                 {60, "单色/多色切换"}, {120, "正在进行的操作"},
                                                 {210, "坐标显示"},     {400, "当前文件及路径名"}};
    for (const auto& [x, hint] : hints) {
        EXPECT_STREQ(canvas::status_hint_at(x), hint);
        send_mouse(form->StatusBar1, QEvent::MouseMove, x);
        EXPECT_EQ(form->StatusBar1->toolTip().toStdString(), hint) << x;
    }

    ui.queue_answer(platform::Answer::yes);
    send_mouse(form->StatusBar1, QEvent::MouseButtonPress, 10);
    send_mouse(form->StatusBar1, QEvent::MouseButtonRelease, 10);
    settle();
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "将要切换到全角模式，是否继续？");
    EXPECT_TRUE(form->double_byte());
    EXPECT_TRUE(form->commands.checked("usechinese1"));
    EXPECT_EQ(form->status(0), "Ch");
    EXPECT_EQ(form->status(3), "请重新命令");

    // A click on the mode panel switches to normal mode; there the byte panel does nothing.
    send_mouse(form->StatusBar1, QEvent::MouseButtonRelease, 30);
    settle();
    EXPECT_TRUE(form->normal_mode());
    send_mouse(form->StatusBar1, QEvent::MouseButtonRelease, 10);
    settle();
    EXPECT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(form->status(0), "Ch");
}

TEST_F(CanvasSpine, CoordinatePanelFollowsTheMouse) {
    start();
    form->Image1MouseMove(4 * 8 + 3, 11 * 16 + 15);
    EXPECT_EQ(form->status(4), "X: 5 Y:12");
    ui.queue_answer(platform::Answer::yes);
    click("usechinese1");
    form->Image1MouseMove(31, 0);
    EXPECT_EQ(form->status(4), "X: 2 Y: 1");
    form->Image1MouseMove(32, 16);
    EXPECT_EQ(form->status(4), "X: 3 Y: 2");
}

TEST_F(CanvasSpine, WordWrapLocksNormalMode) {
    start();
    click("n_view");
    click("word_wrap");
    ASSERT_FALSE(ui.shown().empty());
    EXPECT_EQ(ui.shown().back().text, "使用自动换行，将不能切换到绘图状态。");
    EXPECT_FALSE(form->commands.effectively_enabled("n_view"));
    EXPECT_FALSE(form->commands.click("n_view"));
    send_mouse(form->StatusBar1, QEvent::MouseButtonRelease, 30);
    settle();
    EXPECT_TRUE(form->normal_mode());

    click("word_wrap");
    EXPECT_TRUE(form->commands.effectively_enabled("n_view"));
    click("n_view");
    EXPECT_FALSE(form->normal_mode());
    EXPECT_FALSE(form->commands.effectively_enabled("word_wrap"));
}

TEST_F(CanvasSpine, ToolBarTogglesAndQuickExit) {
    start();
    QToolBar* options = form->commands.tool_bar("tb_option");
    ASSERT_TRUE(form->commands.checked("N12"));
    EXPECT_TRUE(options->isVisible());
    click("N12");
    EXPECT_FALSE(form->commands.checked("N12"));
    EXPECT_FALSE(options->isVisible());
    click("N12");
    EXPECT_TRUE(options->isVisible());

    click("n_exit_quickly");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.shown().empty());
}

}  // namespace
}  // namespace quillo::testing
