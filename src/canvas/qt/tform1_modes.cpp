// Editing modes of the main window: normal/drawing, single/double-byte, word wrap, tool bars,
// help and leaving the program.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <filesystem>

#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "platform/qt/gbk_qt.h"
#include "tools/pen_row.h"

namespace quillo::canvas {

bool TForm1::normal_mode() const {
    return commands.checked("n_view");
}
bool TForm1::multicolour() const {
    return commands.checked("n_color");
}

void TForm1::set_label1(const std::string& gbk) {
    label1_text = gbk;
    Label1->setText(platform::to_qstring(gbk));
}

void TForm1::n_viewClick(const Sender& sender) {
    if (snake_running) N_game_overClick(sender);
    init_image1();
    commands.set_checked("n_view", !normal_mode());
    if (normal_mode()) {
        commands.set_enabled("word_wrap", true);
        store_window(canvas, doc, canvas.scroll);
        sync_memo_from_document();
        Image1->hide();
        CoolBar3->hide();
        CoolBar1->hide();
        ControlBar1->hide();
        commands.tool_bar("tb_repare")->hide();
        commands.tool_bar("tb_drawtool")->hide();
        ScrollBar1->hide();
        source_memo->show();
        commands.set_enabled("g1", false);
        commands.set_enabled("m4", false);
        commands.set_enabled("m3", false);
        set_status(1, "□");
        set_status(3, "普通编辑状态");
        source_memo->setFocus();
        press_flag = false;
        current_tool = 0;
        commands.set_enabled("n_total_txt", true);
    } else {
        sync_document_from_memo();
        commands.set_enabled("word_wrap", false);
        ControlBar1->show();
        CoolBar3->show();
        Image1->show();
        ScrollBar1->show();
        // Multicolour mode keeps the transform bar hidden, as n_color left it.
        commands.tool_bar("tb_repare")->setVisible(commands.checked("n_repare") && !multicolour());
        commands.tool_bar("tb_drawtool")->setVisible(commands.checked("n_draw"));
        source_memo->hide();
        enter_canvas(true);
        commands.set_enabled("g1", true);
        commands.set_enabled("m4", true);
        commands.set_enabled("m3", true);
        set_status(1, "■");
        set_status(3, "没有命令");
        reset_tool_buttons();
        commands.set_enabled("n_total_txt", false);
    }
}

void TForm1::reset_tool_buttons() {
    for (const auto& e : command_table())
        if (e.flags & kToolGroup) commands.set_checked(e.name, false);
    commands.set_checked("sb2_pic2htm", false);
    set_status(3, "无执行命令");
}

void TForm1::apply_byte_mode() {
    const bool twin = canvas.double_byte;
    set_status(0, twin ? "Ch" : "En");
    set_label1(
        pad_to_width(twin ? pen_double : pen_single, twin ? 2 * canvas.width : canvas.width));
    pen_txt->setText(platform::to_qstring(tools::load_slot(label1_text, pen_st, twin)));
    if (applied_byte_mode_ != static_cast<int>(twin)) {
        if (applied_byte_mode_ >= 0) {
            document::convert_for_mode_change(colours.layer, canvas.height, canvas.width, twin);
            applied_byte_mode_ = static_cast<int>(twin);
            repaint_all(multicolour());
            return;
        }
        applied_byte_mode_ = static_cast<int>(twin);
    }
    repaint_all(false);
}

void TForm1::UseChinese1Click(const Sender&) {
    const char* question = canvas.double_byte
                               ? "在含有汉字的文档上使用半角模式。可能会造成乱码，是否继续？"
                               : "将要切换到全角模式，是否继续？";
    if (ui().confirm(question, "", platform::Icon::information) == platform::Answer::yes) {
        canvas.double_byte = !canvas.double_byte;
        commands.set_checked("usechinese1", canvas.double_byte);
        apply_byte_mode();
    }
    current_tool = 0;
    set_status(3, "请重新命令");
}

void TForm1::auto_detect_byte_mode() {
    if (!settings.ascii_check) return;
    const bool wide = has_full_width_byte(canvas);
    if (wide && !canvas.double_byte) {
        if (ui().confirm("文件中可能含有汉字，建议使用全角模式？") == platform::Answer::yes)
            canvas.double_byte = true;
    } else if (!wide && canvas.double_byte) {
        if (ui().confirm("文件似乎为纯英文挡，是否使用半角模式？") == platform::Answer::yes)
            canvas.double_byte = false;
    }
    commands.set_checked("usechinese1", canvas.double_byte);
    apply_byte_mode();
}

void TForm1::word_wrapClick(const Sender&) {
    const bool on = !commands.checked("word_wrap");
    commands.set_checked("word_wrap", on);
    if (on) {
        source_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        source_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ui().message("使用自动换行，将不能切换到绘图状态。");
        commands.set_enabled("n_view", false);
    } else {
        source_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        source_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        commands.set_enabled("n_view", true);
    }
}

void TForm1::toggle_tool_bar(const char* item, QWidget* bar, int width) {
    const bool on = !commands.checked(item);
    commands.set_checked(item, on);
    bar->setFixedWidth(width);
    bar->setVisible(on);
}

void TForm1::n_repareClick(const Sender&) {
    toggle_tool_bar("n_repare", commands.tool_bar("tb_repare"), 132);
}
void TForm1::n_drawClick(const Sender&) {
    toggle_tool_bar("n_draw", commands.tool_bar("tb_drawtool"), 334);
}
void TForm1::n_commomClick(const Sender&) {
    toggle_tool_bar("n_commom", commands.tool_bar("tb_commom"), 206);
}
void TForm1::N12Click(const Sender&) {
    toggle_tool_bar("N12", commands.tool_bar("tb_option"), 155);
}
void TForm1::m7Click(const Sender&) {
    toggle_tool_bar("m7", commands.tool_bar("TB_color"), 171);
}

void TForm1::pop_finishClick(const Sender&) {
    init_image1();
    reset_tool_buttons();
}

void TForm1::n_howClick(const Sender&) {
    // A compiled help file is a Windows format; where none stands beside the program the same
    // help is shipped as a page the browser shows.
    std::error_code ec;
    auto help = context_.program_dir / "quillo.chm";
    if (!std::filesystem::exists(help, ec)) help = context_.program_dir / "quillo_help.htm";
    ui().open_with_default_program(help.string());
}

void TForm1::m2Click(const Sender&) {
    close();
}

void TForm1::n_exit_quicklyClick(const Sender&) {
    quick_exit = true;
    close();
}

}  // namespace quillo::canvas
