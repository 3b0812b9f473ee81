// Replace, fill and the text gun in the main window: the click tools, the gun's set-up and the
// reload of its feed from the source-text window.
#include <QLabel>
#include <QLineEdit>

#include "canvas/qt/quillo.h"
#include "output/qt/text_in_windows.h"
#include "platform/qt/gbk_qt.h"
#include "platform/random.h"
#include "tools/pen_row.h"
#include "tools/tool_driver.h"

namespace quillo::canvas {

namespace {

// The pen row shows this much of the feed; a long source line stays in the feed, not on screen.
constexpr std::size_t kFeedShown = 2 * kMaxRowBytes;

// Where the pen box stands while the gun owns the pen row.
constexpr int kGunPenBoxLeft = 44;

}  // namespace

void TForm1::click_tools(int x, int y) {
    if (pen_text.empty()) {
        ui().message("笔框不能为空！");
        const std::string& row = canvas.double_byte ? pen_double : pen_single;
        pen_txt->setText(platform::to_qstring(tools::refill_pen(row, pen_st, canvas.double_byte)));
        return;
    }
    tools::ToolEnv env{canvas, doc, platform::app_random(), pen_text, aspect_ratio, ""};
    if (tools::tool_click(current_tool, {x, y}, env)) commit();
}

void TForm1::show_gun_feed() {
    set_label1(std::string(tools::feed_display(gun_feed, kFeedShown)));
}

void TForm1::text_gun_set_up() {
    text_gun = true;
    pen_txt->move(kGunPenBoxLeft, pen_txt->y());
    hovered_slot = 1;
    Label6->setEnabled(false);
    const std::string pen =
        tools::load_feed(gun_feed, text_in_windows->lines(), canvas.double_byte);
    show_gun_feed();
    pen_txt->setText(platform::to_qstring(pen));
    show_parameter_box(3, "");
    if (!canvas.double_byte)
        ui().message(
            "注意：您现在是在半角模式下使用\r文字机枪。请双击文字输入框输入\r"
            "在弹出对话框内输入一个文本。并\r确认该文本中不能含有全角字符！");
}

void TForm1::text_gun_reload() {
    text_in_windows->show_modal();
    // The new text is laid from its first character, whichever slot the pointer was over.
    const std::string pen =
        tools::load_feed(gun_feed, text_in_windows->lines(), canvas.double_byte);
    show_gun_feed();
    pen_txt->setText(platform::to_qstring(pen));
}

}  // namespace quillo::canvas
