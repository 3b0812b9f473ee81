#include "extras/qt/select_form.h"

#include <QCloseEvent>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "canvas/qt/quillo.h"
#include "platform/colours.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::extras {

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr int kGridWidth = kPickerColumns * kPickerCellPixels;
constexpr int kGridHeight = kPickerRows * kPickerCellPixels;
constexpr int kMargin = 8;  // around the grid, so that the panel over an edge cell shows whole

constexpr std::array<const char*, kPickerRows> kRowNames{"l1", "l2", "L3", "L4", "L5", "L6"};
// Slot colours: info background, yellow, lime, aqua, red, fuchsia.
constexpr std::array<const char*, kPickerSlots> kSlotColours{"#FFFFE1", "#FFFF00", "#00FF00",
                                                             "#00FFFF", "#FF0000", "#FF00FF"};

void blit(QPainter& painter, const platform::Raster& raster, int y0, int height) {
    const QImage image(reinterpret_cast<const uchar*>(raster.scan_line(y0)), raster.width(), height,
                       raster.bytes_per_line(), QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
}

// Draws what a pick of the cell gives, in the canvas font, centred in a cell at (x, y).
void draw_cell(platform::Raster& raster, int x, int y, const std::string& cell) {
    const std::string ch = pick_text(cell);
    if (ch.size() == 1)
        raster.text_out(x + 4, y, ch);
    else if (ch.size() == 2)
        raster.text_out(x, y, ch);
}

QFont cell_face(int pixels, bool bold = false) {
    QFont f(q("Unifont"));
    f.setPixelSize(pixels);
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(bold);
    return f;
}

}  // namespace

// A row of the grid (l1 ... L6): its text is the row's 64 bytes; it shows its strip of the grid.
class PickerRow : public QLabel {
  public:
    PickerRow(const platform::Raster& grid, int row, QWidget* parent)
        : QLabel(parent), grid_(grid), row_(row) {
        setMouseTracking(true);
        setFixedSize(kGridWidth, kPickerCellPixels);
    }
    std::function<void(int row, int x)> on_move;
    std::function<void(int row, int x)> on_click;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        blit(painter, grid_, (row_ - 1) * kPickerCellPixels, kPickerCellPixels);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (on_move) on_move(row_, e->position().toPoint().x());
    }
    // The panel over the hovered cell takes clicks on screen; a click that reaches the row
    // itself picks the cell under it all the same.
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && on_click)
            on_click(row_, e->position().toPoint().x());
    }

  private:
    const platform::Raster& grid_;
    int row_;
};

// The panel `point` over the hovered cell: its text is the cell's two bytes, it shows the
// character, and a click on it takes the character.
class PointPanel : public QLabel {
  public:
    explicit PointPanel(QWidget* parent) : QLabel(parent) {
        setMouseTracking(true);
        setFixedSize(kPointPanelPixels, kPointPanelPixels);
    }
    void show_cell(const std::string& cell) {
        setText(platform::to_qstring(cell));
        raster_.set_brush_colour(0xFFFFFF);
        raster_.set_font_colour(0x000000);
        raster_.fill_rect(0, 0, kPointPanelPixels, kPointPanelPixels);
        draw_cell(raster_, 4, 4, cell);
        update();
    }
    std::function<void(QPoint in_parent)> on_move;
    std::function<void()> on_click;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        blit(painter, raster_, 0, kPointPanelPixels);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    // The panel covers the neighbouring cells' edges: moves over it still pick the cell under
    // the mouse.
    void mouseMoveEvent(QMouseEvent* e) override {
        if (on_move) on_move(mapToParent(e->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && on_click)
            on_click();
    }

  private:
    platform::Raster raster_{kPointPanelPixels, kPointPanelPixels};
};

// ---- creation ----

TSelectForm::TSelectForm(canvas::TForm1& main)
    : QWidget(&main, Qt::Window | Qt::WindowStaysOnTopHint), main_(main) {
    setObjectName("SelectForm");
    setWindowTitle(q("选择一个字符作为您的“笔”"));
    build_widgets();
    FormCreate();
}

void TSelectForm::build_widgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int width = kGridWidth + 2 * kMargin;

    // The grid and the buttons that step and close.
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedSize(width, kGridHeight + 2 * kMargin + 28);
    for (int r = 1; r <= kPickerRows; ++r) {
        auto* row = new PickerRow(grid_, r, Panel1);
        row->setObjectName(kRowNames[r - 1]);
        row->move(kMargin, kMargin + (r - 1) * kPickerCellPixels);
        row->on_move = [this](int row, int x) { rowMouseMove(row, x); };
        row->on_click = [this](int row, int x) {
            rowMouseMove(row, x);
            pointClick();
        };
        rows_labels[r - 1] = row;
    }
    point_panel_ = new PointPanel(Panel1);
    point = point_panel_;
    point->setObjectName("point");
    point->hide();
    point_panel_->on_move = [this](QPoint p) {
        const auto cell = cell_at(p.x() - kMargin, p.y() - kMargin);
        if (cell) rowMouseMove(cell->row, p.x() - kMargin);
    };
    point_panel_->on_click = [this] { pointClick(); };

    const int buttons_y = kGridHeight + 2 * kMargin;
    auto button = [&](const char* name, const char* caption, int x, int w) {
        auto* b = new QPushButton(q(caption), Panel1);
        b->setObjectName(name);
        b->setGeometry(x, buttons_y, w, 24);
        return b;
    };
    b_before = button("b_before", "<", kMargin, 40);
    b_next = button("b_next", ">", kMargin + 44, 40);
    b_hide = button("b_hide", "︽", kMargin + 88, 40);
    B_yes = button("B_yes", "关闭", width - kMargin - 72, 72);
    connect(b_before, &QPushButton::clicked, this, [this] { b_beforeClick(); });
    connect(b_next, &QPushButton::clicked, this, [this] { b_nextClick(); });
    connect(b_hide, &QPushButton::clicked, this, [this] { b_hideClick(); });
    connect(B_yes, &QPushButton::clicked, this, [this] { B_yesClick(); });
    layout->addWidget(Panel1);

    // Page lists, the last pick and the bookmark slots.
    Panel2 = new QWidget(this);
    Panel2->setObjectName("Panel2");
    Panel2->setFixedSize(width, 132);
    auto list = [&](const char* name, const char* hint, QRect where) {
        auto* l = new QListWidget(Panel2);
        l->setObjectName(name);
        l->setToolTip(q(hint));
        l->setFont(cell_face(16));
        l->setGeometry(where);
        return l;
    };
    list1 = list("list1", "选页1~159", QRect(kMargin, 4, 80, 124));
    list2 = list("list2", "选页161~255", QRect(kMargin + 84, 4, 80, 60));
    List3 = list("List3", "选页161~255", QRect(kMargin + 84, 68, 80, 60));
    obj_list = list("obj_list", "选中框", QRect(kMargin + 168, 4, 56, 56));
    obj_list->setFont(cell_face(32, true));
    obj_list->addItem(QString());
    // A click chooses a page, as does a keyboard move through a list.
    for (QListWidget* l : {list1, list2, List3}) {
        auto choose = [this, l] {
            if (l->currentRow() < 0) return;
            if (l == list1) list1Click();
            if (l == list2) list2Click();
            if (l == List3) List3Click();
        };
        connect(l, &QListWidget::itemClicked, this, choose);
        connect(l, &QListWidget::currentRowChanged, this, choose);
    }

    const int slots_x = kMargin + 232;
    const int slot_w = (width - kMargin - slots_x) / kPickerSlots;
    for (int i = 0; i < kPickerSlots; ++i) {
        auto make = [&](const std::string& name, int y, int h, const QFont& font) {
            auto* l = new QLabel(Panel2);
            l->setObjectName(QString::fromStdString(name));
            l->setToolTip(q("点击即可翻到该页"));
            l->setAlignment(Qt::AlignCenter);
            l->setFont(font);
            l->setStyleSheet(QString("background-color: %1; color: black;").arg(kSlotColours[i]));
            l->setGeometry(slots_x + i * slot_w, y, slot_w - 4, h);
            l->installEventFilter(this);
            return l;
        };
        const std::string n = std::to_string(i + 1);
        page_labels[i] = make("Label" + n, 4, 24, cell_face(16));
        text_labels[i] = make("Label" + n + n, 32, 40, cell_face(32));
    }
    layout->addWidget(Panel2);
}

void TSelectForm::FormCreate() {
    for (const auto& [items, box] :
         {std::pair{list1_items(), list1}, std::pair{list2_items(), list2},
          std::pair{list3_items(), List3}}) {
        for (const PageItem& item : items) {
            auto* it = new QListWidgetItem(platform::to_qstring(item.text), box);
            it->setData(Qt::UserRole, item.page);
        }
    }
    // Values a hand-edited settings file may spoil are repaired here and saved repaired.
    slots_ = slots_from_settings(main_.settings.no, main_.settings.w);
    slots_to_settings(slots_, main_.settings.no, main_.settings.w);
    show_slots();
    page_ = slot_page(slots_[0].page);
    apply_mode_rule();
    build_page();
}

// ---- opening ----

void TSelectForm::show_for_pen() {
    target_ = TargetKind::pen;
    open();
}

void TSelectForm::show_for(QLineEdit* box) {
    target_ = TargetKind::line_edit;
    target_edit_ = box;
    open();
}

void TSelectForm::show_for(QPlainTextEdit* memo) {
    target_ = TargetKind::memo;
    target_memo_ = memo;
    open();
}

void TSelectForm::show_for(Receiver receiver) {
    target_ = TargetKind::receiver;
    target_receiver_ = std::move(receiver);
    open();
}

void TSelectForm::add_pen_listener(Receiver listener) {
    pen_listeners_.push_back(std::move(listener));
}

void TSelectForm::open() {
    if (!isVisible()) {
        FormShow();
        show();
    }
    raise();
    activateWindow();
}

void TSelectForm::FormShow() {
    apply_mode_rule();
    build_page();
}

// In single-byte mode only the half-width page makes sense as a start, and the page lists,
// which hold double-byte pages only, are off.
void TSelectForm::apply_mode_rule() {
    const bool double_byte = main_.double_byte();
    if (!double_byte) page_ = kHalfWidthPage;
    for (QListWidget* l : {list1, list2, List3}) l->setEnabled(double_byte);
}

// ---- the page ----

void TSelectForm::build_page() {
    rows_ = extras::build_page(page_);
    grid_.set_brush_colour(platform::resolve_colour(platform::kClBtnFace));
    grid_.set_font_colour(0x000000);
    grid_.fill_rect(0, 0, grid_.width(), grid_.height());
    for (int r = 1; r <= kPickerRows; ++r) {
        for (int c = 1; c <= kPickerColumns; ++c)
            draw_cell(grid_, (c - 1) * kPickerCellPixels, (r - 1) * kPickerCellPixels,
                      cell_bytes(rows_, r, c));
        rows_labels[r - 1]->setText(platform::to_qstring(rows_[r - 1]));
        rows_labels[r - 1]->update();
    }
    if (!hovered_.empty()) point->hide();
    hovered_.clear();
}

void TSelectForm::choose_page_from(QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item) return;
    page_ = item->data(Qt::UserRole).toInt();
    build_page();
}

void TSelectForm::list1Click() {
    choose_page_from(list1);
}

void TSelectForm::list2Click() {
    choose_page_from(list2);
}

void TSelectForm::List3Click() {
    choose_page_from(List3);
}

void TSelectForm::LabelClick(int slot) {
    if (slot < 1 || slot > kPickerSlots) return;
    page_ = slot_page(slots_[static_cast<std::size_t>(slot - 1)].page);
    build_page();
}

void TSelectForm::b_nextClick() {
    page_ = next_page(page_);
    build_page();
}

void TSelectForm::b_beforeClick() {
    page_ = previous_page(page_);
    build_page();
}

// ---- hover and pick ----

void TSelectForm::rowMouseMove(int row, int x) {
    const auto column = column_at(x);
    if (!column || row < 1 || row > kPickerRows) return;
    const PanelPlace at = point_place(row, *column);
    point->move(kMargin + at.left, kMargin + at.top);
    hovered_ = cell_bytes(rows_, row, *column);
    point_panel_->show_cell(hovered_);
    point->show();
    point->raise();
}

void TSelectForm::pointClick() {
    const std::string ch = pick_text(hovered_);
    if (ch.empty()) return;  // an empty cell or bytes that are no character
    picked_ = ch;
    obj_list->item(0)->setText(platform::to_qstring(ch));
    obj_list->setCurrentRow(0);
    deliver(ch);
    // The page the character came from, whichever way it was reached.
    pick_page_ = std::to_string(page_);
}

namespace {

void insert_at_caret(QLineEdit* box, const QString& ch) {
    const QString text = box->text();
    const int at = box->cursorPosition();
    box->setText(text.left(at) + ch + text.mid(at));
    box->setCursorPosition(at + static_cast<int>(ch.size()));
}

void insert_at_caret(QPlainTextEdit* memo, const QString& ch) {
    QTextCursor cursor = memo->textCursor();
    cursor.clearSelection();
    cursor.insertText(ch);
    memo->setTextCursor(cursor);
}

}  // namespace

void TSelectForm::deliver(const std::string& ch) {
    const QString text = platform::to_qstring(ch);
    switch (target_) {
        case TargetKind::line_edit:
            if (target_edit_) return insert_at_caret(target_edit_, text);
            break;
        case TargetKind::memo:
            if (target_memo_) return insert_at_caret(target_memo_, text);
            break;
        case TargetKind::receiver:
            if (target_receiver_) return target_receiver_(ch);
            break;
        case TargetKind::pen:
            break;
    }
    deliver_to_pen(ch);  // the pen also takes picks meant for a box that is gone
}

void TSelectForm::deliver_to_pen(const std::string& ch) {
    const QString text = platform::to_qstring(ch);
    if (main_.normal_mode()) {
        insert_at_caret(main_.source_memo, text);
        return;
    }
    // The text-entry boxes of the typing tools, while one is open, take the character too.
    main_.text_entry_insert(ch);
    main_.pen_txt->setText(text);
    for (const Receiver& listener : pen_listeners_) listener(ch);
}

// ---- slots, folding, closing ----

void TSelectForm::show_slots() {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        page_labels[i]->setText(QString::fromStdString(slots_[i].page));
        text_labels[i]->setText(platform::to_qstring(slots_[i].text));
    }
}

bool TSelectForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kPickerSlots; ++i)
            if (watched == page_labels[i] || watched == text_labels[i]) LabelClick(i + 1);
    }
    return QWidget::eventFilter(watched, event);
}

void TSelectForm::b_hideClick() {
    const bool fold = Panel2->isVisible();
    Panel2->setVisible(!fold);
    b_hide->setText(fold ? q("︾") : q("︽"));
    adjustSize();
}

void TSelectForm::remember_and_hide() {
    if (remember_pick(slots_, pick_page_, picked_)) {
        show_slots();
        slots_to_settings(slots_, main_.settings.no, main_.settings.w);
    }
    hide();
}

void TSelectForm::B_yesClick() {
    remember_and_hide();
}

// The window's own close button closes the picker as "关闭" does, so a pick is remembered
// whichever way the picker is closed.
void TSelectForm::closeEvent(QCloseEvent* event) {
    remember_and_hide();
    event->accept();
}

}  // namespace quillo::extras
