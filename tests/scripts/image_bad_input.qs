# A text file with a picture's name is refused with the loader's message; the window keeps the
# picture it had.
window 640 480
answer-file "/proc/self/cwd/data/image_blocks.bmp"
click m_img2html
expect-text img2html.StaBar_panel0 "Org:16×8"
answer-file "/proc/self/cwd/data/image_not_a_picture.jpg"
click img2html.tb_openfile
expect-message "Cannot open picture \"/proc/self/cwd/data/image_not_a_picture.jpg\": The file is not a BMP or JPEG picture."
expect-text img2html.StaBar_panel0 "Org:16×8"
answer-file "/proc/self/cwd/data/no_such_picture.jpg"
click img2html.tb_openfile
expect-no-message
expect-text img2html.StaBar_panel0 "Org:16×8"
click img2html.ToolButton3
