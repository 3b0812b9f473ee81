// Every menu item, context-menu item and tool button of the main window. Items whose handler is
// still nullptr stand disabled in their place until their feature is built.
#include "canvas/qt/command_map.h"
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

namespace {
constexpr auto M = EntryKind::menu;
constexpr auto I = EntryKind::item;
constexpr auto TB = EntryKind::tool_bar;
constexpr auto B = EntryKind::button;
constexpr auto P = EntryKind::popup;
constexpr Handler none = nullptr;
}  // namespace

const std::vector<CommandEntry>& command_table() {
    static const std::vector<CommandEntry> table{
        // ---- main menu ----
        {"m1", "", M, "[&F] 文件", "", 0, none, 0, ""},
        {"n_new", "m1", I, "新建[&New]", "", 0, &TForm1::n_newClick, 0, ""},
        {"n_open", "m1", I, "打开[&Open] ", "", 0, &TForm1::n_openClick, 0, ""},
        {"n_quitsave", "m1", I, "保存[&Save] ", "", 0, &TForm1::n_quitsaveClick, 0, ""},
        {"n_save", "m1", I, "另存为[Save as] ", "", 0, &TForm1::n_saveClick, 0, ""},
        {"n_ansi", "m1", I, "导入ANSI文件", "", 0, &TForm1::n_openClick, 0, ""},
        {"n_print", "m1", I, "打印[&Print]", "", 0, &TForm1::n_printClick, 0, ""},
        {"n_exit", "m1", I, "退出[&Exit] ", "F12", 0, &TForm1::m2Click, 0, ""},
        {"n_exit_quickly", "m1", I, "快速退出[&Quit]", "", 0, &TForm1::n_exit_quicklyClick, 0, ""},

        {"m2", "", M, "[&O] 选项", "", 0, none, 0, ""},
        {"n_option", "m2", I, "高级设置[&A] ", "F4", 0, &TForm1::Change1Click, 0, ""},
        {"word_wrap", "m2", I, "自动换行(&W)", "", 0, &TForm1::word_wrapClick,
         kCheckable | kDisabled, ""},

        {"m3", "", M, "[&P]画图菜单", "", 0, none, 0, ""},
        {"n_undo", "m3", I, "撤消操作", "Ctrl+Z", 0, &TForm1::sb_undoClick, 0, ""},
        {"usechinese1", "m3", I, "半/全角切换", "F5", 0, &TForm1::UseChinese1Click, kCheckable, ""},
        {"n_color", "m3", I, "多彩模式", "F10", 0, &TForm1::n_colorClick, kCheckable, ""},
        {"n_all", "m3", M, "整幅处理", "", 0, none, 0, ""},
        {"n_mirr_h", "n_all", I, "水平镜象", "Ctrl+A", 4, &TForm1::n_turn_0Click, 0, ""},
        {"n_mirr_v", "n_all", I, "垂直镜象", "Ctrl+S", 2, &TForm1::n_turn_0Click, 0, ""},
        {"n_turn_left", "n_all", I, "前部旋转", "Ctrl+D", 3, &TForm1::n_turn_0Click, 0, ""},
        {"n_turn_right", "n_all", I, "后部旋转", "Ctrl+F", 1, &TForm1::n_turn_0Click, 0, ""},
        {"n_clear", "n_all", I, "清屏[&Q]", "", 0, &TForm1::sb_clearClick, 0, ""},
        {"m6", "m3", M, "工具栏[&t]", "", 0, none, 0, ""},
        {"n_repare", "m6", I, "处理[&p]", "", 0, &TForm1::n_repareClick, kCheckable | kChecked, ""},
        {"n_draw", "m6", I, "绘图[&d]", "", 0, &TForm1::n_drawClick, kCheckable | kChecked, ""},
        {"n_commom", "m6", I, "常规[&c]", "", 0, &TForm1::n_commomClick, kCheckable | kChecked, ""},
        {"N12", "m6", I, "参数[&o]", "", 0, &TForm1::N12Click, kCheckable | kChecked, ""},
        {"m7", "m6", I, "色彩[&m]", "", 0, &TForm1::m7Click, kCheckable | kChecked, ""},
        {"n_order", "m3", M, "绘图命令", "", 0, none, 0, ""},
        {"n_replce", "n_order", I, "替代 [&R]", "", 1, &TForm1::sbClick, 0, ""},
        {"n_fill", "n_order", I, "填充 [&F]", "", 2, &TForm1::sbClick, 0, ""},
        {"n_move", "n_order", I, "移动 [&M]", "", 3, &TForm1::sbClick, 0, ""},
        {"n_copy", "n_order", I, "复制 [&Y]", "", 4, &TForm1::sbClick, 0, ""},
        {"n_circle", "n_order", I, "画圆 [&C]", "", 5, &TForm1::sbClick, 0, ""},
        {"n_rectangel", "n_order", I, "矩形 [&J]", "", 6, &TForm1::sbClick, 0, ""},
        {"n_line", "n_order", I, "直线 [&L]", "", 7, &TForm1::sbClick, 0, ""},
        {"n_gun", "n_order", I, "扫射 [&G]", "", 8, &TForm1::sbClick, 0, ""},
        {"n_free", "n_order", I, "随意 [&E]", "", 9, &TForm1::sbClick, 0, ""},
        {"n_arc", "n_order", I, "弧线 [&A]", "", 10, &TForm1::sbClick, 0, ""},
        {"n_ram", "n_order", I, "随机 [&S]", "", 11, &TForm1::sbClick, 0, ""},
        {"n_point", "n_order", I, "单点 [&P]", "", 12, &TForm1::sbClick, 0, ""},
        {"n_text_v", "n_order", I, "竖文 [&V]", "", 13, &TForm1::sbClick, 0, ""},
        {"n_text_h", "n_order", I, "横文 [&H]", "", 14, &TForm1::sbClick, 0, ""},

        {"n_total_txt", "", M, "[&A]文本菜单", "", 0, none, 0, ""},
        {"N_search", "n_total_txt", I, "查找字符", "", 0, &TForm1::N_searchClick, 0, ""},
        {"n_relace", "n_total_txt", I, "替换", "", 0, &TForm1::n_relaceClick, 0, ""},
        {"n_h2v_txt", "n_total_txt", I, "横读变竖读 ", "", 0, &TForm1::n_h2v_txtClick, 0, ""},
        {"n_v2h_txt", "n_total_txt", I, "竖读变横读", "", 0, &TForm1::n_v2h_txtClick, 0, ""},
        {"n_mirr_txt", "n_total_txt", I, "左右置换 ", "", 0, &TForm1::n_mirr_txtClick, 0, ""},
        {"n_add_empty_line", "n_total_txt", I, "加空行", "", 0, &TForm1::n_add_empty_lineClick, 0,
         ""},
        {"n_add_empty_list", "n_total_txt", I, "加空列", "", 0, &TForm1::n_add_empty_listClick, 0,
         ""},
        {"n_dec_empty_line", "n_total_txt", I, "去空行", "", 0, &TForm1::n_dec_empty_lineClick, 0,
         ""},
        {"n_dec_empty_space", "n_total_txt", I, "去空格", "", 0, &TForm1::n_dec_empty_spaceClick, 0,
         ""},
        {"n_undo_txt", "n_total_txt", I, "恢复", "", 0, &TForm1::n_undo_txtClick, kDisabled, ""},
        {"N_break_text", "n_total_txt", M, "错乱处理", "", 0, none, 0, ""},
        {"N20", "N_break_text", I, "错乱列序", "", 1, &TForm1::N_break_textClick, 0, ""},
        {"N21", "N_break_text", I, "错乱行序", "", 2, &TForm1::N_break_textClick, 0, ""},
        {"N23", "N_break_text", I, "列序还原", "", 3, &TForm1::N_UnBreak_textClick, 0, ""},
        {"N24", "N_break_text", I, "行序还原", "", 4, &TForm1::N_UnBreak_textClick, 0, ""},

        {"N13", "", M, "[&S]窗口切换", "", 0, none, 0, ""},
        {"n_view", "N13", I, "编辑界面切换", "F3", 0, &TForm1::n_viewClick, kCheckable, ""},
        {"m_img2html", "N13", I, "图片转文字", "F6", 0, &TForm1::m_img2htmlClick, 0, ""},
        {"n_dictionary", "N13", I, "打开小字典", "F8", 0, &TForm1::pen_txtDblClick, 0, ""},
        {"m4", "N13", M, "游戏", "", 0, none, 0, ""},
        {"g1", "m4", I, "开始游戏", "F9", 0, &TForm1::N_game_singleClick, 0, ""},
        {"N_game_over", "m4", I, "结束游戏", "", 0, &TForm1::N_game_overClick, kDisabled, ""},
        {"n_game_pauls", "m4", I, "暂停游戏", "", 0, &TForm1::n_game_paulsClick, kDisabled, ""},
        {"N9", "m4", I, "继续游戏", "", 0, &TForm1::N9Click, kDisabled, ""},
        {"n_game_option", "N13", I, "游戏选项", "", 0, &TForm1::N7Click, 0, ""},

        // F10 belongs to the multicolour switch alone; the home page item shows no key.
        {"m5", "", M, "[&W]Quillo", "", 0, none, 0, ""},
        {"n_my_page", "m5", I, "我的主页", "", 0, &TForm1::n_my_pageClick, 0, ""},
        {"n_my_email", "m5", I, "给我Email", "F11", 0, &TForm1::emailClick, 0, ""},
        {"n_how", "m5", I, "(&U) 使用说明", "F1", 0, &TForm1::n_howClick, 0, ""},
        {"n_update", "m5", I, "关于新版本", "", 0, &TForm1::n_updateClick, 0, ""},

        {"N_out", "", M, "[&D]作品输出", "", 0, none, 0, ""},
        {"n_html_out", "N_out", I, "超文本（完整）", "F7", 0, &TForm1::n_htmlClick, 0, ""},
        {"n_html_out2", "N_out", I, "超文本（简化）", "", 0, &TForm1::n_html_out2Click, 0, ""},
        {"n_notepad_out", "N_out", I, "记事本（纯文本）", "", 0, &TForm1::n_notepad_outClick, 0,
         ""},
        {"n_quillo_out", "N_out", I, "新的Quillo", "", 0, &TForm1::n_quillo_outClick, 0, ""},
        {"N15", "N_out", I, "发表（html）", "", 0, &TForm1::N15Click, 0, ""},

        // ---- context menu of the floating selection ----
        {"Pop_1", "", P, "", "", 0, none, 0, ""},
        {"pop_finish", "Pop_1", I, "确定", "", 0, &TForm1::pop_finishClick, 0, ""},
        {"pop_cut", "Pop_1", I, "剪切选中的文本 Cut", "", 0, &TForm1::pop_cutClick, 0, ""},
        {"pop_copy", "Pop_1", I, "复制选中的文本 Copy", "", 0, &TForm1::pop_copyClick, 0, ""},
        {"pop_clear", "Pop_1", I, "清除选中的文本 Clear", "", 0, &TForm1::pop_clearClick, 0, ""},
        {"pop_paste", "Pop_1", I, "自动换行粘贴 Paste 1", "", 0, &TForm1::pop_pasteClick, 0, ""},
        {"pop_paste_same", "Pop_1", I, "不换行粘贴 Paste 2", "", 0, &TForm1::pop_paste_sameClick, 0,
         ""},
        {"send2web", "Pop_1", I, "输送上网  Inet", "", 0, &TForm1::N15Click, 0, ""},
        {"pop_html_file", "Pop_1", I, "选择内容输出为网页", "", 0, &TForm1::n_htmlClick, 0, ""},
        {"pop_txt_file", "Pop_1", I, "选择内容保存为文本", "", 0, &TForm1::pop_txt_fileClick, 0,
         ""},
        {"pop_mov_file", "Pop_1", I, "选择内容输出为动画", "", 0, &TForm1::pop_mov_fileClick, 0,
         ""},
        {"pop_html", "Pop_1", I, "查看选择内容的HTML代码", "", 0, &TForm1::n_notepad_outClick, 0,
         ""},

        // ---- context menu of the canvas ----
        {"Pop2", "", P, "", "", 0, none, 0, ""},
        {"pop2_undo", "Pop2", I, "撤消 Undo", "", 0, &TForm1::sb_undoClick, 0, ""},
        {"pop2_paste", "Pop2", I, "粘贴 Paste", "", 0, none, kInert | kDisabled, ""},
        {"Output1", "Pop2", M, "输出 Output", "", 0, none, 0, ""},
        {"pop2_html2", "Output1", I, "超文本格式（简）", "", 0, &TForm1::n_html_out2Click, 0, ""},
        {"pop2_html", "Output1", I, "超文本格式（长）", "", 0, &TForm1::n_htmlClick, 0, ""},
        {"pop2_notepad", "Output1", I, "记事本程序", "", 0, &TForm1::n_notepad_outClick, 0, ""},

        // ---- tool bars ----
        {"tb_commom", "", TB, "常规工具栏", "", 0, none, 0, ""},
        {"ToolButton5", "tb_commom", B, "新建文档", "", 0, &TForm1::n_newClick, 0, "新"},
        {"TB_open", "tb_commom", B, "打开文件", "", 0, &TForm1::n_openClick, 0, "开"},
        {"ToolButton7", "tb_commom", B, "快速保存", "", 0, &TForm1::n_quitsaveClick, 0, "存"},
        {"ToolButton8", "tb_commom", B, "使用帮助", "", 0, &TForm1::n_howClick, 0, "？"},
        {"ToolButton9", "tb_commom", B, "普通/绘图编辑方式切换", "", 0, &TForm1::n_viewClick, 0,
         "切"},
        {"ToolButton_undo", "tb_commom", B, "撤消上一步操作", "", 0, &TForm1::sb_undoClick, 0, "↶"},
        {"SB_mov", "tb_commom", B, "Reelix", "", 0, &TForm1::pop_mov_fileClick, 0, "动"},
        {"sb2_pic2htm", "tb_commom", B, "将图片转化为文字画", "", 0, &TForm1::m_img2htmlClick,
         kCheckable, "图"},

        {"tb_drawtool", "", TB, "文本绘图工具栏", "", 0, none, 0, ""},
        {"sb1_replace", "tb_drawtool", B, "取代", "", 1, &TForm1::sbClick, kToolGroup, "代"},
        {"sb1_fill", "tb_drawtool", B, "填充", "", 2, &TForm1::sbClick, kToolGroup, "填"},
        {"sb1_move", "tb_drawtool", B, "圈定/移动", "", 3, &TForm1::sbClick, kToolGroup, "移"},
        {"sb1_drag", "tb_drawtool", B, "圈定/复制", "", 4, &TForm1::sbClick, kToolGroup, "复"},
        {"sb2_circle", "tb_drawtool", B, "画圆", "", 5, &TForm1::sbClick, kToolGroup, "○"},
        {"sb2_certage", "tb_drawtool", B, "画矩形", "", 6, &TForm1::sbClick, kToolGroup, "□"},
        {"sb2_line", "tb_drawtool", B, "直线", "", 7, &TForm1::sbClick, kToolGroup, "╲"},
        {"sb2_gun", "tb_drawtool", B, "文字枪", "", 8, &TForm1::sbClick, kToolGroup, "枪"},
        {"sb2_draw", "tb_drawtool", B, "随意线", "", 9, &TForm1::sbClick, kToolGroup, "～"},
        {"sb2_ram", "tb_drawtool", B, "随机画点", "", 11, &TForm1::sbClick, kToolGroup, "∴"},
        {"sb2_dot", "tb_drawtool", B, "画点", "", 12, &TForm1::sbClick, kToolGroup, "·"},
        {"sb2_type_v", "tb_drawtool", B, " 竖文字输入", "", 13, &TForm1::sbClick, kToolGroup, "竖"},
        {"sb2_type_h", "tb_drawtool", B, "横文字输入", "", 14, &TForm1::sbClick, kToolGroup, "横"},

        {"tb_repare", "", TB, "文本处理工具栏", "", 0, none, 0, ""},
        {"sb1_mirror_v", "tb_repare", B, "垂直镜像", "", 2, &TForm1::n_turn_0Click, 0, "↕"},
        {"sb1_mirror_h", "tb_repare", B, "水平镜像", "", 4, &TForm1::n_turn_0Click, 0, "↔"},
        {"sb1_turn_left", "tb_repare", B, "前部旋转", "", 3, &TForm1::n_turn_0Click, 0, "↺"},
        {"sb1_turn_right", "tb_repare", B, "后部旋转", "", 1, &TForm1::n_turn_0Click, 0, "↻"},
        {"sb2_clear", "tb_repare", B, "全图清除", "", 0, &TForm1::sb_clearClick, 0, "清"},

        {"TB_color", "", TB, "色彩工具栏", "", 0, none, 0, ""},
        {"sb_font_color", "TB_color", B, "添加前景色", "", 1, &TForm1::sb_font_colorClick, 0, "字"},
        {"sb_back_color", "TB_color", B, "添加背景色", "", 2, &TForm1::sb_font_colorClick, 0, "底"},
        {"sb_clear_color", "TB_color", B, "逐个清除颜色", "", 3, &TForm1::sb_font_colorClick, 0,
         "擦"},
        {"sb_clear_all_color", "TB_color", B, "清除全部上色", "", 4, &TForm1::sb_font_colorClick, 0,
         "清"},
        {"sb_undo_color", "TB_color", B, "撤回上色", "", 5, &TForm1::sb_font_colorClick, 0, "撤"},
        {"Lb_font_color", "TB_color", B, "选择前景色", "", 1, &TForm1::Lb_font_colorClick, 0, "◣"},
        {"Lb_back_color", "TB_color", B, "选择背景色", "", 2, &TForm1::Lb_font_colorClick, 0, "◣"},
        {"Lb_map_font_color", "TB_color", B, "选择前景色", "", 3, &TForm1::Lb_font_colorClick, 0,
         "★"},
        {"Lb_map_back_color", "TB_color", B, "选择背景色", "", 4, &TForm1::Lb_font_colorClick, 0,
         "☆"},
        {"tb_option", "", TB, "参数工具栏", "", 0, none, 0, ""},

        {"Tb_output", "", TB, "输出工具栏", "", 0, none, 0, ""},
        {"TB_html", "Tb_output", B, "输出为网页", "", 0, &TForm1::n_htmlClick, 0, "网"},
        {"Tb_txt", "Tb_output", B, "输出为文本", "", 0, &TForm1::n_notepad_outClick, 0, "文"},
        {"Tb_out", "Tb_output", B, "上传上网", "", 0, &TForm1::N15Click, 0, "传"},

        // ---- UTF-8 text, PNG and ANSI export, zoom: commands of this program's own ----
        {"n_utf8_open", "m1", I, "以UTF-8文本打开...", "", 0, &TForm1::n_utf8_openClick, 0, ""},
        {"n_utf8_save", "m1", I, "另存UTF-8副本...", "", 0, &TForm1::n_utf8_saveClick, 0, ""},
        {"n_png_out", "m1", I, "导出PNG图片...", "", 0, &TForm1::n_png_outClick, 0, ""},
        {"n_png_block", "m1", I, "选择内容导出为PNG图片...", "", 1, &TForm1::n_png_outClick, 0, ""},
        {"n_ansi_out", "m1", I, "导出ANSI文件...", "", 0, &TForm1::n_ansi_outClick, 0, ""},
        {"n_zoom", "N13", M, "缩放[&Z]", "", 0, none, 0, ""},
        {"n_zoom_in", "n_zoom", I, "放大", "Ctrl++", 0, &TForm1::n_zoom_inClick, 0, ""},
        {"n_zoom_out", "n_zoom", I, "缩小", "Ctrl+-", 0, &TForm1::n_zoom_outClick, 0, ""},
        {"n_zoom_default", "n_zoom", I, "默认大小", "Ctrl+0", 0, &TForm1::n_zoom_defaultClick, 0,
         ""},
        {"n_zoom_1", "n_zoom", I, "1倍", "", 1, &TForm1::n_zoom_factorClick, kCheckable, ""},
        {"n_zoom_2", "n_zoom", I, "2倍", "", 2, &TForm1::n_zoom_factorClick, kCheckable, ""},
        {"n_zoom_3", "n_zoom", I, "3倍", "", 3, &TForm1::n_zoom_factorClick, kCheckable, ""},
        {"n_zoom_4", "n_zoom", I, "4倍", "", 4, &TForm1::n_zoom_factorClick, kCheckable, ""},
    };
    return table;
}

}  // namespace quillo::canvas
