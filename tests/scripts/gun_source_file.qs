# The source-text window loads a text file in place of its text; a cancelled dialog changes
# nothing.
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"

# A text file to load, written by the editor itself.
click n_view
key source_memo Ctrl+A
type source_memo "ab-cd\nxyz"
answer-file "src.txt"
click n_save
expect-file "src.txt" "ab-cd\r\nxyz\r\n"
click n_view

click sb2_gun
click Label1
answer-file-cancel
click tb_openfile
expect-text pen_txt_memo "欢迎使用QuilloQuillo,请输入一篇文章或打开一个\n文本文件，作为“文字机关枪”或图片转文字画的内容。"
answer-file "src.txt"
click tb_openfile
expect-text pen_txt_memo "ab-cd\nxyz"
click tb_ok
expect-text pen_txt "ab"

# The lines follow one another without a break, and the text repeats; two half-width letters
# share each 2-byte cell.
press-cell 2 4
move 20 56
move-cell 3 4
move-cell 4 4
move-cell 5 4
move-cell 6 4
release-cell 6 4
expect-row-trim 1 4 "  ab-cdxyzab"
expect-no-message
