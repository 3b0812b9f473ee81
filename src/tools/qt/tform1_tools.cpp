// Drawing tools of the main window: tool selection, mouse dispatch, the pen box and pen row.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolBar>
#include <functional>

#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/cursors.h"
#include "canvas/qt/event_hook.h"
#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "canvas/virtual_keys.h"
#include "output/qt/text_in_windows.h"
#include "platform/errors.h"
#include "platform/qt/gbk_qt.h"
#include "platform/random.h"
#include "tools/pen_row.h"
#include "tools/tool_driver.h"

namespace quillo::canvas {

struct TForm1::ToolState {
    tools::DragCells drag;
    bool move_cursor = false;  // the main window shows the move/copy cursor
};

namespace {

// A key the program itself takes as the shortcut of an enabled command: in the pen box too it
// runs that command, and the box never sees the key.
bool is_program_shortcut(const CommandMap& commands, const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    for (const auto& e : command_table()) {
        if (!*e.shortcut || QKeySequence(QString::fromUtf8(e.shortcut)) != pressed) continue;
        const QAction* action = commands.action(QString::fromUtf8(e.name));
        if (action && action->isEnabled()) return true;
    }
    return false;
}

}  // namespace

void TForm1::build_tool_widgets() {
    tool_state = std::make_shared<ToolState>();
    QToolBar* bar = commands.tool_bar("tb_option");
    inword = new QLabel(bar);
    inword->setObjectName("inword");
    inword->setMinimumWidth(50);
    bar->addWidget(inword);
    in_txt = new QLineEdit(bar);
    in_txt->setObjectName("in_txt");
    in_txt->setFixedWidth(60);
    in_txt_action = bar->addWidget(in_txt);
    auto* combo = new QComboBox(bar);
    combo->setObjectName("in_txt2");
    combo->setEditable(true);
    combo->addItems({"1", "1.5", "2", "2.5", "3"});
    combo->setFixedWidth(60);
    in_txt2 = combo;
    in_txt2_action = bar->addWidget(combo);
    in_txt_action->setVisible(false);
    in_txt2_action->setVisible(false);
    combo->setCurrentText(QString::number(aspect_ratio));
    connect(combo, &QComboBox::currentTextChanged, this,
            [this] { run_command([this] { in_txt2Change(); }); });

    Label1->setMouseTracking(true);
    hook(Label1, this, [this](QEvent* e) {
        if (e->type() == QEvent::MouseMove) {
            Label1MouseMove(static_cast<QMouseEvent*>(e)->position().toPoint().x());
        } else if (e->type() == QEvent::MouseButtonPress) {
            const auto* m = static_cast<QMouseEvent*>(e);
            Label1MouseMove(m->position().toPoint().x());
            if (m->button() == Qt::LeftButton) run_command([this] { Label1MouseDown(); });
        } else if (e->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                run_command([this] { Label1Click(); });
        }
        return false;
    });
    hook(Label6, this, [this](QEvent* e) {
        if (e->type() == QEvent::MouseButtonRelease && Label6->isEnabled() &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            run_command([this] { Label6Click(); });
        return false;
    });
    hook(pen_txt, this, [this](QEvent* e) {
        switch (e->type()) {
            case QEvent::ShortcutOverride:
                // The box would keep its editing keys (Ctrl+Z, Ctrl+A...) for itself; the
                // program's own shortcuts win, as they do everywhere in the window.
                if (is_program_shortcut(commands, *static_cast<QKeyEvent*>(e))) {
                    e->ignore();
                    return true;
                }
                return false;
            case QEvent::KeyPress: {
                const auto* k = static_cast<QKeyEvent*>(e);
                bool used = false;
                run_command([&] {
                    used = pen_txtKeyDown(
                        virtual_key_code(k->key(), k->modifiers().testFlag(Qt::KeypadModifier)));
                    if (!used && !k->text().isEmpty()) pen_txtKeyPress();
                });
                return used;
            }
            case QEvent::InputMethod:
                // A character from an input method replaces the pen as a typed one does.
                if (!static_cast<QInputMethodEvent*>(e)->commitString().isEmpty() &&
                    !snake_running && !text_gun) {
                    pen_txt->clear();
                    pen_txtKeyPress();
                }
                return false;
            case QEvent::MouseButtonPress:
                run_command([this] { pen_txtClick(); });
                return false;
            case QEvent::MouseButtonDblClick:
                run_command([this] { pen_txtDblClick(Sender{"pen_txt"}); });
                return false;
            default:
                return false;
        }
    });
    build_text_entry_widgets();
}

void TForm1::wire_tool_events() {
    // With automatic dragging (move and copy tools) a press, its moves and the release are the
    // drag-over and end-drag events of the canvas instead of its mouse events.
    Image1->on_mouse_down = [this](int x, int y) {
        run_command([=, this] {
            if (image1_auto_drag) {
                image1_dragging = true;
                Image1DragOver(x, y);
            } else {
                Image1MouseDown(x, y);
            }
        });
    };
    Image1->on_mouse_move = [this](int x, int y) {
        run_command([=, this] {
            if (image1_dragging) {
                Image1MouseMove(x, y);
                Image1DragOver(x, y);
            } else {
                image1_move_tools(x, y);
            }
        });
    };
    Image1->on_mouse_up = [this](int x, int y) {
        run_command([=, this] {
            if (image1_dragging) {
                image1_dragging = false;
                dragged_ = true;
                Image1EndDrag();
            } else {
                Image1MouseUp(x, y);
            }
        });
    };
    Image1->on_click = [this] {
        // A drag ends without a click.
        if (dragged_) {
            dragged_ = false;
            return;
        }
        run_command([this] { FormClick(); });
    };
}

// ---- tool selection ----

void TForm1::show_parameter_box(int mode, const std::string& caption) {
    inword->setText(QString::fromStdString(caption));
    in_txt_action->setVisible(mode == 1);
    in_txt2_action->setVisible(mode == 2);
    if (mode == 3) return;
    const std::string& row = canvas.double_byte ? pen_double : pen_single;
    // Label1 shows the row padded to the canvas; only other text (the text gun's) is replaced.
    if (text_gun || trailing_space_trim(label1_text) != trailing_space_trim(row)) {
        if (text_gun) pen_txt->move(tools::pen_box_left(pen_st), pen_txt->y());
        set_label1(pad_to_width(row, canvas.double_byte ? 2 * canvas.width : canvas.width));
        text_gun = false;
        Label1->setEnabled(true);
        Label6->setEnabled(true);
        if (!canvas.double_byte) {
            const int slot = hovered_slot < 0 ? pen_st : hovered_slot;
            pen_txt->setText(platform::to_qstring(tools::load_slot(row, slot, false)));
        }
    }
}

void TForm1::sbClick(const Sender& sender) {
    colour_brush_mode = 0;
    init_image1();
    if (sender.kind == Sender::Kind::menu_item || sender.kind == Sender::Kind::tool_button)
        current_tool = sender.tag;
    press_flag = false;
    show_parameter_box(0, "");

    // Menu item and button of a tool carry one Tag, so either puts that tool's button down.
    const tools::ToolRow* row = tools::tool_row(current_tool);
    for (const auto& r : tools::tool_table())
        if (*r.button) commands.set_checked(r.button, row && row == &r);
    if (!row) return;
    if (*row->status) set_status(3, row->status);

    switch (current_tool) {
        case 3:
        case 4:
            image1_auto_drag = true;
            selection.move = current_tool == 3;
            setCursor(program_cursor(CursorId::move_copy));
            Image1->setCursor(program_cursor(CursorId::move_copy));
            tool_state->move_cursor = true;
            break;
        case 5:
            show_parameter_box(2, "宽高比:");
            aspect_ratio = canvas.double_byte ? 1.0 : 2.0;
            static_cast<QComboBox*>(in_txt2)->setCurrentText(QString::number(aspect_ratio));
            break;
        case 11: {
            show_parameter_box(1, "随机数:");
            if (in_txt->text().isEmpty()) in_txt->setText("1");
            const std::string count = platform::to_gbk(in_txt->text());
            tools::ToolEnv env{canvas, doc, platform::app_random(), pen_text, aspect_ratio, count};
            tools::random_tool_selected(env);
            repaint_all(false);
            break;
        }
        case 8:
            text_gun_set_up();
            break;
        case 13:
        case 14:
            // Typing tools repaint while the mouse moves until the first release.
            press_flag = true;
            text_entry_tool_selected();
            break;
        default:
            break;
    }
}

// ---- the canvas image ----

void TForm1::Image1MouseDown(int x, int y) {
    // The cell under a press counts even when no move came before it.
    tool_state->drag.mouse = tools::cell_at(x, y, canvas.double_byte);
    // Each press starts a new colour undo list.
    if (tools::tool_press(tool_state->drag, current_tool, colour_brush_mode, press_flag))
        colours.undo.clear();
}

void TForm1::image1_move_tools(int x, int y) {
    if (press_flag && pen_text.empty()) {
        ui().message("笔框不能为空！");
        const std::string& row = canvas.double_byte ? pen_double : pen_single;
        pen_txt->setText(platform::to_qstring(tools::refill_pen(row, pen_st, canvas.double_byte)));
        return;
    }
    auto& state = *tool_state;
    state.drag.mouse = tools::cell_at(x, y, canvas.double_byte);
    if (current_tool != 3 && state.move_cursor) {
        setCursor(program_cursor(CursorId::pen));
        Image1->setCursor(program_cursor(CursorId::pen));
        state.move_cursor = false;
    }
    Image1MouseMove(x, y);
    const std::string count =
        press_flag && current_tool == 11 ? platform::to_gbk(in_txt->text()) : std::string();
    tools::ToolEnv env{canvas, doc, platform::app_random(), pen_text, aspect_ratio, count};
    if (current_tool == 8 && text_gun) {
        env.gun = &gun_feed;
        env.source = &text_in_windows->lines();
    }
    const auto step =
        tools::dispatch_cell(state.drag, current_tool, press_flag, colour_brush_mode, env);
    if (env.gun_pen) pen_txt->setText(platform::to_qstring(*env.gun_pen));
    if (env.gun && step == tools::CellStep::routine) show_gun_feed();
    if (step == tools::CellStep::routine && colour_brush_mode >= document::kBrushText &&
        colour_brush_mode <= document::kBrushRestore)
        brush_one_cell(state.drag.end.x, state.drag.end.y);
    if ((step == tools::CellStep::routine || step == tools::CellStep::stamp) &&
        !write_in_imag->isVisible() && colour_brush_mode == 0)
        repaint_all(false);
}

void TForm1::Image1MouseUp(int, int) {
    if (tools::tool_release(current_tool, colour_brush_mode, press_flag)) commit();
}

void TForm1::FormClick() {
    switch (current_tool) {
        case 1:
        case 2:
            click_tools(tool_state->drag.mouse.x, tool_state->drag.mouse.y);
            break;
        case 13:
        case 14:
            text_entry_click(tool_state->drag.mouse.x, tool_state->drag.mouse.y);
            break;
        default:
            if (pen_txt->text().isEmpty()) pen_txt->setText(" ");
            pen_txt->setFocus();
            break;
    }
}

// ---- the pen box and the pen row ----

void TForm1::complete_pen_box() {
    const std::string& row = canvas.double_byte ? pen_double : pen_single;
    const std::string box = tools::complete_pen_box(pen_text, row, pen_st, canvas.double_byte);
    if (box != pen_text) pen_txt->setText(platform::to_qstring(box));
}

namespace {

// The pen row after an arrow key or click, put back into the window.
struct PenRowEdit {
    TForm1& f;
    tools::PenRow p;

    explicit PenRowEdit(TForm1& form)
        : f(form),
          p{form.double_byte() ? form.pen_double : form.pen_single, form.pen_st, form.pen_text} {}

    void apply(bool read_only) {
        (f.double_byte() ? f.pen_double : f.pen_single) = p.row;
        f.set_label1(pad_to_width(p.row, f.double_byte() ? 2 * f.canvas.width : f.canvas.width));
        f.pen_st = p.slot;
        f.pen_txt->setReadOnly(read_only);
        f.pen_txt->move(tools::pen_box_left(p.slot), f.pen_txt->y());
        f.pen_txt->setText(platform::to_qstring(p.box));
    }
};

}  // namespace

bool TForm1::pen_txtKeyDown(int key) {
    if (snake_running || text_gun) return false;
    complete_pen_box();
    if (key == kVkRight || key == kVkLeft) {
        PenRowEdit edit(*this);
        const bool moved = key == kVkRight
                               ? tools::pen_row_right(edit.p, tools::last_slot_for_width(width()),
                                                      canvas.double_byte)
                               : tools::pen_row_left(edit.p, canvas.double_byte);
        if (moved)
            edit.apply(true);
        else
            pen_st = edit.p.slot;
        return true;
    }
    if (!tools::key_keeps_pen_box(key)) pen_txt->clear();
    return false;
}

void TForm1::pen_txtKeyPress() {
    pen_txt->setReadOnly(false);
}

void TForm1::pen_txtClick() {
    if (colour_brush_mode != 0) {
        colour_brush_mode = 0;
        current_tool = 9;
    }
}

void TForm1::Label1MouseMove(int x) {
    hovered_slot = tools::hovered_slot_at(x);
}

void TForm1::Label1MouseDown() {
    pen_txtClick();
    if (current_tool == 0) {
        current_tool = 9;
        commands.set_checked("sb2_draw", true);
        set_status(3, tools::tool_row(9)->status);
    }
}

void TForm1::Label1Click() {
    if (text_gun) {
        pen_txtDblClick(Sender{"Label1"});
        return;
    }
    PenRowEdit edit(*this);
    tools::pen_row_pick(edit.p, hovered_slot < 0 ? pen_st : hovered_slot, canvas.double_byte);
    edit.apply(false);
}

void TForm1::Label6Click() {
    PenRowEdit edit(*this);
    tools::pen_row_eraser(edit.p, canvas.double_byte);
    edit.apply(false);
}

void TForm1::in_txt2Change() {
    aspect_ratio =
        platform::str_to_float(platform::to_gbk(static_cast<QComboBox*>(in_txt2)->currentText()));
}

}  // namespace quillo::canvas
