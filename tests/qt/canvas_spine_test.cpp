// The canvas spine through the real main window: a short document that cannot scroll, and the
// lossless round trip of awkward lines through both views in both byte modes. (Scrolling,
// resizing and typing are driven by scrolling.qs, long_lines.qs and typing.qs.)
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

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

}  // namespace
}  // namespace quillo::testing
