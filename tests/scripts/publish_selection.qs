# Publishing the floating selection from its own menu, through the first site's template (every
# placeholder: the home link, the three sizes, the colours, the upload location, the body as page
# lines and as visible code), then in multicolour mode through the second site's.
document "data/html_small.txt"
window 160 96

# Cells 1 to 4 of rows 1 and 2 copied into a floating block: the dialog offers the selection.
click sb1_drag
press-cell 1 1
move-cell 4 2
release-cell 4 2
expect-visible write_in_imag true
click send2web
expect-checked send_form.r_send_select true
click send_form.ok

# 4 x 2 cells in single-byte mode: (4 + 1) x 16 / 2 = 40 wide at most, a table 13.3 x 4 / 2 =
# 26.6 (26, halves to even) wide and 15 x 3 = 45 high. The rows as page lines and as code.
# The block was placed first, as before every page.
expect-visible write_in_imag false
expect-opened "temp/html_small_v1.htm"
expect-file "temp/html_small_v1.htm" "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<meta name=\"GENERATOR\" content=\"Quillo\">\r\n<title>Quillo 作品发表</title>\r\n<style type=\"text/css\">\r\nbody { font-family: sans-serif; margin: 1em; color: #FFFFFF; }\r\na { color: #3366CC; }\r\n.art td { line-height: 99%; font-family: monospace; white-space: nowrap; }\r\n.code { font-family: monospace; font-size: small; white-space: pre-wrap; text-align: left;\r\n        color: #000000; background: #FFFFFF; border: 1px solid #999999; padding: .5em;\r\n        max-height: 24em; overflow: auto; }\r\n.note { color: #000000; background: #F4F4F4; padding: .3em .6em; }\r\n</style>\r\n<style type=\"text/css\">body { color: #000000; }</style>\r\n\r\n</head>\r\n<body bgcolor=\"#D4D0C8\">\r\n\r\n<p class=\"note\"><a href=\"https://github.com/quillo-editor/quillo\">进入Tarnel主页</a> \r\n\r\n</p>\r\n<div align=\"center\">\r\n<table class=\"frame\" border=\"0\" width=\"40\r\n\r\n\"><tr><td align=\"center\">\r\n<table class=\"art\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"26\r\n\r\n\" height=\"45\r\n\r\n\"><tr><td>\r\na&lt;b&amp;<br>\r\nx&nbsp;中<br>\r\n\r\n</td></tr></table>\r\n<p class=\"note\">把下面的代码复制到上传页面，就可以发表这幅作品。上传页面：https://github.com/quillo-editor/quillo/discussions\r\n\r\n</p>\r\n<div class=\"code\">\r\na&lt;b&amp;&lt;br&gt;\r\nx&nbsp;中&lt;br&gt;\r\n\r\n</div>\r\n</td></tr></table>\r\n</div>\r\n</body>\r\n</html>\r\n"
expect-row-trim 1 1 "a<b&c"

# Multicolour mode: a red "<", the block lifted again, published through the second site. The
# dialog now offers the colours; the body is the one the full export writes for the block.
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
click send2web
expect-checked send_form.r_send_select true
expect-checked send_form.r_mul_color true
set send_form.CBox_web "简洁页面"
click send_form.ok
expect-opened "temp/html_small_v2.htm"
expect-file "temp/html_small_v2.htm" "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<meta name=\"GENERATOR\" content=\"Quillo\">\r\n<title>Quillo 作品欣赏</title>\r\n<style type=\"text/css\">\r\nbody { font-family: sans-serif; margin: 2em; color: #FFFFFF; }\r\na { color: #3366CC; }\r\n.art td { line-height: 99%; font-family: monospace; white-space: nowrap; }\r\n</style>\r\n<style type=\"text/css\">body { color: #000000; }</style>\r\n\r\n</head>\r\n<body bgcolor=\"#D4D0C8\">\r\n\r\n<div align=\"center\">\r\n<table class=\"art\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"26\r\n\r\n\"><tr><td>\r\n<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na<font \r\ncolor=\"#FF0000\">&lt;</font>b&amp;<br>\r\nx&nbsp;中<br>\r\n</font></td></tr></table>\r\n\r\n</td></tr></table>\r\n<p><a href=\"https://github.com/quillo-editor/quillo\">进入Tarnel主页</a> \r\n\r\n</p>\r\n</div>\r\n</body>\r\n</html>\r\n"
expect-row-trim 1 1 "a<b&c"
