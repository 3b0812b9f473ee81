// Creation, activation and closing of the main window.
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

#include "canvas/canvas_size.h"
#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/cursors.h"
#include "canvas/qt/event_hook.h"
#include "canvas/qt/quillo.h"
#include "canvas/qt/tool_icons.h"
#include "canvas/row_text.h"
#include "canvas/virtual_keys.h"
#include "document/colour_file.h"
#include "document/file_names.h"
#include "document/program_paths.h"
#include "document/text_file.h"
#include "platform/command_runner.h"
#include "platform/errors.h"
#include "platform/qt/gbk_qt.h"
#include "platform/random.h"
#include "platform/scripted_ui.h"
#include "tools/pen_row.h"

namespace quillo::canvas {

namespace {
QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The pen box covers one slot of the pen row: 3 bytes of 8 pixels.
constexpr int kPenBoxWidth = 24;

}  // namespace

TForm1::TForm1(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("TForm1");
    setWindowTitle(q("欢迎使用“Quillo” 4.8 版"));
    setWindowIcon(program_icon());
    build_widgets();
    FormCreate();
    create_other_windows();
    created_ = true;
}

TForm1::~TForm1() = default;

void TForm1::build_widgets() {
    commands.build(this, menuBar());
    Pop2 = commands.menu("Pop2");

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Tool bars, in two rows.
    ControlBar1 = new QWidget(central);
    ControlBar1->setObjectName("ControlBar1");
    auto* bars = new QVBoxLayout(ControlBar1);
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    auto* row1 = new QHBoxLayout;
    auto* row2 = new QHBoxLayout;
    for (const char* name : {"tb_commom", "tb_drawtool", "tb_repare"})
        row1->addWidget(commands.tool_bar(name));
    for (const char* name : {"TB_color", "tb_option", "Tb_output"})
        row2->addWidget(commands.tool_bar(name));
    row1->addStretch(1);
    row2->addStretch(1);
    bars->addLayout(row1);
    bars->addLayout(row2);
    column->addWidget(ControlBar1);

    // The pen row bar: eraser, pen row and the pen box over the selected slot.
    CoolBar3 = new QWidget(central);
    CoolBar3->setObjectName("CoolBar3");
    CoolBar3->setFixedHeight(24);
    // The pen box stands over the eraser or over the selected slot of the pen row; eraser and
    // row sit exactly where the box's places are, so the box always covers what it edits.
    Label6 = new QLabel(q("擦"), CoolBar3);
    Label6->setObjectName("Label6");
    Label6->setGeometry(tools::pen_box_left(0), 2, kPenBoxWidth, 20);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setToolTip(q("橡皮"));
    // The pen row is drawn in the cell face: 8 pixels a byte.
    QFont cell_face(q("Unifont"));
    cell_face.setPixelSize(16);
    cell_face.setStyleHint(QFont::TypeWriter);
    Label1 = new PenRowLabel(CoolBar3);
    Label1->setObjectName("Label1");
    Label1->setFont(cell_face);
    Label1->setGeometry(tools::pen_row_left(), 2, tools::pen_row_byte_x(3 * kMaxPenSlot), 20);
    pen_txt = new QLineEdit(CoolBar3);
    pen_txt->setObjectName("pen_txt");
    pen_txt->setFixedSize(kPenBoxWidth, 20);
    pen_txt->setFont(cell_face);
    column->addWidget(CoolBar3);

    CoolBar1 = new QWidget(central);
    CoolBar1->setObjectName("CoolBar1");
    column->addWidget(CoolBar1);

    blackboard = new Blackboard(central);
    blackboard->setObjectName("blackboard");
    blackboard->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    blackboard->setMinimumSize(64, 64);
    Image1 = new CanvasImage(image, blackboard);
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    ScrollBar1 = new QScrollBar(Qt::Vertical, blackboard);
    ScrollBar1->setObjectName("ScrollBar1");
    source_memo = new QPlainTextEdit(blackboard);
    source_memo->setObjectName("source_memo");
    source_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    source_memo->setFont(cell_face);
    column->addWidget(blackboard, 1);

    StatusBar1 = new StatusBar(central);
    column->addWidget(StatusBar1);
    setCentralWidget(central);

    Edit1 = new QLineEdit(commands.tool_bar("tb_option"));
    Edit1->setObjectName("Edit1");
    Edit1->setFixedWidth(40);
    commands.tool_bar("tb_option")->addWidget(Edit1);
    // A click shows the canvas width; a key pressed in the window shows its code.
    hook(Edit1, this, [this](QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress) Edit1->setText(QString::number(canvas.width));
        return false;
    });

    build_tool_widgets();

    // The floating selection, its frame and its menu.
    write_in_imag = new OverlayImage(blackboard);
    write_in_imag->setCursor(program_cursor(CursorId::drag));
    for (QFrame** f : {&Btop, &Bbottom, &Bleft, &Bright}) {
        *f = new QFrame(blackboard);
        (*f)->setFrameShape(QFrame::Box);
        (*f)->setStyleSheet("background-color: #404040; border: none;");
        (*f)->hide();
    }
    Btop->setObjectName("Btop");
    Bbottom->setObjectName("Bbottom");
    Bleft->setObjectName("Bleft");
    Bright->setObjectName("Bright");
    Pop_1 = commands.menu("Pop_1");
    write_in_imag->on_drag_over = [this](int x, int y) {
        run_command([=, this] { write_in_imagDragOver(x, y); });
    };
    write_in_imag->on_end_drag = [this] { run_command([this] { write_in_imagEndDrag(); }); };
    write_in_imag->on_context_menu = [this](const QPoint& p) { Pop_1->popup(p); };
    build_colour_widgets();
    build_game_widgets();

    Timer3 = new QTimer(this);
    Timer3->setObjectName("Timer3");
    Timer3->setInterval(3000);

    // ---- wiring ----
    blackboard->on_resize = [this] {
        const int sbw = ScrollBar1->sizeHint().width();
        ScrollBar1->setGeometry(blackboard->width() - sbw, 0, sbw, blackboard->height());
        source_memo->setGeometry(0, 0, blackboard->width(), blackboard->height());
        ScrollBar1->raise();
        // The canvas follows a change of the window's size only. Tool bars shown or hidden, a
        // mode switch or a parameter box move the panel's edges inside a window of the same
        // size: the canvas keeps its place in the document and its undo. The snake game is
        // the exception: its board takes the panel as the game's own layout leaves it.
        if (created_ && (size() != resized_for_ || snake_running != resized_in_game_)) {
            resized_for_ = size();
            resized_in_game_ = snake_running;
            run_command([this] { FormResize(); });
        }
    };
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) {
        if (!setting_scroll_) run_command([this, v] { ScrollBar1Scroll(v); });
    });
    connect(source_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!memo_loading_) memo_dirty_ = true;
        source_memoChange();
    });
    attach_memo_search();
    Image1->on_mouse_move = [this](int x, int y) {
        run_command([=, this] { Image1MouseMove(x, y); });
    };
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { Pop2->popup(Image1->mapToGlobal(p)); });
    StatusBar1->on_mouse_move = [this](int x) { StatusBar1MouseMove(x); };
    StatusBar1->on_click = [this] { run_command([this] { StatusBar1Click(); }); };
    connect(pen_txt, &QLineEdit::textChanged, this,
            [this](const QString& t) { pen_text = platform::to_gbk(t); });
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3Timer(); });
    wire_tool_events();
}

void TForm1::FormCreate() {
    platform::app_random().randomize();

    temp_dir = document::temp_dir_from_environment(context_.program_dir);
    read_settings_at_start();
    commands.set_checked("n_view", settings.decide_form_mode == 3   ? settings.form_mode
                                   : settings.decide_form_mode == 1 ? false
                                                                    : true);
    commands.set_checked("n_color", settings.color_mode);
    canvas_back_colour = settings.draw_back_color;
    canvas_text_colour = settings.pen_font_color;
    colours.chosen_back = settings.pen_back_color;
    commands.set_checked("usechinese1", settings.chinese);
    canvas.double_byte = settings.chinese;
    pen_single = settings.pen_single;
    pen_double = settings.pen_double;
    pen_st = settings.pen_st;
    canvas.blank_out = settings.blank_out;
    activated = false;

    for (int i = 0; i < kStatusPanelCount; ++i)
        StatusBar1->set_panel_text(i, q(std::array{"En", "■", "○", "mod", "xy", "file"}[i]));

    apply_byte_mode();
    if (settings.decide_form_mode == 2) {
        commands.set_enabled("m3", false);
        commands.set_enabled("m4", false);
    }
    apply_colour_scheme(canvas_text_colour, canvas_back_colour);
    // The colour bar belongs to multicolour mode.
    commands.tool_bar("TB_color")->setVisible(multicolour());
    commands.set_enabled("m7", multicolour());
    // Started in multicolour mode: the transforms are out of reach, as after n_color.
    if (multicolour()) {
        set_whole_picture_enabled(false);
        commands.tool_bar("tb_repare")->hide();
    }

    set_up_interop();
    const int sbw = to_canvas_pixels(ScrollBar1->sizeHint().width());
    const auto size = startup_canvas_size(to_canvas_pixels(blackboard->width()),
                                          to_canvas_pixels(blackboard->height()), sbw);
    canvas.height = size.height;
    canvas.width = size.width;
    Image1->move(0, 0);

    pen_txt->move(tools::pen_box_left(pen_st), 2);
    pen_text = platform::to_gbk(pen_txt->text());
    current_tool = 0;
    set_status(3, "没有命令");
    set_status(5, "新文件.txt");
    if (multicolour()) set_status(2, "●");

    Image1->setCursor(program_cursor(CursorId::pen));

    memo_loading_ = true;
    source_memo->clear();
    memo_loading_ = false;

    if (!context_.command_line_file) {
        new_document();
    } else {
        open_command_line_file();
    }
    remember_saved_state();

    const auto range = scroll_range_for(canvas, doc);
    setting_scroll_ = true;
    ScrollBar1->setRange(range.minimum, range.maximum);
    ScrollBar1->setPageStep(range.large_change);
    ScrollBar1->setValue(range.position);
    setting_scroll_ = false;
    canvas.scroll = range.position;
    memo_dirty_ = false;
    ControlBar1->show();
    CoolBar1->hide();

    // The window shows its mode from the start. The activated flag waits for the first real
    // activation: a question asked now would open inside the window's show().
    show_mode_widgets();
    Timer3->start();
}

void TForm1::open_command_line_file() {
    const std::string& arg = *context_.command_line_file;
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::u8path(arg);
    new_document();
    if (!std::filesystem::exists(path, ec)) {
        ui().message("找不到指定的文本文件:" + arg, "提示讯息", platform::Icon::warning);
        return;
    }
    switch (document::command_line_kind(arg)) {
        case document::FileKind::text:
            run_command([&] {
                if (offer_utf8_reading(path)) return;
                read_document_file(path);
                file_name = arg;
                set_status(5, arg);
                if (!read_colour_file_into_layer(document::colour_file_name(path)))
                    colours.layer.clear_flags();
            });
            break;
        case document::FileKind::colour:
            run_command([&] { read_colour_file_into_layer(path); });
            break;
        case document::FileKind::none:
            break;
    }
}

void TForm1::new_document() {
    file_name.clear();
    set_status(5, "新文件.txt");
    replace_document({" "});
    colours.layer.clear_flags();
}

void TForm1::replace_document(std::vector<std::string> lines) {
    doc.lines = std::move(lines);
    // The layers hold rows of the old document: nothing of them may go back into this one.
    canvas.loaded = false;
    sync_memo_from_document();
    canvas.scroll = canvas.height;
    if (!normal_mode()) {
        load_window(canvas, doc, canvas.scroll);
        copy_layer(canvas, kCommitted, kWorking);
        copy_layer(canvas, kCommitted, kUndo);
        copy_layer(canvas, kCommitted, kSnapshot);
    }
}

void TForm1::FormActivate() {
    show_mode_widgets();
    // From now on entering the canvas checks the byte mode; the document named on the command
    // line was opened before and is not examined.
    activated = true;
    if (!normal_mode()) repaint_all(false);
}

void TForm1::show_mode_widgets() {
    if (normal_mode()) {
        commands.set_enabled("word_wrap", true);
        Image1->hide();
        CoolBar3->hide();
        CoolBar1->hide();
        ControlBar1->hide();
        ScrollBar1->hide();
        source_memo->show();
        source_memo->setFocus();
        commands.set_enabled("g1", false);
        commands.set_enabled("m4", false);
        commands.set_enabled("m3", false);
        commands.set_enabled("n_total_txt", true);
        set_status(1, "□");
    } else {
        commands.set_enabled("word_wrap", false);
        commands.set_enabled("n_total_txt", false);
        Image1->show();
        source_memo->hide();
        ControlBar1->setVisible(!snake_running);
        CoolBar3->show();
        if (!snake_running) ScrollBar1->show();
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && created_)
        run_command([this] { FormActivate(); });
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const int code =
        virtual_key_code(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    if (code != 0) Edit1->setText(QString::number(code));
    QMainWindow::keyPressEvent(event);
}

void TForm1::Timer3Timer() {
    Timer3->stop();
    emit splash_should_close();
}

bool TForm1::FormCloseQuery() {
    if (quick_exit) return true;
    if (!ask_to_save()) return false;
    if (settings.save_ini) write_settings_at_exit();
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed save keeps the program open: nothing is lost.
    bool allow = false;
    run_command([&] { allow = FormCloseQuery(); });
    if (allow)
        event->accept();
    else
        event->ignore();
}

void TForm1::run_command(const std::function<void()>& command) {
    try {
        platform::run_guarded(ui(), command);
    } catch (const platform::UnexpectedDialog& e) {
        // Must not travel on through Qt's event delivery; the script stops at its current line.
        if (!context_.on_unexpected_dialog) throw;
        context_.on_unexpected_dialog(e.what());
    }
}

platform::Rgb TForm1::rgb(platform::WinColour c) const {
    return platform::resolve_colour(c);
}

}  // namespace quillo::canvas
