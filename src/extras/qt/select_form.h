#pragma once
// The character picker TSelectForm: the GBK pages as a grid of cells drawn in the canvas font, a
// click on a cell gives its character to whoever opened the picker, six coloured slots bookmark
// the pages characters were taken from. Created once after the main window, shown and hidden,
// never modal, kept above the other windows.
//
// Opening it for a box:
//   form.SelectForm->show_for_pen();       // the pen (pen box, text-entry boxes, source_memo)
//   form.SelectForm->show_for(line_edit);  // a one-line box: inserted at its caret
//   form.SelectForm->show_for(memo);       // a multi-line box: inserted at its caret
//   form.SelectForm->show_for([](const std::string& gbk) { ... });  // any receiver
// A window that mirrors the pen (the image window's pen box) registers with add_pen_listener.
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "extras/picker_pages.h"
#include "extras/picker_slots.h"
#include "platform/raster.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quillo::canvas {
class TForm1;
}

namespace quillo::extras {

class PickerRow;
class PointPanel;

class TSelectForm : public QWidget {
    Q_OBJECT
  public:
    // A pick as GBK bytes: one half-width byte or one two-byte character.
    using Receiver = std::function<void(const std::string& gbk)>;

    explicit TSelectForm(canvas::TForm1& main);

    // ---- opening (each shows the picker, or brings it forward when it is already shown) ----
    // Picks go to the pen: in normal editing mode into source_memo at the caret; in drawing mode
    // into an open text-entry box (write_in_Memo, write_in_edit) and always into the pen box.
    void show_for_pen();
    void show_for(QLineEdit* box);
    void show_for(QPlainTextEdit* memo);
    void show_for(Receiver receiver);
    // Told of every character the pen box takes from the picker.
    void add_pen_listener(Receiver listener);

    // ---- state ----
    int page() const { return page_; }
    const PageRows& rows() const { return rows_; }
    const std::string& pick_page() const { return pick_page_; }  // empty until a pick
    const std::string& picked() const { return picked_; }
    const PickerSlots& bookmarks() const { return slots_; }
    const platform::Raster& grid() const { return grid_; }

    // ---- handlers ----
    void FormShow();
    void list1Click();
    void list2Click();
    void List3Click();
    void LabelClick(int slot);  // Label1Click ... Label6Click, 1-based
    void b_nextClick();
    void b_beforeClick();
    void rowMouseMove(int row, int x);  // l1MouseMove ... L6MouseMove
    void pointClick();
    void b_hideClick();
    void B_yesClick();

    // ---- widgets under their component names ----
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    std::array<QLabel*, kPickerRows> rows_labels{};  // l1, l2, L3, L4, L5, L6
    QLabel* point = nullptr;
    QListWidget* list1 = nullptr;
    QListWidget* list2 = nullptr;
    QListWidget* List3 = nullptr;
    QListWidget* obj_list = nullptr;
    std::array<QLabel*, kPickerSlots> page_labels{};  // Label1 ... Label6
    std::array<QLabel*, kPickerSlots> text_labels{};  // Label11 ... Label66
    QPushButton* b_next = nullptr;
    QPushButton* b_before = nullptr;
    QPushButton* b_hide = nullptr;
    QPushButton* B_yes = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // clicks on the slot labels

  private:
    enum class TargetKind { pen, line_edit, memo, receiver };

    void build_widgets();
    void FormCreate();
    void apply_mode_rule();
    void build_page();
    void show_slots();
    void choose_page_from(QListWidget* list);
    void open();
    void deliver(const std::string& ch);
    void deliver_to_pen(const std::string& ch);
    void remember_and_hide();

    canvas::TForm1& main_;
    PointPanel* point_panel_ = nullptr;  // point, as the panel class that draws the cell
    int page_ = kDefaultPage;
    PageRows rows_;
    std::string pick_page_;
    std::string picked_;   // the last character taken, as obj_list shows it
    std::string hovered_;  // the two bytes point shows
    PickerSlots slots_;
    platform::Raster grid_{kPickerColumns * kPickerCellPixels, kPickerRows* kPickerCellPixels};

    TargetKind target_ = TargetKind::pen;
    QPointer<QLineEdit> target_edit_;
    QPointer<QPlainTextEdit> target_memo_;
    Receiver target_receiver_;
    std::vector<Receiver> pen_listeners_;
};

}  // namespace quillo::extras
