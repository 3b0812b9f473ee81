// Colours of the main window: multicolour mode, the colour tool bar, the brush and the colour
// scheme of the canvas.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

namespace {

QString css_colour(platform::Rgb rgb) {
    return QString("#%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0'));
}

// Paints a colour label: its colour (background) and its font colour.
void style_label(QWidget* w, platform::Rgb colour, platform::Rgb font) {
    if (!w) return;
    w->setStyleSheet(QString("background-color: %1; color: %2; border: 1px solid #808080;")
                         .arg(css_colour(colour), css_colour(font)));
}

}  // namespace

ColourPass TForm1::colour_pass() const {
    return ColourPass{&colours.layer, multicolour(), colour_brush_mode};
}

DisplayColours TForm1::display_colours() const {
    return DisplayColours{rgb(canvas_text_colour), rgb(canvas_back_colour)};
}

void TForm1::build_colour_widgets() {
    // The colour labels are buttons on the bar; they show their colours as labels do.
    for (const char* name :
         {"Lb_font_color", "Lb_back_color", "Lb_map_font_color", "Lb_map_back_color"}) {
        if (auto* b = commands.tool_bar("TB_color")->widgetForAction(commands.action(name)))
            b->setFixedSize(22, 22);
    }
}

void TForm1::apply_colour_scheme(platform::WinColour text, platform::WinColour back) {
    const platform::Rgb t = rgb(text);
    const platform::Rgb b = rgb(back);
    auto* bar = commands.tool_bar("TB_color");
    auto widget = [&](const char* name) { return bar->widgetForAction(commands.action(name)); };
    style_label(widget("Lb_font_color"), b, rgb(colours.chosen_text));
    style_label(widget("Lb_back_color"), rgb(colours.chosen_back), t);
    style_label(widget("Lb_map_font_color"), b, t);
    style_label(widget("Lb_map_back_color"), b, t);
    Label6->setAutoFillBackground(true);
    Label6->setStyleSheet(QString("background-color: %1;").arg(css_colour(b)));
    pen_txt->setStyleSheet(
        QString("background-color: %1; color: %2;").arg(css_colour(b), css_colour(t)));
}

void TForm1::n_colorClick(const Sender&) {
    init_image1();
    const bool on = !multicolour();
    commands.set_checked("n_color", on);
    auto* bar = commands.tool_bar("TB_color");
    if (on) {
        commands.set_enabled("m7", true);
        commands.set_checked("m7", true);
        bar->show();
        set_whole_picture_enabled(false);
        commands.tool_bar("tb_repare")->hide();
        set_status(2, "●");
    } else {
        commands.set_enabled("m7", false);
        bar->hide();
        set_whole_picture_enabled(true);
        commands.tool_bar("tb_repare")->setVisible(commands.checked("n_repare"));
        set_status(2, "○");
        colour_brush_mode = 0;
    }
    repaint_all(false);
}

void TForm1::sb_font_colorClick(const Sender& sender) {
    current_tool = 0;
    const int remembered = colour_brush_mode;
    colour_brush_mode = sender.tag;
    init_image1();
    reset_tool_buttons();
    press_flag = false;
    switch (sender.tag) {
        case document::kBrushText:
            set_status(3, "修改字色");
            break;
        case document::kBrushBack:
            set_status(3, "修改背色");
            break;
        case document::kBrushRestore:
            set_status(3, "还原颜色");
            break;
        case document::kBrushClearAll:
            document::clear_all_colours(colours, canvas.height, canvas.width);
            repaint_all(true);
            colour_brush_mode = remembered;
            break;
        case document::kBrushUndo:
            colours.undo.undo(colours.layer);
            repaint_all(true);
            colour_brush_mode = remembered;
            break;
        default:
            break;
    }
}

void TForm1::Lb_font_colorClick(const Sender& sender) {
    reset_tool_buttons();
    current_tool = 0;
    const std::string status_text = status(3);
    switch (sender.tag) {
        case 1:
            set_status(3, "选择字色");
            if (auto c = ui().choose_colour(colours.chosen_text)) colours.chosen_text = *c;
            colour_brush_mode = document::kBrushText;
            apply_colour_scheme(canvas_text_colour, canvas_back_colour);
            break;
        case 2:
            set_status(3, "选择底色");
            if (auto c = ui().choose_colour(colours.chosen_back)) colours.chosen_back = *c;
            colour_brush_mode = document::kBrushBack;
            apply_colour_scheme(canvas_text_colour, canvas_back_colour);
            break;
        case 3:
            if (auto c = ui().choose_colour(canvas_text_colour)) {
                canvas_text_colour = *c;
                apply_colour_scheme(canvas_text_colour, canvas_back_colour);
                repaint_all(true);
            }
            break;
        case 4:
            if (auto c = ui().choose_colour(canvas_back_colour)) {
                canvas_back_colour = *c;
                apply_colour_scheme(canvas_text_colour, canvas_back_colour);
                repaint_all(true);
            }
            break;
        default:
            break;
    }
    set_status(3, status_text);
    init_image1();
}

void TForm1::brush_one_cell(int column, int row) {
    if (!document::brush_cell(colours, colour_brush_mode, column, row)) return;
    const Damage damage =
        display.draw_run_at(image, canvas, display_colours(), colour_pass(), column, row);
    if (!damage.empty()) Image1->update_rows(damage.first_row, damage.last_row);
}

}  // namespace quillo::canvas
