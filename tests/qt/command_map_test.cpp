// The whole command map against the menus as designed: every menu item, context-menu item and
// tool button with its caption or hint, key, Tag, handler and place, and whether a user can
// reach it in each mode of the main window. The expected table is written out here by hand, so
// that a change of the program's table shows up as a difference.
#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolBar>
#include <map>
#include <set>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/tool_icons.h"
#include "window_fixture.h"

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace quillo::testing {

namespace {

using canvas::EntryKind;
using canvas::Handler;
using canvas::TForm1;

constexpr auto M = EntryKind::menu;
constexpr auto I = EntryKind::item;
constexpr auto TB = EntryKind::tool_bar;
constexpr auto B = EntryKind::button;
constexpr auto P = EntryKind::popup;
constexpr Handler none = nullptr;
constexpr int kAnyTag = -1;            // menus and tool bars: no Tag to check
constexpr char kNoCaption[] = "\x01";  // tool bars the design gives no caption

// Whether a user can reach the command, in the modes
//   N normal editing, D drawing, C drawing in multicolour mode, G snake game running (drawing),
//   S a selection floating (drawing)
// 'y' reachable, 'n' not: disabled, under a disabled menu, or on a hidden tool bar or control.
struct Expected {
    const char* name;
    const char* parent;
    EntryKind kind;
    const char* caption;  // tool buttons: the hint
    const char* key;
    int tag;
    Handler handler;
    const char* reach;  // "NDCGS"
};

// clang-format off
const std::vector<Expected> kDesigned{
    // Main menu MainMenu1.
    {"m1", "", M, "[&F] 文件", "", kAnyTag, none, "yyyny"},
    {"n_new", "m1", I, "新建[&New]", "", 0, &TForm1::n_newClick, "yyyny"},
    {"n_open", "m1", I, "打开[&Open] ", "", 0, &TForm1::n_openClick, "yyyny"},
    {"n_quitsave", "m1", I, "保存[&Save] ", "", 0, &TForm1::n_quitsaveClick, "yyyny"},
    {"n_save", "m1", I, "另存为[Save as] ", "", 0, &TForm1::n_saveClick, "yyyny"},
    {"n_ansi", "m1", I, "导入ANSI文件", "", 0, &TForm1::n_openClick, "yyyny"},
    {"n_print", "m1", I, "打印[&Print]", "", 0, &TForm1::n_printClick, "yyyny"},
    {"n_exit", "m1", I, "退出[&Exit] ", "F12", 0, &TForm1::m2Click, "yyyny"},
    {"n_exit_quickly", "m1", I, "快速退出[&Quit]", "", 0, &TForm1::n_exit_quicklyClick, "yyyny"},

    {"m2", "", M, "[&O] 选项", "", kAnyTag, none, "yyyny"},
    {"n_option", "m2", I, "高级设置[&A] ", "F4", 0, &TForm1::Change1Click, "yyyny"},
    {"word_wrap", "m2", I, "自动换行(&W)", "", 0, &TForm1::word_wrapClick, "ynnnn"},

    {"m3", "", M, "[&P]画图菜单", "", kAnyTag, none, "nyyny"},
    {"n_undo", "m3", I, "撤消操作", "Ctrl+Z", 0, &TForm1::sb_undoClick, "nyyny"},
    {"usechinese1", "m3", I, "半/全角切换", "F5", 0, &TForm1::UseChinese1Click, "nyyny"},
    {"n_color", "m3", I, "多彩模式", "F10", 0, &TForm1::n_colorClick, "nyyny"},
    {"n_all", "m3", M, "整幅处理", "", kAnyTag, none, "nynny"},
    {"n_mirr_h", "n_all", I, "水平镜象", "Ctrl+A", 4, &TForm1::n_turn_0Click, "nynny"},
    {"n_mirr_v", "n_all", I, "垂直镜象", "Ctrl+S", 2, &TForm1::n_turn_0Click, "nynny"},
    {"n_turn_left", "n_all", I, "前部旋转", "Ctrl+D", 3, &TForm1::n_turn_0Click, "nynny"},
    {"n_turn_right", "n_all", I, "后部旋转", "Ctrl+F", 1, &TForm1::n_turn_0Click, "nynny"},
    // Given the fill of sb2_clear, as the canvas transforms have it.
    {"n_clear", "n_all", I, "清屏[&Q]", "", 0, &TForm1::sb_clearClick, "nynny"},
    {"m6", "m3", M, "工具栏[&t]", "", kAnyTag, none, "nyyny"},
    {"n_repare", "m6", I, "处理[&p]", "", 0, &TForm1::n_repareClick, "nyyny"},
    {"n_draw", "m6", I, "绘图[&d]", "", 0, &TForm1::n_drawClick, "nyyny"},
    {"n_commom", "m6", I, "常规[&c]", "", 0, &TForm1::n_commomClick, "nyyny"},
    {"N12", "m6", I, "参数[&o]", "", 0, &TForm1::N12Click, "nyyny"},
    {"m7", "m6", I, "色彩[&m]", "", 0, &TForm1::m7Click, "nnynn"},
    {"n_order", "m3", M, "绘图命令", "", kAnyTag, none, "nyyny"},
    {"n_replce", "n_order", I, "替代 [&R]", "", 1, &TForm1::sbClick, "nyyny"},
    {"n_fill", "n_order", I, "填充 [&F]", "", 2, &TForm1::sbClick, "nyyny"},
    {"n_move", "n_order", I, "移动 [&M]", "", 3, &TForm1::sbClick, "nyyny"},
    {"n_copy", "n_order", I, "复制 [&Y]", "", 4, &TForm1::sbClick, "nyyny"},
    {"n_circle", "n_order", I, "画圆 [&C]", "", 5, &TForm1::sbClick, "nyyny"},
    {"n_rectangel", "n_order", I, "矩形 [&J]", "", 6, &TForm1::sbClick, "nyyny"},
    {"n_line", "n_order", I, "直线 [&L]", "", 7, &TForm1::sbClick, "nyyny"},
    {"n_gun", "n_order", I, "扫射 [&G]", "", 8, &TForm1::sbClick, "nyyny"},
    {"n_free", "n_order", I, "随意 [&E]", "", 9, &TForm1::sbClick, "nyyny"},
    {"n_arc", "n_order", I, "弧线 [&A]", "", 10, &TForm1::sbClick, "nyyny"},
    {"n_ram", "n_order", I, "随机 [&S]", "", 11, &TForm1::sbClick, "nyyny"},
    {"n_point", "n_order", I, "单点 [&P]", "", 12, &TForm1::sbClick, "nyyny"},
    {"n_text_v", "n_order", I, "竖文 [&V]", "", 13, &TForm1::sbClick, "nyyny"},
    {"n_text_h", "n_order", I, "横文 [&H]", "", 14, &TForm1::sbClick, "nyyny"},

    {"n_total_txt", "", M, "[&A]文本菜单", "", kAnyTag, none, "ynnnn"},
    {"N_search", "n_total_txt", I, "查找字符", "", 0, &TForm1::N_searchClick, "ynnnn"},
    {"n_relace", "n_total_txt", I, "替换", "", 0, &TForm1::n_relaceClick, "ynnnn"},
    {"n_h2v_txt", "n_total_txt", I, "横读变竖读 ", "", 0, &TForm1::n_h2v_txtClick, "ynnnn"},
    {"n_v2h_txt", "n_total_txt", I, "竖读变横读", "", 0, &TForm1::n_v2h_txtClick, "ynnnn"},
    {"n_mirr_txt", "n_total_txt", I, "左右置换 ", "", 0, &TForm1::n_mirr_txtClick, "ynnnn"},
    {"n_add_empty_line", "n_total_txt", I, "加空行", "", 0, &TForm1::n_add_empty_lineClick, "ynnnn"},
    {"n_add_empty_list", "n_total_txt", I, "加空列", "", 0, &TForm1::n_add_empty_listClick, "ynnnn"},
    {"n_dec_empty_line", "n_total_txt", I, "去空行", "", 0, &TForm1::n_dec_empty_lineClick, "ynnnn"},
    {"n_dec_empty_space", "n_total_txt", I, "去空格", "", 0, &TForm1::n_dec_empty_spaceClick, "ynnnn"},
    // Nothing to restore before the first text command.
    {"n_undo_txt", "n_total_txt", I, "恢复", "", 0, &TForm1::n_undo_txtClick, "nnnnn"},
    {"N_break_text", "n_total_txt", M, "错乱处理", "", kAnyTag, none, "ynnnn"},
    {"N20", "N_break_text", I, "错乱列序", "", 1, &TForm1::N_break_textClick, "ynnnn"},
    {"N21", "N_break_text", I, "错乱行序", "", 2, &TForm1::N_break_textClick, "ynnnn"},
    {"N23", "N_break_text", I, "列序还原", "", 3, &TForm1::N_UnBreak_textClick, "ynnnn"},
    {"N24", "N_break_text", I, "行序还原", "", 4, &TForm1::N_UnBreak_textClick, "ynnnn"},

    {"N13", "", M, "[&S]窗口切换", "", kAnyTag, none, "yyyyy"},
    {"n_view", "N13", I, "编辑界面切换", "F3", 0, &TForm1::n_viewClick, "yyyny"},
    {"m_img2html", "N13", I, "图片转文字", "F6", 0, &TForm1::m_img2htmlClick, "yyyny"},
    {"n_dictionary", "N13", I, "打开小字典", "F8", 0, &TForm1::pen_txtDblClick, "yyyyy"},
    {"m4", "N13", M, "游戏", "", kAnyTag, none, "nyyyy"},
    {"g1", "m4", I, "开始游戏", "F9", 0, &TForm1::N_game_singleClick, "nyyyy"},
    {"N_game_over", "m4", I, "结束游戏", "", 0, &TForm1::N_game_overClick, "nnnyn"},
    {"n_game_pauls", "m4", I, "暂停游戏", "", 0, &TForm1::n_game_paulsClick, "nnnyn"},
    {"N9", "m4", I, "继续游戏", "", 0, &TForm1::N9Click, "nnnnn"},
    {"n_game_option", "N13", I, "游戏选项", "", 0, &TForm1::N7Click, "yyyyy"},

    {"m5", "", M, "[&W]Quillo", "", kAnyTag, none, "yyyyy"},
    {"n_my_page", "m5", I, "我的主页", "F10", 0, &TForm1::n_my_pageClick, "yyyyy"},
    {"n_my_email", "m5", I, "给我Email", "F11", 0, &TForm1::emailClick, "yyyyy"},
    {"n_how", "m5", I, "(&U) 使用说明", "F1", 0, &TForm1::n_howClick, "yyyyy"},
    {"n_update", "m5", I, "关于新版本", "", 0, &TForm1::n_updateClick, "yyyyy"},

    {"N_out", "", M, "[&D]作品输出", "", kAnyTag, none, "yyyyy"},
    {"n_html_out", "N_out", I, "超文本（完整）", "F7", 0, &TForm1::n_htmlClick, "yyyyy"},
    {"n_html_out2", "N_out", I, "超文本（简化）", "", 0, &TForm1::n_html_out2Click, "yyyyy"},
    {"n_notepad_out", "N_out", I, "记事本（纯文本）", "", 0, &TForm1::n_notepad_outClick, "yyyyy"},
    {"n_quillo_out", "N_out", I, "新的Quillo", "", 0, &TForm1::n_quillo_outClick, "yyyyy"},
    {"N15", "N_out", I, "发表（html）", "", 0, &TForm1::N15Click, "yyyny"},

    // Context menu Pop_1, on the floating selection.
    {"Pop_1", "", P, "", "", kAnyTag, none, "nnnny"},
    {"pop_finish", "Pop_1", I, "确定", "", 0, &TForm1::pop_finishClick, "nnnny"},
    {"pop_cut", "Pop_1", I, "剪切选中的文本 Cut", "", 0, &TForm1::pop_cutClick, "nnnny"},
    {"pop_copy", "Pop_1", I, "复制选中的文本 Copy", "", 0, &TForm1::pop_copyClick, "nnnny"},
    {"pop_clear", "Pop_1", I, "清除选中的文本 Clear", "", 0, &TForm1::pop_clearClick, "nnnny"},
    {"pop_paste", "Pop_1", I, "自动换行粘贴 Paste 1", "", 0, &TForm1::pop_pasteClick, "nnnny"},
    {"pop_paste_same", "Pop_1", I, "不换行粘贴 Paste 2", "", 0, &TForm1::pop_paste_sameClick, "nnnny"},
    {"send2web", "Pop_1", I, "输送上网  Inet", "", 0, &TForm1::N15Click, "nnnny"},
    {"pop_html_file", "Pop_1", I, "选择内容输出为网页", "", 0, &TForm1::n_htmlClick, "nnnny"},
    {"pop_txt_file", "Pop_1", I, "选择内容保存为文本", "", 0, &TForm1::pop_txt_fileClick, "nnnny"},
    {"pop_mov_file", "Pop_1", I, "选择内容输出为动画", "", 0, &TForm1::pop_mov_fileClick, "nnnny"},
    {"pop_html", "Pop_1", I, "查看选择内容的HTML代码", "", 0, &TForm1::n_notepad_outClick, "nnnny"},

    // Context menu Pop2, on the canvas.
    {"Pop2", "", P, "", "", kAnyTag, none, "nyyny"},
    {"pop2_undo", "Pop2", I, "撤消 Undo", "", 0, &TForm1::sb_undoClick, "nyyny"},
    {"pop2_paste", "Pop2", I, "粘贴 Paste", "", 0, none, "nnnnn"},
    {"Output1", "Pop2", M, "输出 Output", "", kAnyTag, none, "nyyny"},
    {"pop2_html2", "Output1", I, "超文本格式（简）", "", 0, &TForm1::n_html_out2Click, "nyyny"},
    {"pop2_html", "Output1", I, "超文本格式（长）", "", 0, &TForm1::n_htmlClick, "nyyny"},
    {"pop2_notepad", "Output1", I, "记事本程序", "", 0, &TForm1::n_notepad_outClick, "nyyny"},

    // Tool bars in ControlBar1, buttons in order; a button's caption is its hint.
    {"tb_commom", "", TB, "常规工具栏", "", kAnyTag, none, "nyyny"},
    {"ToolButton5", "tb_commom", B, "新建文档", "", 0, &TForm1::n_newClick, "nyyny"},
    {"TB_open", "tb_commom", B, "打开文件", "", 0, &TForm1::n_openClick, "nyyny"},
    {"ToolButton7", "tb_commom", B, "快速保存", "", 0, &TForm1::n_quitsaveClick, "nyyny"},
    {"ToolButton8", "tb_commom", B, "使用帮助", "", 0, &TForm1::n_howClick, "nyyny"},
    {"ToolButton9", "tb_commom", B, "普通/绘图编辑方式切换", "", 0, &TForm1::n_viewClick, "nyyny"},
    {"ToolButton_undo", "tb_commom", B, "撤消上一步操作", "", 0, &TForm1::sb_undoClick, "nyyny"},
    {"SB_mov", "tb_commom", B, "Reelix", "", 0, &TForm1::pop_mov_fileClick, "nyyny"},
    {"sb2_pic2htm", "tb_commom", B, "将图片转化为文字画", "", 0, &TForm1::m_img2htmlClick, "nyyny"},

    {"tb_drawtool", "", TB, "文本绘图工具栏", "", kAnyTag, none, "nyyny"},
    {"sb1_replace", "tb_drawtool", B, "取代", "", 1, &TForm1::sbClick, "nyyny"},
    {"sb1_fill", "tb_drawtool", B, "填充", "", 2, &TForm1::sbClick, "nyyny"},
    {"sb1_move", "tb_drawtool", B, "圈定/移动", "", 3, &TForm1::sbClick, "nyyny"},
    {"sb1_drag", "tb_drawtool", B, "圈定/复制", "", 4, &TForm1::sbClick, "nyyny"},
    {"sb2_circle", "tb_drawtool", B, "画圆", "", 5, &TForm1::sbClick, "nyyny"},
    {"sb2_certage", "tb_drawtool", B, "画矩形", "", 6, &TForm1::sbClick, "nyyny"},
    {"sb2_line", "tb_drawtool", B, "直线", "", 7, &TForm1::sbClick, "nyyny"},
    {"sb2_gun", "tb_drawtool", B, "文字枪", "", 8, &TForm1::sbClick, "nyyny"},
    {"sb2_draw", "tb_drawtool", B, "随意线", "", 9, &TForm1::sbClick, "nyyny"},
    {"sb2_ram", "tb_drawtool", B, "随机画点", "", 11, &TForm1::sbClick, "nyyny"},
    {"sb2_dot", "tb_drawtool", B, "画点", "", 12, &TForm1::sbClick, "nyyny"},
    {"sb2_type_v", "tb_drawtool", B, " 竖文字输入", "", 13, &TForm1::sbClick, "nyyny"},
    {"sb2_type_h", "tb_drawtool", B, "横文字输入", "", 14, &TForm1::sbClick, "nyyny"},

    // The transform bar is hidden and its commands are out of reach in multicolour mode.
    {"tb_repare", "", TB, "文本处理工具栏", "", kAnyTag, none, "nynny"},
    {"sb1_mirror_v", "tb_repare", B, "垂直镜像", "", 2, &TForm1::n_turn_0Click, "nynny"},
    {"sb1_mirror_h", "tb_repare", B, "水平镜像", "", 4, &TForm1::n_turn_0Click, "nynny"},
    {"sb1_turn_left", "tb_repare", B, "前部旋转", "", 3, &TForm1::n_turn_0Click, "nynny"},
    {"sb1_turn_right", "tb_repare", B, "后部旋转", "", 1, &TForm1::n_turn_0Click, "nynny"},
    {"sb2_clear", "tb_repare", B, "全图清除", "", 0, &TForm1::sb_clearClick, "nynny"},

    // The colour buttons and labels, shown in multicolour mode only.
    {"TB_color", "", TB, kNoCaption, "", kAnyTag, none, "nnynn"},
    {"sb_font_color", "TB_color", B, "添加前景色", "", 1, &TForm1::sb_font_colorClick, "nnynn"},
    {"sb_back_color", "TB_color", B, "添加背景色", "", 2, &TForm1::sb_font_colorClick, "nnynn"},
    {"sb_clear_color", "TB_color", B, "逐个清除颜色", "", 3, &TForm1::sb_font_colorClick, "nnynn"},
    {"sb_clear_all_color", "TB_color", B, "清除全部上色", "", 4, &TForm1::sb_font_colorClick, "nnynn"},
    {"sb_undo_color", "TB_color", B, "撤回上色", "", 5, &TForm1::sb_font_colorClick, "nnynn"},
    {"Lb_font_color", "TB_color", B, "选择前景色", "", 1, &TForm1::Lb_font_colorClick, "nnynn"},
    {"Lb_back_color", "TB_color", B, "选择背景色", "", 2, &TForm1::Lb_font_colorClick, "nnynn"},
    {"Lb_map_font_color", "TB_color", B, "选择前景色", "", 3, &TForm1::Lb_font_colorClick, "nnynn"},
    {"Lb_map_back_color", "TB_color", B, "选择背景色", "", 4, &TForm1::Lb_font_colorClick, "nnynn"},

    // The parameter boxes are widgets of the drawing tools, no commands.
    {"tb_option", "", TB, kNoCaption, "", kAnyTag, none, "nyyny"},

    {"Tb_output", "", TB, kNoCaption, "", kAnyTag, none, "nyyny"},
    {"TB_html", "Tb_output", B, "输出为网页", "", 0, &TForm1::n_htmlClick, "nyyny"},
    {"Tb_txt", "Tb_output", B, "输出为文本", "", 0, &TForm1::n_notepad_outClick, "nyyny"},
    {"Tb_out", "Tb_output", B, "上传上网", "", 0, &TForm1::N15Click, "nyyny"},
};
// clang-format on

// Commands of the program's own beyond the menus above: each must be named here.
const std::set<std::string> kAdditionalCommands{
    // The file menu: UTF-8 text in and out, picture and ANSI export.
    "n_utf8_open", "n_utf8_save", "n_png_out", "n_png_block", "n_ansi_out",
    // The zoom of the canvas view, in the window menu.
    "n_zoom", "n_zoom_in", "n_zoom_out", "n_zoom_default", "n_zoom_1", "n_zoom_2", "n_zoom_3",
    "n_zoom_4"};

// The labels of the colour bar show their colour through their face text; every other button
// shows a picture.
const std::set<std::string> kFaceOnly{"Lb_font_color", "Lb_back_color", "Lb_map_font_color",
                                      "Lb_map_back_color"};

enum Mode { kNormal, kDrawing, kMulticolour, kGame, kSelection, kModeCount };
constexpr const char* kModeNames[] = {"normal editing", "drawing", "multicolour", "game running",
                                      "selection floating"};

class CommandMapTest : public WindowTest {
  protected:
    const canvas::CommandMap& map() const { return form->commands; }

    const Expected* designed(const std::string& name) const {
        for (const auto& e : kDesigned)
            if (name == e.name) return &e;
        return nullptr;
    }

    // The popup or tool bar an entry ends up in, through its submenus.
    std::string root_of(std::string name) const {
        while (const auto* e = map().entry(QString::fromStdString(name))) {
            if (!*e->parent) return name;
            name = e->parent;
        }
        return name;
    }

    bool reachable(const std::string& name) const {
        const QString qname = QString::fromStdString(name);
        const auto* e = map().entry(qname);
        if (!e) return false;
        if (e->kind == EntryKind::tool_bar) return map().tool_bar(qname)->isVisible();
        if (e->kind != EntryKind::popup && !map().effectively_enabled(qname)) return false;
        const std::string root = root_of(name);
        if (root == "Pop_1") return form->write_in_imag->isVisible();
        if (root == "Pop2") return form->Image1->isVisible() && form->Image1->isEnabled();
        if (e->kind == EntryKind::button) return map().tool_bar(e->parent)->isVisible();
        return true;
    }

    void enter(Mode mode) {
        if (mode == kNormal) {
            if (!form->normal_mode()) click("n_view");
            return;
        }
        if (form->normal_mode()) click("n_view");
        if (mode == kMulticolour) click("n_color");
        if (mode == kGame) click("g1");
        if (mode == kSelection) form->float_image_art({"ab", "cd"}, 2);
        settle();
    }

    void leave(Mode mode) {
        if (mode == kMulticolour) click("n_color");
        if (mode == kGame) click("N_game_over");
        if (mode == kSelection) click("pop_finish");
    }

    // Shortcut keys of the main window that run a command now, with the commands they run.
    std::multimap<QString, QString> live_keys() const {
        std::multimap<QString, QString> keys;
        for (QAction* a : form->findChildren<QAction*>())
            if (a->isEnabled())
                for (const QKeySequence& key : a->shortcuts())
                    keys.emplace(key.toString(QKeySequence::PortableText), a->objectName());
        return keys;
    }

    void press(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        static ulong timestamp = 0;
        w->setFocus();
        if (!qt_sendShortcutOverrideEvent(w, ++timestamp, key, mods, QString())) {
            QKeyEvent ev(QEvent::KeyPress, key, mods);
            QApplication::sendEvent(w, &ev);
        }
        settle();
    }
};

TEST_F(CommandMapTest, EveryEntryAsDesignedAndNoOther) {
    start();
    for (const auto& x : kDesigned) {
        SCOPED_TRACE(x.name);
        const QString name = x.name;
        const canvas::CommandEntry* e = map().entry(name);
        ASSERT_NE(e, nullptr) << "missing";
        EXPECT_STREQ(e->parent, x.parent);
        EXPECT_EQ(e->kind, x.kind);
        if (std::string(x.caption) != kNoCaption) {
            EXPECT_STREQ(e->caption, x.caption);
        }
        EXPECT_STREQ(e->shortcut, x.key);
        if (x.tag != kAnyTag) {
            EXPECT_EQ(e->tag, x.tag);
        }
        EXPECT_TRUE(e->handler == x.handler) << "bound to another handler";
        if (QAction* a = map().action(name); a && x.kind == I) {
            EXPECT_EQ(a->text(), QString::fromUtf8(x.caption));
        } else if (a && x.kind == B) {
            EXPECT_EQ(a->toolTip(), QString::fromUtf8(x.caption));
        }
        if (x.kind == I || x.kind == B) {
            // Nothing stands disabled for want of a handler: only the paste of Pop2 is inert.
            EXPECT_TRUE(e->handler != nullptr || name == "pop2_paste");
        }
    }
    for (const QString& name : map().names()) {
        const std::string n = name.toStdString();
        EXPECT_TRUE(designed(n) || kAdditionalCommands.count(n))
            << n << " is neither a command of the menus as designed nor listed as additional";
    }

    // Check marks and the items disabled at start.
    for (const char* name : {"n_repare", "n_draw", "n_commom", "N12", "m7"})
        EXPECT_TRUE(map().checked(name)) << name;
    for (const char* name : {"n_view", "usechinese1", "n_color", "word_wrap"})
        EXPECT_FALSE(map().checked(name)) << name;
    for (const char* name : {"word_wrap", "N_game_over", "n_game_pauls", "N9", "pop2_paste"})
        EXPECT_FALSE(map().enabled(name)) << name;

    // The order of each menu, context menu and tool bar, separators aside; a separator only ever
    // stands between two groups.
    std::map<std::string, std::vector<std::string>> order;
    for (const auto& x : kDesigned)
        if (*x.parent) order[x.parent].push_back(x.name);
    for (const auto& [parent, names] : order) {
        SCOPED_TRACE(parent);
        const QString qparent = QString::fromStdString(parent);
        const QList<QAction*> actions = map().menu(qparent) ? map().menu(qparent)->actions()
                                                            : map().tool_bar(qparent)->actions();
        std::vector<std::string> seen;
        bool after_separator = true;
        for (QAction* a : actions) {
            if (a->isSeparator()) {
                EXPECT_FALSE(after_separator) << "a separator first or after another";
                after_separator = true;
                continue;
            }
            after_separator = false;
            const std::string n = a->objectName().toStdString();
            if (!kAdditionalCommands.count(n)) seen.push_back(n);
        }
        EXPECT_FALSE(after_separator && !actions.isEmpty()) << "a separator last";
        EXPECT_EQ(seen, names);
    }
    // The six tool bars stand in ControlBar1 in this order; the main menu's too.
    QStringList bars;
    for (QToolBar* bar : form->ControlBar1->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        bars << bar->objectName();
    EXPECT_EQ(bars, QStringList({"tb_commom", "tb_drawtool", "tb_repare", "TB_color", "tb_option",
                                 "Tb_output"}));
    QStringList menus;
    for (QAction* a : form->menuBar()->actions()) menus << a->objectName();
    EXPECT_EQ(menus, QStringList({"m1", "m2", "m3", "n_total_txt", "N13", "m5", "N_out"}));
}

TEST_F(CommandMapTest, EachModeOffersWhatItShould) {
    start(write_file("a.txt", "abc\nxyz\n").string());
    for (int mode = 0; mode < kModeCount; ++mode) {
        SCOPED_TRACE(kModeNames[mode]);
        enter(Mode(mode));
        std::string wrong;
        for (const auto& x : kDesigned) {
            const bool expected = x.reach[mode] == 'y';
            if (reachable(x.name) != expected)
                wrong += std::string(" ") + x.name + (expected ? "(off)" : "(on)");
        }
        EXPECT_EQ(wrong, "") << "reachable against the design (what the program does in brackets)";
        leave(Mode(mode));
    }

    // Word wrap takes the mode switch away until it is turned off.
    enter(kNormal);
    click("word_wrap");
    EXPECT_FALSE(reachable("n_view"));
    click("word_wrap");
    EXPECT_TRUE(reachable("n_view"));

    // A paused game offers to go on, not to pause again; leaving gives everything back.
    enter(kDrawing);
    click("g1");
    click("n_game_pauls");
    EXPECT_TRUE(reachable("N9"));
    EXPECT_FALSE(reachable("n_game_pauls"));
    click("N_game_over");
    for (const char* name : {"N_game_over", "n_game_pauls", "N9"}) EXPECT_FALSE(reachable(name));
    for (const char* name : {"n_view", "m_img2html", "m1", "m2", "m3", "N15", "sb2_line"})
        EXPECT_TRUE(reachable(name)) << name;
}

TEST_F(CommandMapTest, StartingInNormalModeOrInMulticolour) {
    // The start-up view 2: normal editing, the drawing menu and the game disabled at creation.
    write_file("quillo.ini", "[display]\ndecide_form_mode=2\ncolor_mode=1\n");
    start();
    EXPECT_TRUE(form->normal_mode());
    for (const char* name : {"m3", "m4", "g1", "word_wrap", "n_total_txt"})
        EXPECT_EQ(reachable(name),
                  name == std::string("word_wrap") || name == std::string("n_total_txt"))
            << name;
    // Multicolour from the settings: in drawing mode the transforms are out of reach, as after
    // choosing multicolour mode there.
    click("n_view");
    EXPECT_TRUE(form->multicolour());
    for (const char* name : {"n_all", "n_mirr_h", "sb1_mirror_v", "sb2_clear", "tb_repare"})
        EXPECT_FALSE(reachable(name)) << name;
    for (const char* name : {"m7", "sb_font_color", "n_color"})
        EXPECT_TRUE(reachable(name)) << name;
    click("n_color");
    for (const char* name : {"n_all", "n_mirr_h", "sb1_mirror_v", "sb2_clear"})
        EXPECT_TRUE(reachable(name)) << name;
    EXPECT_FALSE(reachable("m7"));
}

TEST_F(CommandMapTest, NoKeyRunsTwoCommandsInAnyMode) {
    start(write_file("a.txt", "abc\n").string());
    for (int mode = 0; mode < kModeCount; ++mode) {
        SCOPED_TRACE(kModeNames[mode]);
        enter(Mode(mode));
        const auto keys = live_keys();
        for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first)) {
            QStringList holders;
            for (auto [from, to] = keys.equal_range(it->first); from != to; ++from)
                holders << from->second;
            EXPECT_EQ(holders.size(), 1)
                << it->first.toStdString() << ": " << holders.join(' ').toStdString();
        }
        // F10 is the multicolour switch's where it is enabled, the home page's elsewhere.
        const bool drawing_menu = map().effectively_enabled("n_color");
        EXPECT_EQ(keys.count("F10"), 1u);
        EXPECT_EQ(map().action("n_color")->shortcut().isEmpty(), false);
        EXPECT_EQ(map().action("n_my_page")->shortcut().isEmpty(), drawing_menu);
        leave(Mode(mode));
    }

    // F10 by key: drawing mode turns multicolour on and off...
    enter(kDrawing);
    press(form->pen_txt, Qt::Key_F10);
    EXPECT_TRUE(form->multicolour());
    press(form->pen_txt, Qt::Key_F10);
    EXPECT_FALSE(form->multicolour());
    // ...and F3 switches to normal editing, where it switches back while no search was made.
    press(form->pen_txt, Qt::Key_F3);
    EXPECT_TRUE(form->normal_mode());
    press(form->source_memo, Qt::Key_F3);
    EXPECT_FALSE(form->normal_mode());
}

// The pictures of the tool buttons: every button but the colour labels has its own, drawn
// sharp: at 1x most of its pixels are fully covered or fully clear, not blurred in between.
TEST_F(CommandMapTest, ToolButtonsShowTheirOwnPictures) {
    start();
    EXPECT_FALSE(form->windowIcon().isNull());
    QSvgRenderer program(QStringLiteral(":/quillo/quillo.svg"));
    EXPECT_TRUE(program.isValid());

    std::set<QByteArray> pictures;
    std::size_t with_picture = 0;
    for (const auto& e : canvas::command_table()) {
        if (e.kind != EntryKind::button) continue;
        SCOPED_TRACE(e.name);
        QAction* a = map().action(e.name);
        ASSERT_NE(a, nullptr);
        if (kFaceOnly.count(e.name)) {
            EXPECT_TRUE(a->icon().isNull());
            continue;
        }
        ASSERT_FALSE(a->icon().isNull());
        ++with_picture;
        for (const int scale : {1, 2}) {
            const QImage image = a->icon()
                                     .pixmap(QSize(16, 16), scale)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(image.size(), QSize(16 * scale, 16 * scale));
            int covered = 0;
            int partial = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    covered += alpha >= 224;
                    partial += alpha > 32 && alpha < 224;
                }
            EXPECT_GE(covered, 8 * scale * scale) << "almost nothing drawn at " << scale << "x";
            if (scale == 1) {
                // Round shapes keep some soft edge; lines off the pixel grid are nearly all soft.
                EXPECT_LT(2 * partial, 3 * covered) << "blurred at 1x";
                pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                           image.sizeInBytes()));
            }
        }
    }
    EXPECT_EQ(pictures.size(), with_picture) << "two buttons share a picture";
}

}  // namespace
}  // namespace quillo::testing
