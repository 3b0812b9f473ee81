// The image window's pages "选项-参数" and "字符-灰度": page options, the conversion mode, the
// word source, and the three grey tables with their editing.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "extras/qt/select_form.h"
#include "imagetext/qt/img2html.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::imagetext {

namespace {

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QRadioButton* radio(QWidget* parent, QLayout* layout, const char* name, const char* caption,
                    int tag = 0, const char* hint = nullptr) {
    auto* b = new QRadioButton(q(caption), parent);
    b->setObjectName(name);
    b->setProperty("Tag", tag);
    if (hint) b->setToolTip(q(hint));
    layout->addWidget(b);
    return b;
}

QGroupBox* group(const char* name, const char* caption, QGridLayout* page, int row, int column,
                 QVBoxLayout** inside) {
    auto* g = new QGroupBox(q(caption));
    g->setObjectName(name);
    *inside = new QVBoxLayout(g);
    page->addWidget(g, row, column);
    return g;
}

canvas::Sender sender_of(QRadioButton* b) {
    return {b->objectName().toStdString(), b->property("Tag").toInt(), canvas::Sender::Kind::other};
}

// Double clicks on the window's pen box open the character picker.
class PenBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    std::function<void()> on_double_click;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QLineEdit::mouseDoubleClickEvent(event);
        if (on_double_click) on_double_click();
    }
};

// The grey strip: black on the left to white on the right, as the tables run.
class GreyStrip : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, Qt::black);
        g.setColorAt(1, Qt::white);
        p.fillRect(rect(), g);
    }
};

}  // namespace

QWidget* Timg2html::build_options_page() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet4");
    auto* grid = new QGridLayout(page);
    QVBoxLayout* box = nullptr;

    group("GroupBox_css", "图形校正", grid, 0, 0, &box);
    RB_Css = radio(page, box, "RB_Css", "使用CSS校正失真", 0, "效果比较紧凑好看");
    RB_Nojiaozhen = radio(page, box, "RB_Nojiaozhen", "不使用校正");
    RB_Css->setChecked(true);

    group("GroupBox_table", "图画背景颜色", grid, 0, 1, &box);
    RB_Backcolor_board = radio(page, box, "RB_Backcolor_board", "画板背景色");
    RB_Backcolor_black = radio(page, box, "RB_Backcolor_black", "黑色");
    RB_Backcolor_none = radio(page, box, "RB_Backcolor_none", "无色");
    RB_Backcolor_none->setChecked(true);
    auto* samples = new QHBoxLayout;
    LB_ColorBoard = new QLabel(page);
    LB_ColorBoard->setObjectName("LB_ColorBoard");
    LB_ColorBoard->setFixedSize(24, 16);
    Label1 = new QLabel(page);
    Label1->setObjectName("Label1");
    Label1->setFixedSize(24, 16);
    Label1->setStyleSheet("background: black;");
    samples->addWidget(LB_ColorBoard);
    samples->addWidget(Label1);
    samples->addStretch(1);
    box->addLayout(samples);

    group("GroupBox_page", "网页背景颜色", grid, 0, 2, &box);
    RBh_Backcolor_board = radio(page, box, "RBh_Backcolor_board", "画板背景色");
    RBh_Backcolor_black = radio(page, box, "RBh_Backcolor_black", "黑色");
    RBh_Backcolor_none = radio(page, box, "RBh_Backcolor_none", "无色");
    RBh_Backcolor_none->setChecked(true);

    group("GroupBox_mode", "选择处理方案", grid, 1, 0, &box);
    RB_Color2Word = radio(page, box, "RB_Color2Word", "以不同文字代替灰度", 1, "字不同，颜色一样");
    RB_Color2Color = radio(page, box, "RB_Color2Color", "生成彩色文字图画", 2, "多种颜色");
    RB_ColorandWord =
        radio(page, box, "RB_ColorandWord", "同时进行以上两项", 3, "字不同，颜色也不同");
    RB_ColorTable = radio(page, box, "RB_ColorTable", "生成彩色表格网页", 4, "字不同，颜色也不同");
    RB_Color2Word->setChecked(true);

    GroupBox_word = group("GroupBox_word", "显示的文字内容", grid, 1, 1, &box);
    RB_Word_black = radio(page, box, "RB_Word_black", "实心格子  “■”");
    RB_Word_Pen = radio(page, box, "RB_Word_Pen", "笔框里的内容");
    auto* pen_row = new QHBoxLayout;
    box->addLayout(pen_row);
    RB_word_text = new QRadioButton(q("文本文件 ->"), page);
    RB_word_text->setObjectName("RB_word_text");
    RB_word_text->setToolTip(q("使用文本文件作为网页内容"));
    RB_word_text->setChecked(true);
    pen_row->addWidget(RB_word_text);
    SB_text_in = new QToolButton(page);
    SB_text_in->setObjectName("SB_text_in");
    SB_text_in->setToolTip(q("设定文本内容"));
    SB_text_in->setText("...");
    pen_row->addWidget(SB_text_in);
    auto* pen = new PenBox(page);
    pen->setObjectName("pen_txt");
    pen->setToolTip(q("输入文字或“双击”打开选字框"));
    pen->setText("L");
    pen->on_double_click = [this] { run([this] { pen_txtDblClick(); }); };
    pen_txt = pen;
    box->addWidget(pen_txt);

    group("GroupBox_title", "作品标题", grid, 1, 2, &box);
    Edit_title = new QLineEdit(q(kDefaultTitle), page);
    Edit_title->setObjectName("Edit_title");
    box->addWidget(Edit_title);
    box->addStretch(1);
    grid->setRowStretch(2, 1);

    for (QRadioButton* b : {RB_Color2Word, RB_Color2Color, RB_ColorandWord, RB_ColorTable})
        connect(b, &QRadioButton::clicked, this,
                [this, b] { run([=, this] { RB_modeClick(sender_of(b)); }); });
    connect(RB_Word_black, &QRadioButton::clicked, this,
            [this] { run([this] { RB_Word_blackClick(); }); });
    connect(RB_Word_Pen, &QRadioButton::clicked, this,
            [this] { run([this] { RB_Word_PenClick(); }); });
    connect(RB_word_text, &QRadioButton::clicked, this,
            [this] { run([this] { RB_word_textClick(); }); });
    connect(SB_text_in, &QToolButton::clicked, this,
            [this] { run([this] { SB_text_inClick(); }); });
    return page;
}

QWidget* Timg2html::build_tables_page() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet5");
    auto* layout = new QVBoxLayout(page);
    // Positions inside the group follow its width (FormResize), as the table box is centred.
    GroupBox_gray = new QGroupBox(q("灰度对应表"), page);
    GroupBox_gray->setObjectName("GroupBox_gray");
    GroupBox_gray->setMinimumHeight(200);
    layout->addWidget(GroupBox_gray);
    Image1 = new GreyStrip(GroupBox_gray);
    Image1->setObjectName("Image1");
    LB_Gray_Word = new QLineEdit(GroupBox_gray);
    LB_Gray_Word->setObjectName("LB_Gray_Word");
    LB_Gray_Word->setText(q(kDesignTable));
    LB_Gray_Word->setEnabled(false);
    LB_Gray_Word->move(0, 56);
    Label3 = new QLabel(q("灰度级："), GroupBox_gray);
    Label3->setObjectName("Label3");
    lb_gread = new QLabel(GroupBox_gray);
    lb_gread->setObjectName("lb_gread");
    auto* kinds = new QHBoxLayout;
    RB_16 = radio(page, kinds, "RB_16", "16级", kSixteenLevels);
    RB_en = radio(page, kinds, "RB_en", "任意级English", kHalfWidth);
    RB_32 = radio(page, kinds, "RB_32", "任意级Chinese", kFullWidth);
    layout->addLayout(kinds);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(q("修改对应表"), page);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(q("恢复原貌"), page);
    Button2->setObjectName("Button2");
    Button2->setToolTip(q("可以恢复到修改前样子"));
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    for (QRadioButton* b : {RB_16, RB_en, RB_32})
        connect(b, &QRadioButton::clicked, this,
                [this, b] { run([=, this] { RB_16Click(sender_of(b)); }); });
    connect(LB_Gray_Word, &QLineEdit::textChanged, this, [this] {
        if (!syncing_) run([this] { LB_Gray_WordChange(); });
    });
    connect(Button1, &QPushButton::clicked, this, [this] { run([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { run([this] { Button2Click(); }); });
    return page;
}

// ---- grey tables ----

void Timg2html::show_table(const std::string& gbk) {
    const QString text = platform::to_qstring(gbk);
    if (LB_Gray_Word->text() != text) LB_Gray_Word->setText(text);  // runs LB_Gray_WordChange
    lb_gread->setText(QString::number(level_count()));
    const int group = GroupBox_gray->width();
    const int width = std::min(8 * int(gbk.size()) + 16, Image1->width());
    LB_Gray_Word->resize(std::max(width, 16), LB_Gray_Word->height());
    LB_Gray_Word->move(int(divide_half_even(group - LB_Gray_Word->width(), 2)), LB_Gray_Word->y());
}

int Timg2html::level_count() const {
    return imagetext::level_count(tables.kind, platform::to_gbk(LB_Gray_Word->text()));
}

void Timg2html::RB_16Click(const canvas::Sender& sender) {
    tables.kind = GreyTables::clamp_kind(sender.tag);
    main_->settings.gray_pen_kind = tables.kind;
    show_table(tables.current());
}

void Timg2html::LB_Gray_WordChange() {
    if (tables.kind == kHalfWidth) {
        int removed = 0;
        const std::string kept = strip_full_width(platform::to_gbk(LB_Gray_Word->text()), &removed);
        if (removed > 0) {
            syncing_ = true;
            LB_Gray_Word->setText(platform::to_qstring(kept));
            syncing_ = false;
            // One message for the whole change, however many bytes went.
            main_->ui().message("输入内容不能含有全角字符！");
        }
    }
    lb_gread->setText(QString::number(level_count()));
}

void Timg2html::Button1Click() {
    LB_Gray_Word->setEnabled(!LB_Gray_Word->isEnabled());
    if (LB_Gray_Word->isEnabled()) {
        Button1->setText(q("确认"));
        return;
    }
    const int kind = tables.kind;
    const std::string text = platform::to_gbk(LB_Gray_Word->text());
    std::string& stored = tables.table(kind);
    if (text != stored) {
        static constexpr const char* kQuestions[] = {"确认对16级灰度对应表内容进行更改？",
                                                     "确认对任意级半角灰度对应表内容进行更改？",
                                                     "确认对任意级全角灰度对应表内容进行更改？"};
        if (main_->ui().confirm(kQuestions[kind - 1]) == platform::Answer::yes) {
            stored = kind == kHalfWidth ? text : canvas::double_byte_normalise(text, true);
            main_->settings.gray_pen[std::size_t(kind - 1)] = stored;
        }
        show_table(stored);
    }
    Button1->setText(q("修改对应表"));
}

void Timg2html::Button2Click() {
    if (main_->ui().confirm("注意:将恢复到改动前的对应表，确定？") != platform::Answer::yes) return;
    tables.tables = saved_tables.tables;
    main_->settings.gray_pen = tables.tables;
    show_table(tables.current());
    LB_Gray_Word->setEnabled(false);
    Button1->setText(q("修改对应表"));
}

// ---- mode and word source ----

Mode Timg2html::mode() const {
    if (RB_Color2Color->isChecked()) return Mode::colour_words;
    if (RB_ColorandWord->isChecked()) return Mode::colour_grey;
    if (RB_ColorTable->isChecked()) return Mode::colour_table;
    return Mode::grey_words;
}

WordSource Timg2html::word_source() const {
    if (RB_Word_black->isChecked()) return WordSource::solid_block;
    if (RB_Word_Pen->isChecked()) return WordSource::pen;
    return WordSource::text;
}

void Timg2html::RB_modeClick(const canvas::Sender& sender) {
    const int tag = sender.tag;
    const bool words = tag == int(Mode::colour_words) || tag == int(Mode::colour_table);
    GroupBox_word->setEnabled(words);  // a disabled group shows its caption grey
    RB_Backcolor_none->setChecked(true);
    if (tag == int(Mode::colour_words) || tag == int(Mode::colour_grey))
        RBh_Backcolor_black->setChecked(true);
    else
        RBh_Backcolor_none->setChecked(true);
    update_limits();
}

void Timg2html::RB_Word_blackClick() {
    SB_text_in->setEnabled(false);
    pen_txt->setEnabled(false);
}

void Timg2html::RB_Word_PenClick() {
    SB_text_in->setEnabled(false);
    pen_txt->setEnabled(true);
}

void Timg2html::RB_word_textClick() {
    // Enabled once the source-text window is linked to the button.
    SB_text_in->setEnabled(
        isSignalConnected(QMetaMethod::fromSignal(&Timg2html::show_source_text_window)));
    pen_txt->setEnabled(false);
}

void Timg2html::pen_txtDblClick() {
    extras::TSelectForm* picker = main_->SelectForm;
    if (!picker) return;
    // This window blocks the others while it is open; the picker must take clicks above it, so
    // it belongs to this window until it closes (hideEvent gives it back).
    if (isVisible() && picker->parentWidget() != this) {
        const bool shown = picker->isVisible();
        picker->setParent(this, picker->windowFlags());
        if (shown) picker->show();
    }
    picker->show_for_pen();
}

void Timg2html::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    extras::TSelectForm* picker = main_->SelectForm;
    if (picker && picker->parentWidget() == this) {
        const bool shown = picker->isVisible();
        picker->setParent(main_, picker->windowFlags());
        if (shown) picker->show();
    }
}

void Timg2html::SB_text_inClick() {
    emit show_source_text_window();
}

void Timg2html::set_pen_text(const std::string& gbk) {
    pen_txt->setText(platform::to_qstring(gbk));
    if (main_->pen_txt->text() != pen_txt->text()) main_->pen_txt->setText(pen_txt->text());
}

}  // namespace quillo::imagetext
