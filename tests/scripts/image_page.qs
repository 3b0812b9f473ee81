# The image window writes the text art as a page in the temporary folder and opens it; the grey
# tables are edited and put back.
window 640 480
answer-file "/proc/self/cwd/data/image_blocks.bmp"
click m_img2html
click img2html.TabSheet5
expect-text img2html.lb_gread "16"
click img2html.RB_en
expect-text img2html.LB_Gray_Word "@%#*+=-:. "
expect-text img2html.lb_gread "10"
click img2html.Button1
expect-text img2html.Button1 "确认"
type img2html.LB_Gray_Word "中"
expect-message "输入内容不能含有全角字符！"
expect-text img2html.LB_Gray_Word "@%#*+=-:. "
key img2html.LB_Gray_Word Backspace
answer yes
click img2html.Button1
expect-message "确认对任意级半角灰度对应表内容进行更改？"
expect-text img2html.lb_gread "9"
answer yes
click img2html.Button2
expect-message "注意:将恢复到改动前的对应表，确定？"
expect-text img2html.LB_Gray_Word "@%#*+=-:. "

click img2html.tb_convert
expect-message "已输出为HTM文件，请注意保存!"
expect-opened "temp/新文件_v1.htm"
expect-exists "temp/新文件_v1.htm"
click img2html.ToolButton3
