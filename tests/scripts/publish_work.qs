# Publishing the whole work through an upload site's page template, from the menu and the tool
# button: the upload dialog waits for "ok", keeps its choices from one showing to the next, and
# stays open when the chosen site has no template.
document "data/html_small.txt"
window 160 96
expect-canvas-size 18 10

# The dialog is modal and starts from the work: no floating block, multicolour mode off.
click N15
expect-text send_form "将大作上传到网上"
expect-checked send_form.r_send_all true
expect-checked send_form.r_send_select false
expect-checked send_form.R_d true
expect-checked send_form.r_sig_color true
expect-items send_form.CBox_web 5
expect-value send_form.CBox_web "Tarnel"
expect-hint send_form.ok "生成网页"
expect-text send_form.cancle "返回"
expect-enabled send_form.r_send_select true

# Site 2, the plain page: the document lines escaped, the table 6.9 x 18 / 2 = 62 wide (a
# single-byte column is half a cell), the canvas colours.
set send_form.CBox_web "简洁页面"
click send_form.ok
expect-visible send_form false
expect-opened "temp/html_small_v1.htm"
expect-no-message
expect-file "temp/html_small_v1.htm" "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<meta name=\"GENERATOR\" content=\"Quillo\">\r\n<title>Quillo 作品欣赏</title>\r\n<style type=\"text/css\">\r\nbody { font-family: sans-serif; margin: 2em; color: #FFFFFF; }\r\na { color: #3366CC; }\r\n.art td { line-height: 99%; font-family: monospace; white-space: nowrap; }\r\n</style>\r\n<style type=\"text/css\">body { color: #000000; }</style>\r\n\r\n</head>\r\n<body bgcolor=\"#D4D0C8\">\r\n\r\n<div align=\"center\">\r\n<table class=\"art\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"62\r\n\r\n\"><tr><td>\r\na&lt;b&amp;c<br>\r\nx&nbsp;中<br>\r\n\r\n</td></tr></table>\r\n<p><a href=\"https://github.com/quillo-editor/quillo\">进入Tarnel主页</a> \r\n\r\n</p>\r\n</div>\r\n</body>\r\n</html>\r\n"

# The tool button shows the dialog as it was left; "默认" goes back to the first site, and
# "返回" makes no page.
click Tb_out
expect-value send_form.CBox_web "简洁页面"
click send_form.r_s
click send_form.default
expect-value send_form.CBox_web "Tarnel"
expect-checked send_form.R_d true
click send_form.cancle
expect-visible send_form false
expect-no-file "temp/html_small_v2.htm"

# The page handed to the program the options name ("quillo.exe" until set), the page its one
# argument.
click Tb_out
click send_form.r_s
click send_form.ok
expect-started quillo.exe "temp/html_small_v2.htm"
expect-exists "temp/html_small_v2.htm"

# A site without a template: the message, no page, and the dialog still there to choose
# another site.
click N15
expect-checked send_form.r_s true
click send_form.R_d
set send_form.CBox_web ""
expect-value send_form.CBox_web ""
click send_form.ok
expect-message "找不到“”文件"
expect-visible send_form true
expect-no-file "temp/html_small_v3.htm"
click send_form.cancle
expect-line 1 "a<b&c"
