#pragma once
// TForm1: the main window. It owns the document state for the whole run; its handlers are
// spread over tform1_*.cpp files by feature and call the cores for the real work.
#include <QMainWindow>
#include <filesystem>
#include <string>

#include "canvas/canvas_state.h"
#include "canvas/display.h"
#include "canvas/qt/app_context.h"
#include "canvas/qt/command_map.h"
#include "document/colour_layer.h"
#include "document/document.h"
#include "document/settings.h"
#include "document/text_file.h"
#include "extras/snake.h"
#include "platform/colours.h"
#include "platform/raster.h"
#include "tools/selection.h"
#include "tools/text_gun.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QScrollBar;
class QTimer;
class QToolBar;
class QMenu;

namespace quillo::textops {
class TMemoSearch;
}
namespace quillo::extras {
class TSelectForm;
}
namespace quillo::document {
class Toption_form;
}
namespace quillo::output {
class Tsend_form;
struct PublishChoice;
struct PicturePage;
}  // namespace quillo::output

namespace quillo::imagetext {
class Timg2html;
}

namespace quillo::output {
class Ttext_in_windows;
}

namespace quillo::canvas {

class Blackboard;
class CanvasImage;
class PenRowLabel;
class OverlayImage;
class StatusBar;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(const AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- document state (read and written by the other windows too) ----
    CanvasState canvas;
    document::Document doc;
    document::Settings settings;
    platform::WinColour canvas_text_colour = 0;
    platform::WinColour canvas_back_colour = platform::kClBtnFace;
    std::string pen_single;
    std::string pen_double;
    int pen_st = 1;           // selected pen slot (0 = eraser)
    std::string pen_text;     // copy of pen_txt, GBK
    std::string label1_text;  // the pen row Label1 shows, GBK
    int current_tool = 0;     // 0 = none
    bool press_flag = false;
    int colour_brush_mode = 0;
    bool activated = false;
    bool quick_exit = false;
    bool snake_running = false;
    std::string file_name;  // current document path (UTF-8); empty for a new document

    // ---- widgets under their component names ----
    QPlainTextEdit* source_memo = nullptr;
    Blackboard* blackboard = nullptr;
    CanvasImage* Image1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QWidget* ControlBar1 = nullptr;
    QWidget* CoolBar3 = nullptr;    // pen row bar
    QWidget* CoolBar1 = nullptr;    // game gauges
    PenRowLabel* Label1 = nullptr;  // pen row
    QLineEdit* pen_txt = nullptr;
    QLabel* Label6 = nullptr;  // eraser
    QLineEdit* Edit1 = nullptr;
    QTimer* Timer3 = nullptr;
    QMenu* Pop2 = nullptr;
    CommandMap commands;

    platform::Raster image{kImageSize, kImageSize};  // the canvas of Image1
    Display display;

    // ---- modes ----
    bool normal_mode() const;  // n_view checked
    bool double_byte() const { return canvas.double_byte; }
    bool multicolour() const;  // n_color checked

    // ---- canvas routines shared by every command ----
    void repaint_rows(int n, bool force);
    void repaint_all(bool force) { repaint_rows(canvas.height, force); }
    void init_image1();
    void enter_canvas(bool reload);
    void commit();
    void reset_tool_buttons();
    void apply_byte_mode();
    void auto_detect_byte_mode();
    void new_document();
    // Puts new lines in place of the whole document (open, new).
    void replace_document(std::vector<std::string> lines);
    void set_status(int panel, const std::string& utf8);
    void set_label1(const std::string& gbk);
    std::string status(int panel) const;

    // The document as the other commands read it: in drawing mode the window is stored first.
    document::Document& document_for_reading();
    void sync_document_from_memo();
    void sync_memo_from_document();

    const AppContext& context() const { return context_; }
    platform::UiServices& ui() { return *context_.ui; }
    // Runs a command; a platform error ends it with the standard message box.
    void run_command(const std::function<void()>& command);

    // ---- handlers ----
    void sb_undoClick(const Sender& sender);
    void n_viewClick(const Sender& sender);
    void UseChinese1Click(const Sender& sender);
    void word_wrapClick(const Sender& sender);
    void n_repareClick(const Sender& sender);
    void n_drawClick(const Sender& sender);
    void n_commomClick(const Sender& sender);
    void N12Click(const Sender& sender);
    void m7Click(const Sender& sender);
    void pop_finishClick(const Sender& sender);
    void n_howClick(const Sender& sender);
    void m2Click(const Sender& sender);
    void n_exit_quicklyClick(const Sender& sender);

    void FormActivate();
    void FormResize();
    void ScrollBar1Scroll(int position);
    void StatusBar1MouseMove(int x);
    void StatusBar1Click();
    void Image1MouseMove(int x, int y);
    void Timer3Timer();

    // ---- drawing tools (src/tools/qt/tform1_tools.cpp) ----
    void build_tool_widgets();  // parameter boxes on tb_option, pen row events
    void wire_tool_events();    // mouse events of Image1

    double aspect_ratio = 2.0;  // horizontal stretch of circles
    int hovered_slot = -1;      // pen-row slot under the mouse; -1 until hovered
    bool text_gun = false;      // the text gun has taken over the pen row
    struct ToolState;           // drag cells and cursor of the tool driver
    std::shared_ptr<ToolState> tool_state;
    QLabel* inword = nullptr;
    QLineEdit* in_txt = nullptr;       // number of random points
    QWidget* in_txt2 = nullptr;        // the aspect-ratio combo box (a QComboBox)
    QAction* in_txt_action = nullptr;  // their places on tb_option
    QAction* in_txt2_action = nullptr;

    void sbClick(const Sender& sender);
    void Image1MouseDown(int x, int y);
    void image1_move_tools(int x, int y);  // coordinate display, then the per-cell dispatch
    void Image1MouseUp(int x, int y);
    void FormClick();
    bool pen_txtKeyDown(int key);  // key: virtual-key code; true when the key is used up
    void pen_txtKeyPress();
    void pen_txtClick();
    void Label1MouseMove(int x);
    void Label1MouseDown();
    void Label1Click();
    void Label6Click();
    void in_txt2Change();
    void show_parameter_box(int mode, const std::string& caption);
    void complete_pen_box();
    // ---- end of drawing tools ----

    // ---- colours and selection (src/document/qt/tform1_colours.cpp,
    // src/tools/qt/tform1_selection.cpp) ----
    document::ColourState colours;
    tools::SelectionState selection;
    OverlayImage* write_in_imag = nullptr;  // the floating selection
    QFrame* Btop = nullptr;                 // frame bevels: rubber band and frame of the block
    QFrame* Bbottom = nullptr;
    QFrame* Bleft = nullptr;
    QFrame* Bright = nullptr;
    QMenu* Pop_1 = nullptr;
    bool image1_auto_drag = false;  // tools 3 and 4: press, move, release are a drag
    bool image1_dragging = false;

    void build_colour_widgets();
    void n_colorClick(const Sender& sender);
    void sb_font_colorClick(const Sender& sender);
    void Lb_font_colorClick(const Sender& sender);
    void apply_colour_scheme(platform::WinColour text, platform::WinColour back);
    void brush_one_cell(int column, int row);
    ColourPass colour_pass() const;
    DisplayColours display_colours() const;

    void Image1DragOver(int x, int y);
    void Image1EndDrag();
    void write_in_imagDragOver(int x, int y);
    void write_in_imagEndDrag();
    void show_floating_selection();   // overlay and frame over the selection rectangle
    bool place_floating_selection();  // places a floating block; true when it did (committed)
    void hide_selection_frame();
    // ---- end of colours and selection ----

    // ---- files and settings (src/document/qt/tform1_files.cpp) ----
    std::filesystem::path temp_dir;       // generated files (pages, views); empty: none writable
    std::filesystem::path settings_path;  // the settings file read at start (may not exist)
    document::SavedLines saved_lines;     // the document as last loaded or saved
    document::ColourGrid saved_colours;   // its colours then

    void n_newClick(const Sender& sender);
    void n_openClick(const Sender& sender);  // also n_ansi: the ANSI import
    void n_quitsaveClick(const Sender& sender);
    void n_saveClick(const Sender& sender);
    bool ask_to_save();  // false: the user cancelled
    bool document_changed();
    void remember_saved_state();
    std::string current_file_name() const;  // panel 5: "新文件.txt" for a new document
    void read_settings_at_start();
    void write_settings_at_exit();

  private:
    void write_document(const std::filesystem::path& path, bool backup);
    bool may_write_untitled();  // false when the user keeps an earlier "新文件.txt"
    void read_document_file(const std::filesystem::path& path);
    bool read_colour_file_into_layer(const std::filesystem::path& path);
    void import_ansi_file(const std::filesystem::path& path);

  public:
    // ---- end of files and settings ----

    // ---- HTML export (src/output/qt/tform1_html.cpp) ----
    std::string work_title;  // GBK; asked again at every export with this as the default

    void n_htmlClick(const Sender& sender);       // the whole work, or the floating selection
    void n_html_out2Click(const Sender& sender);  // the document in <pre>, no colours
    std::filesystem::path html_temp_dir();        // temp_dir, found on first use if still empty
                                                  // ---- end of HTML export ----

    // ---- text menu (src/textops/qt/tform1_text_menu.cpp, src/textops/qt/memo_search_qt.cpp) ----
    std::vector<std::string> txt_memo;  // the text snapshot: lines before the last command
    textops::TMemoSearch* MemoSearch1 = nullptr;  // find and replace in source_memo

    void source_memoChange();  // every change of the text disables n_undo_txt
    void attach_memo_search();
    void n_h2v_txtClick(const Sender& sender);
    void n_v2h_txtClick(const Sender& sender);
    void n_mirr_txtClick(const Sender& sender);
    void n_add_empty_lineClick(const Sender& sender);
    void n_add_empty_listClick(const Sender& sender);
    void n_dec_empty_lineClick(const Sender& sender);
    void n_dec_empty_spaceClick(const Sender& sender);
    void n_undo_txtClick(const Sender& sender);
    void N_break_textClick(const Sender& sender);
    void N_UnBreak_textClick(const Sender& sender);
    void N_searchClick(const Sender& sender);
    void n_relaceClick(const Sender& sender);
    // The text as the text menu reads it: the lines of source_memo, at least one.
    std::vector<std::string> text_menu_lines();
    // Puts lines in place of the whole text as one edit of the text box (its Ctrl+Z takes it back).
    void replace_memo_lines(std::vector<std::string> lines);
    void take_text_snapshot() { txt_memo = text_menu_lines(); }
    // ---- end of text menu ----

    // ---- character picker (src/extras/qt/tform1_picker.cpp) ----
    extras::TSelectForm* SelectForm = nullptr;
    // Double click on the pen box, and the menu item n_dictionary (F8): shows the picker.
    void pen_txtDblClick(const Sender& sender);
    // ---- end of character picker ----

    // ---- fill, replace and text gun (src/tools/qt/tform1_text_gun.cpp) ----
    output::Ttext_in_windows* text_in_windows = nullptr;  // the source-text window
    tools::GunFeed gun_feed;                              // what the text gun lays next

    void click_tools(int x, int y);  // replace and fill at cell (x, y), then commit
    void text_gun_set_up();          // selecting the text gun
    void text_gun_reload();          // the source-text window, then a new feed from its first line
    void show_gun_feed();            // the pen row shows the feed's front
    // ---- end of fill, replace and text gun ----

    // ---- canvas transforms and the selection's clipboard (src/textops/qt/tform1_transforms.cpp,
    // src/document/qt/tform1_clipboard.cpp) ----
    void n_turn_0Click(const Sender& sender);  // mirror or turn the canvas, by the sender's Tag
    void sb_clearClick(const Sender& sender);  // fill the canvas with the pen character
    void pop_cutClick(const Sender& sender);
    void pop_copyClick(const Sender& sender);
    void pop_clearClick(const Sender& sender);
    void pop_pasteClick(const Sender& sender);       // with word wrap
    void pop_paste_sameClick(const Sender& sender);  // each line cut at the block's width
    void pop_txt_fileClick(const Sender& sender);
    // The floating block's image after its text changed; size and place stay.
    void redraw_floating_selection();
    // ---- end of canvas transforms and the selection's clipboard ----

    // ---- text entry (src/tools/qt/tform1_text_entry.cpp) ----
    QPlainTextEdit* write_in_Memo = nullptr;  // vertical typing: one cell wide, over the canvas
    QLineEdit* write_in_edit = nullptr;       // horizontal typing: one row high
    struct TextEntryState;                    // where each box writes; what the entry wrote
    std::shared_ptr<TextEntryState> text_entry;

    void build_text_entry_widgets();
    void text_entry_tool_selected();      // tool 13 or 14 chosen: its box starts empty
    void text_entry_click(int x, int y);  // FormClick with tool 13 or 14 on that cell
    void write_in_MemoKeyUp(int key);
    void write_in_editKeyPress(int key);
    void write_in_MemoClick();
    void write_in_editClick();
    // From init_image1: the boxes close and text not yet written is dropped; what the entry
    // has written is committed.
    void drop_text_entry();
    // A character picked in the character picker goes into the open box at its caret (the box
    // grows to hold it); false when no box is open. A double-click in a box opens the picker.
    bool text_entry_insert(const std::string& gbk);
    // ---- end of text entry ----

    // ---- animation export and printing (src/extras/qt/tform1_animation.cpp,
    // src/extras/qt/tform1_print.cpp) ----
    void pop_mov_fileClick(const Sender& sender);  // the floating selection to Reelix
    void n_printClick(const Sender& sender);       // the current text on the default printer
    // ---- end of animation export and printing ----

    // ---- snake game (src/extras/qt/tform1_game.cpp) ----
    // The running flag is snake_running. The options dialog sets snake_start_length (2..30)
    // and shows it in Gau_long, and sets Timer1's interval from snake.level.
    extras::SnakeState snake;
    int snake_start_length = extras::kSnakeMinStartLength;  // not kept in the settings file
    QTimer* Timer1 = nullptr;                               // the step timer
    QProgressBar* gau_speed = nullptr;
    QProgressBar* Gau_long = nullptr;
    QProgressBar* Gau_far = nullptr;
    QLineEdit* Edit4 = nullptr;  // the score

    void build_game_widgets();  // the gauges in CoolBar1, Timer1, the game's keys
    void N_game_singleClick(const Sender& sender);
    void N_game_overClick(const Sender& sender);
    void n_game_paulsClick(const Sender& sender);
    void N9Click(const Sender& sender);
    void Timer1Timer();
    void snake_pen_key(int key);    // a key in pen_txt while the game runs
    void snake_edit1_key(int key);  // a key in Edit1 while the game runs
    void game_board_resized();      // the canvas changed size under a running game
    void show_game_gauges();
    // ---- end of snake game ----

    // ---- publishing and text views (src/output/qt/tform1_publish.cpp,
    // src/output/qt/tform1_views.cpp) ----
    output::Tsend_form* send_form = nullptr;  // the upload dialog

    void N15Click(const Sender& sender);  // N15, Tb_out, send2web: the upload dialog, modal
    // The plain-text view of the work; from pop_html the HTML code of the selection instead.
    void n_notepad_outClick(const Sender& sender);
    void n_quillo_outClick(const Sender& sender);  // the work handed to a new instance
    void n_my_pageClick(const Sender& sender);
    void emailClick(const Sender& sender);
    void n_updateClick(const Sender& sender);  // Whats_new.txt
    // A page through the chosen site's template: the work or the selection (the canvas
    // template), or a picture the image window converted (the image template). False when no
    // page was made (the template was missing or unusable; the message has been shown).
    bool publish_canvas(const output::PublishChoice& choice);
    bool publish_picture(const output::PicturePage& picture, const output::PublishChoice& choice);
    // The body builder's lines for the selection buffer, in the canvas colours.
    std::vector<std::string> selection_body_lines();
    // The image window's tb_send publishes its converted picture through the upload dialog.
    void wire_picture_publishing();
    // ---- end of publishing and text views ----

    // ---- image to text art (src/imagetext/qt/tform1_img2html.cpp) ----
    imagetext::Timg2html* img2html = nullptr;
    void m_img2htmlClick(const Sender& sender);  // F6: the image window, modal
    // Rows of text art (at most 80, all `cells` wide) become the selection buffer and float at
    // the canvas's top-left corner with the selection colours already set, as after a paste.
    void float_image_art(const std::vector<std::string>& rows, int cells);
    // ---- end of image to text art ----

    // ---- options dialog (src/document/qt/tform1_options.cpp) ----
    document::Toption_form* option_form = nullptr;
    void Change1Click(const Sender& sender);  // n_option (F4): opens on the first page
    void N7Click(const Sender& sender);       // n_game_option: opens on the game page
    bool colour_at_start() const;             // CBox_color_start: written as color_mode at exit
    bool htm_show() const;                    // cb_htm_show: exported pages go to the browser
    // source_memo's font colour and colour from settings.txt_font_color and txt_back_color.
    void apply_memo_colours();
    // ---- end of options dialog ----

    // ---- UTF-8 text, PNG and ANSI export, zoom (src/interop/qt/tform1_interop.cpp,
    // src/interop/qt/tform1_zoom.cpp) ----
    int zoom_factor = 1;  // screen pixels per canvas pixel, 1..4

    void n_utf8_openClick(const Sender& sender);  // a UTF-8 text becomes a new GBK document
    void n_utf8_saveClick(const Sender& sender);  // the document as a UTF-8 copy elsewhere
    void n_png_outClick(const Sender& sender);    // Tag 1: the floating selection alone
    void n_ansi_outClick(const Sender& sender);   // the canvas with 24-bit colour escapes
    void n_zoom_inClick(const Sender& sender);
    void n_zoom_outClick(const Sender& sender);
    void n_zoom_defaultClick(const Sender& sender);  // the factor of the screen
    void n_zoom_factorClick(const Sender& sender);   // Tag: the factor
    // A ".txt" about to be opened that is UTF-8 and no GBK: asks whether to read it as UTF-8,
    // and does. True when it was read so (the caller then reads nothing).
    bool offer_utf8_reading(const std::filesystem::path& path);
    // ANSI import: the file's bytes, as GBK; a UTF-8 file is converted when the user says so.
    std::string ansi_import_bytes(const std::filesystem::path& path);
    void set_up_interop();  // at creation: the screen's zoom factor, zoom keys, menu places
    void set_zoom(int factor);
    // Lengths on the panel: widget units <-> canvas pixels at the zoom.
    int to_canvas_pixels(int widget_units) const;
    int to_widget_units(int canvas_pixels) const;
    // ---- end of UTF-8 text, PNG and ANSI export, zoom ----

    // ---- command map (src/canvas/qt/tform1_commands.cpp) ----
    // The whole-picture transforms and the fill, in the menu n_all and on tb_repare: out of
    // reach while multicolour mode is on, since the colour layer does not follow them.
    void set_whole_picture_enabled(bool on);
    // ---- end of command map ----

    // ---- the other windows: created once after the main window, alive until exit
    // (src/canvas/qt/tform1_windows.cpp) ----
    void create_other_windows();
    // ---- end of the other windows ----

  signals:
    void splash_should_close();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void show_mode_widgets();  // the widgets of the editing mode, as activation shows them
    void build_widgets();
    void open_command_line_file();
    void toggle_tool_bar(const char* item, QWidget* bar, int width);
    bool FormCloseQuery();
    platform::Rgb rgb(platform::WinColour c) const;

    AppContext context_;
    bool created_ = false;
    bool memo_dirty_ = false;
    bool memo_loading_ = false;
    bool setting_scroll_ = false;
    bool dragged_ = false;        // the last release ended a drag: no click follows
    int applied_byte_mode_ = -1;  // -1: none applied yet
    int status_mouse_x_ = 0;
    QSize resized_for_;             // the window's size when the canvas last followed it
    bool resized_in_game_ = false;  // and whether the snake game's layout was shown then
};

}  // namespace quillo::canvas
