#pragma once
// Timg2html: the image window that turns a picture into text art. It opens a BMP, JPEG or PNG
// picture, cuts out a region, sets the resolution with two sliders, shows the grey view and the
// 8-times preview, edits the three grey tables, and writes the result as a page or hands it to
// the main canvas as a floating block. The rules live in the imagetext cores; this window shows
// their state and calls them.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "canvas/qt/command_map.h"
#include "imagetext/conversion.h"
#include "imagetext/image_page.h"
#include "imagetext/image_window.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace quillo::canvas {
class TForm1;
}

namespace quillo::imagetext {

class PictureView;

class Timg2html : public QDialog {
    Q_OBJECT
  public:
    explicit Timg2html(canvas::TForm1* main);

    // ---- state ----
    ImageWindow state;        // pictures, sliders, grey view, rubber band
    GreyTables tables;        // the three tables and the chosen kind (as the settings hold them)
    GreyTables saved_tables;  // as read at start: what "恢复原貌" goes back to
    TextSource text_source;   // the source text, rewound by every conversion
    std::string open_dialog_file;  // OpenPictureDialog1's file name; empty until first shown

    // ---- widgets under their component names ----
    QToolBar* ToolBar1 = nullptr;
    QToolButton* tb_openfile = nullptr;
    QToolButton* tb_select = nullptr;
    QToolButton* tb_gray = nullptr;
    QToolButton* tb_convert = nullptr;
    QToolButton* tb_send = nullptr;
    QToolButton* tb_draw = nullptr;
    QToolButton* Tb_help = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PictureView* tImage1 = nullptr;
    QFrame* Btop = nullptr;
    QFrame* Bbottom = nullptr;
    QFrame* Bleft = nullptr;
    QFrame* Bright = nullptr;
    PictureView* tImage2 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QWidget* StaBar = nullptr;
    QLabel* StaBar_panels[3] = {};
    QScrollArea* ScrollBox3 = nullptr;
    PictureView* TImage3 = nullptr;
    // options
    QRadioButton* RB_Css = nullptr;
    QRadioButton* RB_Nojiaozhen = nullptr;
    QRadioButton* RB_Backcolor_board = nullptr;
    QRadioButton* RB_Backcolor_black = nullptr;
    QRadioButton* RB_Backcolor_none = nullptr;
    QLabel* LB_ColorBoard = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* RBh_Backcolor_board = nullptr;
    QRadioButton* RBh_Backcolor_black = nullptr;
    QRadioButton* RBh_Backcolor_none = nullptr;
    QLineEdit* Edit_title = nullptr;
    QRadioButton* RB_Color2Word = nullptr;
    QRadioButton* RB_Color2Color = nullptr;
    QRadioButton* RB_ColorandWord = nullptr;
    QRadioButton* RB_ColorTable = nullptr;
    QGroupBox* GroupBox_word = nullptr;  // "显示的文字内容"
    QRadioButton* RB_Word_black = nullptr;
    QRadioButton* RB_Word_Pen = nullptr;
    QRadioButton* RB_word_text = nullptr;
    QLineEdit* pen_txt = nullptr;
    QToolButton* SB_text_in = nullptr;
    // grey tables
    QGroupBox* GroupBox_gray = nullptr;  // "字符-灰度"
    QLabel* Image1 = nullptr;            // the grey strip
    QLabel* Label3 = nullptr;
    QLabel* lb_gread = nullptr;
    QLineEdit* LB_Gray_Word = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QRadioButton* RB_16 = nullptr;
    QRadioButton* RB_en = nullptr;
    QRadioButton* RB_32 = nullptr;

    // ---- handlers (src/imagetext/qt/img2html*.cpp) ----
    void FormShow();
    void FormResize();
    void tb_openfileClick();
    void tb_selectClick();
    void tb_grayClick();
    void TrackBar1Change();
    void TrackBar2Change();
    void CheckBox1Click();
    void PageControl1Change();
    void tImage1DragOver(int x, int y);
    void tImage1EndDrag();
    void Tb_helpClick();
    void ToolButton3Click();
    void RB_16Click(const canvas::Sender& sender);
    void LB_Gray_WordChange();
    void Button1Click();
    void Button2Click();
    void RB_modeClick(const canvas::Sender& sender);
    void RB_Word_blackClick();
    void RB_Word_PenClick();
    void RB_word_textClick();
    void pen_txtDblClick();
    void SB_text_inClick();
    void tb_convertClick();
    void tb_drawClick();
    void tb_sendClick();

    // Opens a picture file as the open dialog does when the user confirms it (also the way
    // tests and scripts give the window a picture). Throws PictureError; nothing changes then.
    void open_picture_file(const std::string& path);
    // TurnToImage3 and every read-out: shows what `state` holds.
    void show_state();

    Mode mode() const;
    WordSource word_source() const;
    int table_kind() const { return tables.kind; }
    int level_count() const;  // the number lb_gread shows
    // The rules a conversion reads: mode, word source, tables, the main window's pen text.
    ConversionRules conversion_rules();
    PageOptions page_options() const;

    // ---- links to the other windows, made by the main window ----
    // The lines of the source-text window. Without them the text source is empty and
    // conversions use the solid block instead.
    std::function<std::vector<std::string>()> source_text_lines;

  signals:
    // SB_text_in: show the source-text window modally.
    void show_source_text_window();
    // tb_send: show the upload dialog modally with the image template (connect Tsend_form).
    void show_upload_dialog();

  public slots:
    // A character for the pen: the window's pen box and the main window's (GBK).
    void set_pen_text(const std::string& gbk);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build_widgets();
    QWidget* build_options_page();
    QWidget* build_tables_page();
    void FormCreate();
    void run(const std::function<void()>& handler);
    void show_band();
    void update_limits();
    void show_table(const std::string& gbk);
    void set_tool_image(QToolButton* button, int index, const char* face);

    canvas::TForm1* main_;
    Picture preview_;
    bool syncing_ = false;  // widgets being set from the state: their change events are not
                            // the user's
    int last_slider_ = 0;   // 1: width moved last, 2: height
};

}  // namespace quillo::imagetext
