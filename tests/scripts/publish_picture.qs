# A picture converted in the image window published through the plain page template: the picture
# goes whole in the colours of its conversion (the upload dialog's content and colour groups are
# off), sizes from its resolution, every pixel a cell of the colour table on a black page.
window 640 480
answer-file "/proc/self/cwd/data/image_blocks.bmp"
click m_img2html
click img2html.TabSheet2
set img2html.TrackBar1 4
expect-value img2html.TrackBar2 2
click img2html.TabSheet4
click img2html.RB_ColorTable
click img2html.RB_Word_black
click img2html.tb_send
expect-visible send_form true
expect-checked send_form.r_send_all true
expect-enabled send_form.r_send_select false
expect-enabled send_form.r_mul_color false
set send_form.CBox_web "简洁页面"
click send_form.ok
expect-visible send_form false
expect-visible img2html true
expect-opened "temp/新文件_v1.htm"
expect-file "temp/新文件_v1.htm" "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<meta name=\"GENERATOR\" content=\"Quillo\">\r\n<title>Quillo 作品欣赏</title>\r\n<style type=\"text/css\">\r\nbody { font-family: sans-serif; margin: 2em; color: #FFFFFF; }\r\na { color: #3366CC; }\r\n.art td { line-height: 99%; font-family: monospace; white-space: nowrap; }\r\n</style>\r\n\r\n</head>\r\n<body bgcolor=\"#000000\">\r\n\r\n<div align=\"center\">\r\n<table class=\"art\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"66\r\n\r\n\"><tr><td>\r\n<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>\r\n<TD bgcolor=\"#FF0000\">█</TD><TD bgcolor=\"#FF0000\">█</TD><TD bgcolor=\"#00FF00\">█</TD><TD bgcolor=\"#00FF00\">█</TD>\r\n</TR><TR>\r\n<TD bgcolor=\"#0000FF\">█</TD><TD bgcolor=\"#0000FF\">█</TD><TD bgcolor=\"#FFFFFF\">█</TD><TD bgcolor=\"#FFFFFF\">█</TD>\r\n</TR><TR>\r\n</TR></TABLE>\r\n\r\n</td></tr></table>\r\n<p><a href=\"https://github.com/quillo-editor/quillo\">进入Tarnel主页</a> \r\n\r\n</p>\r\n</div>\r\n</body>\r\n</html>\r\n"

# The image window's own page is still its own: a numbered file beside the published one.
click img2html.tb_convert
expect-message "已输出为HTM文件，请注意保存!"
expect-opened "temp/新文件_v2.htm"
expect-no-message
click img2html.ToolButton3
expect-visible img2html false
