# Full HTML export of the whole work in drawing mode: the canvas is lifted as a copy (nothing
# under it is cut) and written as a table, first in one colour, then with the cell colours.
document "data/html_small.txt"
window 160 96
expect-canvas-size 18 10

# A drawing tool is down before the export and none after it.
click sb2_dot
expect-checked sb2_dot true
answer-text "画"
click pop2_html
expect-checked sb2_dot false
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/html_small_v1.htm"
# The table is the panel's 160 pixels + 8 wide. The lift spans round(160 / 8) - 1 = 19 cells,
# the canvas rows' whole width, and all 10 rows; blanks of a row each become "&nbsp;".
expect-file "temp/html_small_v1.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>画</CENTER></H1>\r\n<div align=\"center\"><table width=\"168\" border=\"0\"><tr><td>\r\n<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na&lt;b&amp;c&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\nx&nbsp;中&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n</font></td></tr></table>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
expect-row-trim 2 1 "a<b&c"
expect-row-trim 2 2 "x 中"

# Multicolour: "<" red, "c" in the canvas's own black, "b" on blue and "x" red. A later cell
# in the canvas colours is "<font >"; the lines break inside the tags, and a row followed by a
# marked first cell ends with an empty line.
click n_color
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 1
move-cell 2 1
release-cell 2 1
press-cell 1 2
move-cell 1 2
release-cell 1 2
answer-colour 0x000000
click Lb_font_color
press-cell 5 1
move-cell 5 1
release-cell 5 1
answer-colour 0xFF0000
click Lb_back_color
press-cell 3 1
move-cell 3 1
release-cell 3 1
answer-text-cancel
click pop2_html
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/html_small_v2.htm"
expect-file "temp/html_small_v2.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>画</CENTER></H1>\r\n<div align=\"center\"><table width=\"168\" border=\"0\"><tr><td>\r\n<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na<font \r\ncolor=\"#FF0000\">&lt;</font><font \r\nstyle=\"BACKGROUND-COLOR:#0000FF\">b</font>&amp;<font \r\n>c</font>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n\r\n<font color=\"#FF0000\">x</font>&nbsp;中&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<br>\r\n</font></td></tr></table>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
expect-row-trim 2 1 "a<b&c"
