# With the text gun set up, a double-click on the pen box or a click on the pen row shows the
# source-text window modally; once it closes, the gun lays the new text from its first
# character.
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
click sb2_gun
expect-text pen_txt "欢"

# Typed into the window's memo.
double-click pen_txt
expect-text text_in_windows "文本文件输入框"
expect-hint tb_openfile "打开一个文本文件"
expect-hint tb_ok "确认并关闭此窗"
key pen_txt_memo Ctrl+A
type pen_txt_memo "星月"
click tb_ok
expect-visible text_in_windows false
expect-text pen_txt "星"
press-cell 1 1
move 8 8
move-cell 2 1
move-cell 3 1
move-cell 4 1
release-cell 4 1
expect-row-trim 1 1 "星月星月"
click n_undo
expect-row-trim 1 1 " "
click n_undo
expect-row-trim 1 1 "星月星月"

# Pasted into it, through a click on the pen row.
clipboard "花草"
click Label1
key pen_txt_memo Ctrl+A
key pen_txt_memo Ctrl+V
expect-text pen_txt_memo "花草"
click tb_ok
expect-text pen_txt "花"

# An emptied memo leaves the pen empty: a press asks for a pen and draws nothing.
click Label1
key pen_txt_memo Ctrl+A
key pen_txt_memo Delete
click text_in_windows.tb_ok
expect-text pen_txt ""
press-cell 6 3
move 88 40
expect-message "笔框不能为空！"
release-cell 6 3
expect-row-trim 1 3 " "
expect-no-message
