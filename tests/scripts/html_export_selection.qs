# Full HTML export of the floating selection, from the block's own menu: the block lifted by
# the copy tool is placed first and exported as it stands, with its colours.
document "data/html_small.txt"
window 160 96

# Cells 1 to 4 of rows 1 and 2. The table is the block's 4 x 8 pixels + 16 wide.
click sb1_drag
press-cell 1 1
move-cell 4 2
release-cell 4 2
expect-visible write_in_imag true
answer-text "选"
click pop_html_file
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/html_small_v1.htm"
expect-file "temp/html_small_v1.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>选</CENTER></H1>\r\n<div align=\"center\"><table width=\"48\" border=\"0\"><tr><td>\r\n<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na&lt;b&amp;<br>\r\nx&nbsp;中<br>\r\n</font></td></tr></table>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
expect-visible write_in_imag false
expect-checked sb1_drag false
expect-row-trim 2 1 "a<b&c"
expect-row-trim 2 2 "x 中"

# In multicolour mode the red "<" keeps its colour in the page.
click n_color
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 1
move-cell 2 1
release-cell 2 1
click sb1_drag
press-cell 1 1
move-cell 4 2
release-cell 4 2
answer-text-cancel
click pop_html_file
expect-message "已输出为HTM文件，请等待显示!"
expect-file "temp/html_small_v2.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>选</CENTER></H1>\r\n<div align=\"center\"><table width=\"48\" border=\"0\"><tr><td>\r\n<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na<font \r\ncolor=\"#FF0000\">&lt;</font>b&amp;<br>\r\nx&nbsp;中<br>\r\n</font></td></tr></table>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
expect-row-trim 2 1 "a<b&c"
