# Full and simplified HTML export of the whole work in normal editing mode. The art holds the
# characters a page must escape; the title is the user's own markup and stays as typed.
document "data/html_art.txt"
window 640 320
expect-canvas-size 78 24
click n_view
expect-line 1 "a<b & c"

# The full page: the document is 8 bytes at its widest, so the table is 8 x 78 + 32 = 656 wide;
# the page takes the canvas colours (button face D4D0C8, black text).
answer-text "我的<b>猫</b>"
click n_html_out
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/html_art_v1.htm"
expect-file "temp/html_art_v1.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>我的<b>猫</b></CENTER></H1>\r\n<div align=\"center\"><table width=\"656\" border=\"0\"><tr><td>\r\na&lt;b&nbsp;&amp;&nbsp;c<br>\r\n<br>\r\n中文&nbsp;&nbsp;&quot;q&quot;<br>\r\nx&gt;y<br>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"

# Again, by its key F7, with the title box cancelled: the last title stays, and the
# page takes the next number; the first page is left alone.
answer-text-cancel
key source_memo F7
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/html_art_v2.htm"
expect-file "temp/html_art_v2.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo 4.2\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<style type=\"text/css\"><!--  td {  line-height: 99%}--> </style></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>我的<b>猫</b></CENTER></H1>\r\n<div align=\"center\"><table width=\"656\" border=\"0\"><tr><td>\r\na&lt;b&nbsp;&amp;&nbsp;c<br>\r\n<br>\r\n中文&nbsp;&nbsp;&quot;q&quot;<br>\r\nx&gt;y<br>\r\n</td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
expect-no-file "temp/html_art_v3.htm"
expect-no-message

# The simplified page keeps the lines as they are inside <pre>, but "<", ">" and "&" are
# escaped there so that the browser shows them; the table is 8 x 78 + 32 wide.
answer-text "简"
click n_html_out2
expect-message "已输出为HTM文件，请注意保存!"
expect-opened "temp/html_art_v3.htm"
expect-file "temp/html_art_v3.htm" "<HTML><HEAD><meta name=\"GENERATOR\" content=\"Quillo\">\r\n<meta name=\"ProgId\" content=\"Quillo.Document\"><meta name=\"HomePage\" content=\"https://github.com/quillo-editor/quillo\"><TITLE>Quillo作品欣赏 QUILLO </TITLE><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"></HEAD>\r\n<BODY BGCOLOR=\"#D4D0C8\" text=\"#000000\"> \r\n<H1><CENTER>简</CENTER></H1>\r\n<div align=\"center\"><table width=\"656\" border=\"0\"><tr><td><pre>\r\na&lt;b &amp; c\r\n \r\n中文\t\"q\"\r\nx&gt;y\r\n</pre></td></tr></table></div>\r\n</BODY>\r\n</HTML>\r\n"
