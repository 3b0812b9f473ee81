// The image window: its widgets, and the handlers of the source picture, the resolution image,
// the grey view and the preview.
#include "imagetext/qt/img2html.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "canvas/qt/quillo.h"
#include "extras/qt/select_form.h"
#include "imagetext/picture_file.h"
#include "imagetext/qt/picture_view.h"
#include "imagetext/qt/png_reader.h"
#include "platform/errors.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::imagetext {

namespace {

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QToolButton* tool_button(QToolBar* bar, const char* name, const char* hint, const char* face) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setToolTip(q(hint));
    b->setText(q(face));
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(b);
    return b;
}

QFrame* band_line(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setStyleSheet("background: black; border: 1px dashed white;");
    f->hide();
    return f;
}

}  // namespace

Timg2html::Timg2html(canvas::TForm1* main) : QDialog(main), main_(main) {
    setObjectName("img2html");
    setWindowTitle(q(kWindowCaption));
    setModal(true);
    resize(640, 480);
    build_widgets();
    FormCreate();
    // The character picker sets the main window's pen box; this window's box shows the same.
    if (main_->SelectForm)
        main_->SelectForm->add_pen_listener([this](const std::string& gbk) { set_pen_text(gbk); });
}

void Timg2html::run(const std::function<void()>& handler) {
    main_->run_command(handler);
}

void Timg2html::set_tool_image(QToolButton* button, int index, const char* face) {
    // The glyph's index in the window's image list, as the handlers choose it.
    button->setProperty("ImageIndex", index);
    button->setText(q(face));
}

void Timg2html::build_widgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    layout->addWidget(ToolBar1);
    tb_openfile = tool_button(ToolBar1, "tb_openfile", "打开新图形", "打开");
    tb_select = tool_button(ToolBar1, "tb_select", "框选希望转换的范围", "框选");
    tb_gray = tool_button(ToolBar1, "tb_gray", "彩色黑白转换", "彩色");
    tb_convert = tool_button(ToolBar1, "tb_convert", "输出到网页", "网页");
    tb_send = tool_button(ToolBar1, "tb_send", "发表作品", "发表");
    tb_draw = tool_button(ToolBar1, "tb_draw", "用Quillo编辑此文字画", "编辑");
    Tb_help = tool_button(ToolBar1, "Tb_help", "帮助", "帮助");
    ToolButton3 = tool_button(ToolBar1, "ToolButton3", "退出", "退出");
    set_tool_image(tb_select, 6, "框选");
    set_tool_image(tb_gray, 1, "彩色");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    layout->addWidget(PageControl1, 1);

    // "源图片": the picture at full size, with the four lines of the rubber band over it.
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName("TabSheet1");
    auto* canvas = new QWidget;
    canvas->setObjectName("ScrollBox1_canvas");
    tImage1 = new PictureView(canvas);
    tImage1->setObjectName("tImage1");
    Btop = band_line(canvas, "Btop");
    Bbottom = band_line(canvas, "Bbottom");
    Bleft = band_line(canvas, "Bleft");
    Bright = band_line(canvas, "Bright");
    ScrollBox1->setWidget(canvas);
    PageControl1->addTab(ScrollBox1, q("源图片"));

    // "调节分辨率": the sliders around the resolution image, the status bar below.
    auto* resolution = new QWidget;
    resolution->setObjectName("TabSheet2");
    auto* grid = new QGridLayout(resolution);
    TrackBar1 = new QSlider(Qt::Horizontal, resolution);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setToolTip(q("拖动调节图片大小"));
    TrackBar2 = new QSlider(Qt::Vertical, resolution);
    TrackBar2->setObjectName("TrackBar2");
    TrackBar2->setInvertedAppearance(true);  // 0 at the top, as the rows count
    CheckBox1 = new QCheckBox(q("比例调节"), resolution);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setToolTip(q("比例调节"));
    CheckBox1->setChecked(true);
    tImage2 = new PictureView(nullptr);
    tImage2->setObjectName("tImage2");
    auto* holder = new QScrollArea;
    holder->setObjectName("tImage2_box");
    holder->setWidget(tImage2);
    holder->setAlignment(Qt::AlignCenter);
    StaBar = new QWidget(resolution);
    StaBar->setObjectName("StaBar");
    auto* panels = new QHBoxLayout(StaBar);
    panels->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        StaBar_panels[i] = new QLabel(StaBar);
        StaBar_panels[i]->setObjectName(QString("StaBar_panel%1").arg(i));
        StaBar_panels[i]->setFixedWidth(100);
        StaBar_panels[i]->setFrameShape(QFrame::Panel);
        StaBar_panels[i]->setFrameShadow(QFrame::Sunken);
        panels->addWidget(StaBar_panels[i]);
    }
    panels->addStretch(1);
    grid->addWidget(CheckBox1, 0, 0);
    grid->addWidget(TrackBar1, 0, 1);
    grid->addWidget(TrackBar2, 1, 0);
    grid->addWidget(holder, 1, 1);
    grid->addWidget(StaBar, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    PageControl1->addTab(resolution, q("调节分辨率"));

    // "效果模拟": the preview, eight times larger.
    ScrollBox3 = new QScrollArea;
    ScrollBox3->setObjectName("TabSheet3");
    TImage3 = new PictureView(nullptr);
    TImage3->setObjectName("TImage3");
    TImage3->setToolTip(q("做成网页后的实际效果"));
    ScrollBox3->setWidget(TImage3);
    PageControl1->addTab(ScrollBox3, q("效果模拟"));

    PageControl1->addTab(build_options_page(), q("选项-参数"));
    PageControl1->addTab(build_tables_page(), q("字符-灰度"));

    connect(tb_openfile, &QToolButton::clicked, this,
            [this] { run([this] { tb_openfileClick(); }); });
    connect(tb_select, &QToolButton::clicked, this, [this] { run([this] { tb_selectClick(); }); });
    connect(tb_gray, &QToolButton::clicked, this, [this] { run([this] { tb_grayClick(); }); });
    connect(tb_convert, &QToolButton::clicked, this,
            [this] { run([this] { tb_convertClick(); }); });
    connect(tb_send, &QToolButton::clicked, this, [this] { run([this] { tb_sendClick(); }); });
    connect(tb_draw, &QToolButton::clicked, this, [this] { run([this] { tb_drawClick(); }); });
    connect(Tb_help, &QToolButton::clicked, this, [this] { run([this] { Tb_helpClick(); }); });
    connect(ToolButton3, &QToolButton::clicked, this,
            [this] { run([this] { ToolButton3Click(); }); });
    connect(TrackBar1, &QSlider::valueChanged, this, [this] {
        if (!syncing_) run([this] { TrackBar1Change(); });
    });
    connect(TrackBar2, &QSlider::valueChanged, this, [this] {
        if (!syncing_) run([this] { TrackBar2Change(); });
    });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { run([this] { CheckBox1Click(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!syncing_) run([this] { PageControl1Change(); });
    });
    tImage1->on_drag_over = [this](int x, int y) { run([=, this] { tImage1DragOver(x, y); }); };
    tImage1->on_end_drag = [this] { run([this] { tImage1EndDrag(); }); };
}

void Timg2html::FormCreate() {
    // The grey tables as the settings file holds them; the design text gives way to table 1.
    tables.tables = main_->settings.gray_pen;
    tables.kind = GreyTables::clamp_kind(main_->settings.gray_pen_kind);
    saved_tables = tables;
    show_table(tables.table(kSixteenLevels));
    QRadioButton* chosen = tables.kind == kHalfWidth   ? RB_en
                           : tables.kind == kFullWidth ? RB_32
                                                       : RB_16;
    chosen->setChecked(true);
    RB_16Click({chosen->objectName().toStdString(), tables.kind, canvas::Sender::Kind::other});
    RB_modeClick({"RB_Color2Word", int(Mode::grey_words), canvas::Sender::Kind::other});
    RB_word_textClick();
    show_state();
}

void Timg2html::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    run([this] { FormShow(); });
}

void Timg2html::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    run([this] { FormResize(); });
}

void Timg2html::FormShow() {
    const QColor board = QColor::fromRgb(platform::resolve_colour(main_->canvas_back_colour));
    LB_ColorBoard->setStyleSheet("background: " + board.name() + ";");
    LB_ColorBoard->setProperty("Colour", main_->canvas_back_colour);
    pen_txt->setText(platform::to_qstring(main_->pen_text));
    // Windows linked after this one was made (source text, upload) enable their buttons now.
    if (RB_word_text->isChecked()) RB_word_textClick();
    update_limits();
    if (open_dialog_file.empty()) tb_openfileClick();
}

void Timg2html::FormResize() {
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
    tImage1->move(0, 0);
    const int group = GroupBox_gray->width();
    Image1->setGeometry(19, 24, std::max(group - 38, 0), 20);
    show_table(platform::to_gbk(LB_Gray_Word->text()));  // size and centre the box
    Label3->move(int(divide_half_even(group, 2)) - 68, 96);
    lb_gread->move(Label3->x() + 56, 96);
}

void Timg2html::open_picture_file(const std::string& path) {
    PictureFormat format = PictureFormat::unknown;
    Picture picture = load_picture_file(path, kShownMinSide, kShownMinSide, &format);
    if (format == PictureFormat::png) picture = read_png(read_picture_bytes(path).view(), path);
    setWindowTitle(q(picture_caption(path)));
    state.open(std::move(picture));
}

void Timg2html::tb_openfileClick() {
    PageControl1->setCurrentIndex(0);
    platform::FileDialogRequest request;
    request.filter = "jpg|*.jpg;*.jpeg|bmp|*.bmp|png|*.png";
    request.default_ext = "jpg";
    request.file_name = "*.jpg";
    open_dialog_file = request.file_name;
    const auto chosen = main_->ui().open_file(request);
    std::error_code ec;
    if (chosen && std::filesystem::is_regular_file(chosen->path, ec)) {
        open_dialog_file = chosen->path;
        open_picture_file(chosen->path);  // a picture that cannot be read ends the command here
    } else {
        state.reopen();
    }
    show_state();
}

void Timg2html::show_state() {
    syncing_ = true;
    const Picture& source = state.source();
    tImage1->show_picture(source);
    tImage1->move(0, 0);
    tImage1->setToolTip(q(size_hint(source.width, source.height)));
    tImage1->setCursor(state.select_mode() ? Qt::CrossCursor : Qt::ArrowCursor);
    tImage1->parentWidget()->resize(std::max(source.width, 1), std::max(source.height, 1));
    show_band();

    TrackBar1->setRange(0, state.width_max());
    TrackBar1->setValue(state.width_position());
    TrackBar2->setRange(0, state.height_max());
    TrackBar2->setValue(state.height_position());
    TrackBar2->setEnabled(!state.proportional());
    CheckBox1->setChecked(state.proportional());
    tImage2->show_picture(state.resolution());
    tImage2->setToolTip(q(state.resolution_hint()));
    const int w = state.width_position(), h = state.height_position();
    StaBar_panels[0]->setText(q(org_panel(source.width, source.height)));
    StaBar_panels[1]->setText(q(now_panel(w, h)));
    StaBar_panels[2]->setText(q(file_size_panel(w, h)));

    // TurnToImage3.
    preview_ = state.preview();
    TImage3->show_picture(preview_);

    set_tool_image(tb_gray, state.colour() ? 1 : 8, state.colour() ? "彩色" : "黑白");
    set_tool_image(tb_select, state.select_mode() ? 6 : 4, "框选");
    tb_select->setCheckable(true);
    tb_select->setChecked(state.select_mode());
    update_limits();
    syncing_ = false;
}

void Timg2html::show_band() {
    const bool on = state.band_visible();
    const RubberBand& b = state.rubber_band();
    Btop->setGeometry(b.top.left, b.top.top, b.top.width, 1);
    Bbottom->setGeometry(b.bottom.left, b.bottom.top, b.bottom.width, 1);
    Bleft->setGeometry(b.left.left, b.left.top, 1, b.left.height);
    Bright->setGeometry(b.right.left, b.right.top, 1, b.right.height);
    for (QFrame* f : {Btop, Bbottom, Bleft, Bright}) {
        f->setVisible(on);
        if (on) f->raise();
    }
}

void Timg2html::update_limits() {
    const int w = state.width_position(), h = state.height_position();
    tb_send->setEnabled(send_allowed(w, h) &&
                        isSignalConnected(QMetaMethod::fromSignal(&Timg2html::show_upload_dialog)));
    // One rule after a size change and after a mode change alike; an empty picture has nothing
    // to place.
    tb_draw->setEnabled(draw_allowed(w, h, mode() == Mode::colour_grey) &&
                        !state.resolution().empty());
}

void Timg2html::tb_selectClick() {
    state.toggle_select();
    show_state();
}

void Timg2html::tb_grayClick() {
    if (PageControl1->currentIndex() == 0) {
        syncing_ = true;
        PageControl1->setCurrentIndex(2);
        syncing_ = false;
    }
    state.toggle_grey();
    show_state();
}

void Timg2html::TrackBar1Change() {
    state.width_changed(TrackBar1->value());
    show_state();
}

void Timg2html::TrackBar2Change() {
    state.height_changed(TrackBar2->value());
    show_state();
}

void Timg2html::CheckBox1Click() {
    state.set_proportional(CheckBox1->isChecked());
    TrackBar2->setEnabled(!state.proportional());
}

void Timg2html::PageControl1Change() {
    show_state();
}

void Timg2html::tImage1DragOver(int x, int y) {
    if (state.drag_over(x, y)) show_band();
}

void Timg2html::tImage1EndDrag() {
    if (state.end_drag()) {
        show_state();
        syncing_ = true;
        PageControl1->setCurrentIndex(1);
        syncing_ = false;
    } else {
        show_band();
    }
}

void Timg2html::Tb_helpClick() {
    // The compiled help file is a Windows format; where none stands beside the program the same
    // help is a page the browser shows.
    std::error_code ec;
    auto help = main_->context().program_dir / "quillo_map.chm";
    if (!std::filesystem::exists(help, ec)) help = main_->context().program_dir / "quillo_map.htm";
    main_->ui().open_with_default_program(help.string());
}

void Timg2html::ToolButton3Click() {
    reject();
}

}  // namespace quillo::imagetext
