// The options dialog: its four pages, what it shows when it opens and what OK takes back.
// The registration buttons and the shortcut boxes are in option_form_shell.cpp.
#include "document/qt/option_form.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/qt/event_hook.h"
#include "canvas/qt/quillo.h"
#include "document/option_rules.h"
#include "extras/snake_rules.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::document {

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(name);
    return w;
}

QString css(platform::WinColour c) {
    return QString("#%1").arg(platform::resolve_colour(c) & 0xFFFFFF, 6, 16, QChar('0'));
}

// A colour label shows its colour as its background.
void paint_colour(QLabel* label, platform::WinColour colour) {
    label->setStyleSheet(
        QString("background-color: %1; border: 1px solid #808080;").arg(css(colour)));
}

// A sample shows text in one colour on another.
void paint_sample(QLabel* label, platform::WinColour font, platform::WinColour back) {
    label->setStyleSheet(QString("background-color: %1; color: %2; border: 1px solid #808080;")
                             .arg(css(back), css(font)));
}

QSlider* track_bar(QWidget* parent, const char* name, int low, int high) {
    auto* bar = named(new QSlider(Qt::Horizontal, parent), name);
    bar->setRange(low, high);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    // A change writes the position into the bar's hint.
    QObject::connect(bar, &QSlider::valueChanged, bar,
                     [bar](int v) { bar->setToolTip(QString::number(v)); });
    return bar;
}

}  // namespace

Toption_form::Toption_form(canvas::TForm1& main) : QDialog(&main), main_(main) {
    setObjectName("option_form");
    setWindowTitle(q("Quillo——高级设置选项"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    layout->addWidget(PageControl1);
    build_colour_page();
    build_save_page();
    build_start_page();
    build_game_page();
    build_buttons();

    // Creation, after the main window has read the settings.
    long_bar->setValue(main_.snake_start_length);
    TrackBar_speed_1->setValue(main_.settings.snake_speed);
    CBox_color_start->setChecked(main_.multicolour());
    main_.apply_memo_colours();
}

void Toption_form::build_colour_page() {
    TabSheet1 = named(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, q("颜色 Color"));
    auto* page = new QVBoxLayout(TabSheet1);
    auto group = [&](const char* title, QLabel*& font, const char* font_name, QLabel*& back,
                     const char* back_name, QLabel*& sample, const char* sample_name) {
        auto* box = new QGroupBox(q(title), TabSheet1);
        auto* row = new QHBoxLayout(box);
        font = named(new QLabel(q("前景颜色"), box), font_name);
        back = named(new QLabel(q("背景颜色"), box), back_name);
        sample = named(new QLabel(q("Quillo 字符画"), box), sample_name);
        for (QLabel* l : {font, back, sample}) {
            l->setAlignment(Qt::AlignCenter);
            l->setMinimumSize(80, 28);
            row->addWidget(l);
        }
        for (QLabel* l : {font, back}) {
            l->setCursor(Qt::PointingHandCursor);
            canvas::hook(l, this, [this, l](QEvent* e) {
                if (e->type() != QEvent::MouseButtonRelease) return false;
                LabelColourClick(l);
                return true;
            });
        }
        page->addWidget(box);
    };
    group("绘图窗颜色 DrawColor", Label16, "Label16", Label17, "Label17", Label7, "Label7");
    group("文本窗颜色 TextColor", Label21, "Label21", Label22, "Label22", Label18, "Label18");
    page->addStretch();
}

void Toption_form::build_save_page() {
    TabSheet2 = named(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, q("保存 Save"));
    auto* page = new QVBoxLayout(TabSheet2);
    auto box = [&](const char* name, const char* caption) {
        auto* b = named(new QCheckBox(q(caption), TabSheet2), name);
        page->addWidget(b);
        return b;
    };
    C_Box_blank = box("C_Box_blank", "清除行尾空格 Clean the blank ");
    C_Box_bak = box("C_Box_bak", "产生备份文件 Creat bakeup file");
    C_Box_save_option =
        box("C_Box_save_option", "程序退出时保存本配置 Sves option to ini when exit");
    C_Box_ascii = box("C_Box_ascii", "检查文本中是否含汉字字符 Check whether pure ASCII file");
    cb_htm_show = box("cb_htm_show", "输出后启动浏览器观看网页效果");
    cb_htm_show->setChecked(true);
    cb_htm_add_stop = box("cb_htm_add_stop", "每一行末加上编码修正字符串“.”");
    page->addWidget(new QLabel(q("设定将生成的网页文件输出到的第三方程序："), TabSheet2));
    auto* row = new QHBoxLayout;
    outwork_edit = named(new QLineEdit(TabSheet2), "outwork_edit");
    Button3 = named(new QPushButton(q("浏览"), TabSheet2), "Button3");
    row->addWidget(outwork_edit);
    row->addWidget(Button3);
    page->addLayout(row);
    page->addStretch();

    // These act at once; Cancel does not undo them.
    connect(C_Box_blank, &QCheckBox::clicked, this, [this](bool on) {
        main_.settings.blank_out = on;
        main_.canvas.blank_out = on;
    });
    connect(C_Box_bak, &QCheckBox::clicked, this, [this](bool on) { main_.settings.bake_up = on; });
    connect(cb_htm_add_stop, &QCheckBox::clicked, this,
            [this](bool on) { main_.settings.foodstop = on; });
    connect(Button3, &QPushButton::clicked, this,
            [this] { main_.run_command([this] { Button3Click(); }); });
}

void Toption_form::build_start_page() {
    TabSheet3 = named(new QWidget, "TabSheet3");
    PageControl1->addTab(TabSheet3, q("启动 Start"));
    auto* page = new QVBoxLayout(TabSheet3);

    auto* view = new QGroupBox(TabSheet3);
    auto* views = new QHBoxLayout(view);
    Radio_draw = named(new QRadioButton(q("绘图状态 Draw Mood"), view), "Radio_draw");
    Radio_text = named(new QRadioButton(q("普通状态 Text Mood"), view), "Radio_text");
    Radio_last_window =
        named(new QRadioButton(q("由上次退出状态定 Same to last mood"), view), "Radio_last_window");
    for (auto* r : {Radio_draw, Radio_text, Radio_last_window}) views->addWidget(r);
    page->addWidget(view);

    CBox_color_start = named(new QCheckBox(q("启动时是多彩模式 Colorful when start"), TabSheet3),
                             "CBox_color_start");
    page->addWidget(CBox_color_start);

    auto* shortcuts = new QGroupBox(TabSheet3);
    auto* shortcut_row = new QHBoxLayout(shortcuts);
    CBox_shortcut_on_desk =
        named(new QCheckBox(q("在桌面上建立 On Desktop"), shortcuts), "CBox_shortcut_on_desk");
    CBox_shortcut_in_start =
        named(new QCheckBox(q("在 开始-程序 菜单中建立 In Start / Programs Menu"), shortcuts),
              "CBox_shortcut_in_start");
    shortcut_row->addWidget(CBox_shortcut_on_desk);
    shortcut_row->addWidget(CBox_shortcut_in_start);
    page->addWidget(shortcuts);

    auto* shell = new QGroupBox(TabSheet3);
    auto* rows = new QVBoxLayout(shell);
    auto action = [&](const char* name, const char* caption, const char* label) {
        auto* row = new QHBoxLayout;
        auto* b = named(new QToolButton(shell), name);
        b->setText(q(caption));
        row->addWidget(b);
        row->addWidget(new QLabel(q(label), shell), 1);
        rows->addLayout(row);
        return b;
    };
    o_sb_set_txt_1 = action("o_sb_set_txt_1", "设置", "将Quillo加入文本文件的右键弹出菜单中");
    o_sb_set_txt_4 =
        action("o_sb_set_txt_4", "设置", "将Quillo加入图形文件的右键弹出菜单中 (酝酿中)");
    o_sb_set_txt_2 = action("o_sb_set_txt_2", "设置", "将Quillo设为文本文件的默认编辑器");
    o_sb_set_txt_3 = action("o_sb_set_txt_3", "设置", "Quillo与色彩文件(*.clo)关联");
    o_sb_set_txt_0 = action("o_sb_set_txt_0", "清除", "清除以上设置");
    o_sb_set_txt_4->setEnabled(false);
    Label4 = named(new QLabel(q("某键变灰说明该功能已经在使用中,或已被占用。"), shell), "Label4");
    rows->addWidget(Label4);
    page->addWidget(shell);
    page->addStretch();

    auto guarded = [this](std::function<void()> f) { return [this, f] { main_.run_command(f); }; };
    connect(o_sb_set_txt_1, &QToolButton::clicked, this,
            guarded([this] { o_sb_set_txt_1Click(); }));
    connect(o_sb_set_txt_2, &QToolButton::clicked, this,
            guarded([this] { o_sb_set_txt_2Click(o_sb_set_txt_2); }));
    connect(o_sb_set_txt_3, &QToolButton::clicked, this,
            guarded([this] { o_sb_set_txt_2Click(o_sb_set_txt_3); }));
    connect(o_sb_set_txt_0, &QToolButton::clicked, this,
            guarded([this] { o_sb_set_txt_0Click(); }));
    // Every click makes a shortcut, whatever the box's check mark.
    connect(CBox_shortcut_on_desk, &QCheckBox::clicked, this,
            guarded([this] { CBox_shortcutClick(platform::ShortcutPlace::desktop); }));
    connect(CBox_shortcut_in_start, &QCheckBox::clicked, this,
            guarded([this] { CBox_shortcutClick(platform::ShortcutPlace::applications_menu); }));
}

void Toption_form::build_game_page() {
    TabSheet4 = named(new QWidget, "TabSheet4");
    PageControl1->addTab(TabSheet4, q("游戏 Game"));
    auto* page = new QVBoxLayout(TabSheet4);

    auto slider_row = [&](const char* caption, QSlider* bar, const char* low, const char* high) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(q(caption), TabSheet4));
        row->addWidget(new QLabel(q(low), TabSheet4));
        row->addWidget(bar, 1);
        row->addWidget(new QLabel(q(high), TabSheet4));
        page->addLayout(row);
    };
    long_bar = track_bar(TabSheet4, "long_bar", extras::kSnakeMinStartLength,
                         extras::kSnakeMaxStartLength);
    TrackBar_speed_1 =
        track_bar(TabSheet4, "TrackBar_speed_1", extras::kSnakeMinLevel, extras::kSnakeMaxLevel);
    slider_row("开始长度：", long_bar, "短", "长");
    slider_row("开始速度：", TrackBar_speed_1, "快", "慢");

    auto* level = new QGroupBox(q("升级"), TabSheet4);
    auto* levels = new QHBoxLayout(level);
    diff1 = named(new QRadioButton(q("很快"), level), "diff1");
    diff2 = named(new QRadioButton(q("较快"), level), "diff2");
    diff3 = named(new QRadioButton(q("较慢"), level), "diff3");
    diff4 = named(new QRadioButton(q("永不"), level), "diff4");
    for (auto* r : {diff1, diff2, diff3, diff4}) levels->addWidget(r);
    page->addWidget(level);

    auto* body = new QGroupBox(q("构成蛇身的字符是："), TabSheet4);
    auto* bodies = new QVBoxLayout(body);
    Radio_body = named(new QRadioButton(q("使用笔框内字符"), body), "Radio_body");
    RadioButton2 = named(new QRadioButton(q("重新定义输入"), body), "RadioButton2");
    Memo1 = named(new QPlainTextEdit(body), "Memo1");
    Memo1->setToolTip(q("请不要输入回车"));
    Memo1->setMaximumHeight(60);
    RadioB_old_body = named(new QRadioButton(q("使用上次使用过的文字"), body), "RadioB_old_body");
    bodies->addWidget(Radio_body);
    bodies->addWidget(RadioButton2);
    bodies->addWidget(Memo1);
    bodies->addWidget(RadioB_old_body);
    page->addWidget(body);
    page->addStretch();

    // Until the user chooses otherwise, OK keeps the body text: nothing is lost by an OK given
    // for another page.
    RadioB_old_body->setChecked(true);
    Memo1->setEnabled(false);
    connect(Radio_body, &QRadioButton::clicked, this, [this] { Memo1->setEnabled(false); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { Memo1->setEnabled(true); });
    connect(RadioB_old_body, &QRadioButton::clicked, this, [this] { Memo1->setEnabled(false); });
}

void Toption_form::build_buttons() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    Button1 = named(new QPushButton(q("OK"), this), "Button1");
    Button2 = named(new QPushButton(q("Cancle"), this), "Button2");
    Button1->setDefault(true);
    row->addWidget(Button1);
    row->addWidget(Button2);
    layout()->addItem(row);
    connect(Button1, &QPushButton::clicked, this,
            [this] { main_.run_command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Toption_form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) main_.run_command([this] { FormShow(); });
}

void Toption_form::FormShow() {
    show_registration_state();

    draw_font_ = main_.canvas_text_colour;
    draw_back_ = main_.canvas_back_colour;
    text_font_ = main_.settings.txt_font_color;
    text_back_ = main_.settings.txt_back_color;
    show_samples();

    const Settings& s = main_.settings;
    C_Box_blank->setChecked(main_.canvas.blank_out);
    C_Box_bak->setChecked(s.bake_up);
    C_Box_save_option->setChecked(s.save_ini);
    C_Box_ascii->setChecked(s.ascii_check);
    cb_htm_add_stop->setChecked(s.foodstop);
    outwork_edit->setText(QString::fromStdString(s.other_editer));
    const int view = start_view_button(s.decide_form_mode);
    (view == 1 ? Radio_draw : view == 3 ? Radio_last_window : Radio_text)->setChecked(true);

    PageControl1->setCurrentWidget(page_flag == 1 ? TabSheet4 : TabSheet1);

    // The sliders show what is in effect, so that an earlier Cancel left nothing behind.
    long_bar->setValue(main_.snake_start_length);
    long_bar->setToolTip(QString::number(long_bar->value()));
    TrackBar_speed_1->setValue(s.snake_speed);
    TrackBar_speed_1->setToolTip(QString::number(TrackBar_speed_1->value()));
    long_bar->setEnabled(!main_.commands.enabled("N_game_over"));
    const int level = difficulty_button(s.difficult);
    (level == 1 ? diff1 : level == 2 ? diff2 : level == 3 ? diff3 : diff4)->setChecked(true);
    if (s.body_mood) {
        RadioB_old_body->setChecked(true);
        Memo1->setEnabled(false);
    }
}

void Toption_form::show_samples() {
    paint_colour(Label16, draw_font_);
    paint_colour(Label17, draw_back_);
    paint_sample(Label7, draw_font_, draw_back_);
    paint_colour(Label21, text_font_);
    paint_colour(Label22, text_back_);
    paint_sample(Label18, text_font_, text_back_);
}

void Toption_form::LabelColourClick(QLabel* label) {
    main_.run_command([this, label] {
        platform::WinColour& colour = label == Label16   ? draw_font_
                                      : label == Label17 ? draw_back_
                                      : label == Label21 ? text_font_
                                                         : text_back_;
        // Nothing outside the dialog changes before OK; a cancelled choice changes nothing.
        if (const auto chosen = main_.ui().choose_colour(colour)) colour = *chosen;
        show_samples();
    });
}

void Toption_form::Button1Click() {
    // 1. The game: start length (shown in Gau_long unless a game runs, whose length the gauge
    // shows then), start speed, and the step interval for the running game's level.
    main_.snake_start_length = long_bar->value();
    if (!main_.snake_running) main_.Gau_long->setValue(main_.snake_start_length);
    main_.Timer1->setInterval(extras::options_interval_ms(main_.snake.level));

    // 2, 3, 5, 6: the settings.
    OptionChoices c;
    c.start_speed = TrackBar_speed_1->value();
    c.difficulty = diff1->isChecked() ? 1 : diff2->isChecked() ? 2 : diff3->isChecked() ? 3 : 4;
    c.body = Radio_body->isChecked()     ? BodyChoice::pen
             : RadioButton2->isChecked() ? BodyChoice::typed
                                         : BodyChoice::keep;
    c.pen = main_.pen_text;
    const std::string typed = platform::to_gbk(Memo1->toPlainText());
    for (std::size_t start = 0; start <= typed.size();) {
        const auto nl = std::min(typed.find('\n', start), typed.size());
        c.typed_lines.push_back(typed.substr(start, nl - start));
        start = nl + 1;
    }
    c.bake_up = C_Box_bak->isChecked();
    c.blank_out = C_Box_blank->isChecked();
    c.save_ini = C_Box_save_option->isChecked();
    c.ascii_check = C_Box_ascii->isChecked();
    c.other_editer = outwork_edit->text().toStdString();
    c.start_view = Radio_draw->isChecked() ? 1 : Radio_text->isChecked() ? 2 : 3;
    c.memo_font_colour = text_font_;
    c.memo_back_colour = text_back_;
    apply_option_choices(main_.settings, c);
    main_.canvas.blank_out = c.blank_out;

    // 4. The canvas colours, through the colour scheme every canvas colour change uses.
    main_.canvas_back_colour = draw_back_;
    main_.canvas_text_colour = draw_font_;
    main_.apply_colour_scheme(main_.canvas_text_colour, main_.canvas_back_colour);
    // 5. The text window.
    main_.apply_memo_colours();
    accept();
}

void Toption_form::Button3Click() {
    platform::FileDialogRequest request;
    // Programs here have no ".exe": the filter keeps its name and lists every file.
    request.filter = "*.exe|*";
    request.file_name = "*.exe";
    const auto chosen = main_.ui().open_file(request);
    if (!chosen) return;
    const QFileInfo program(QString::fromStdString(chosen->path));
    if (!program.isFile() || !program.isExecutable()) {
        main_.ui().message("“" + chosen->path + "”不是可以运行的程序，请另选一个。");
        return;
    }
    outwork_edit->setText(QString::fromStdString(chosen->path));
}

}  // namespace quillo::document
