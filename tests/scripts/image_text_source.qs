# Coloured words taken from the text of the source-text window: 设定文本内容 opens that window
# over the image window, and the text typed there is what the picture is written with: two
# successive characters a pixel in single-byte mode, empty lines skipped, the text repeated.
window 640 480
click n_color
answer-file "/proc/self/cwd/data/image_blocks.bmp"
click m_img2html
click img2html.TabSheet2
set img2html.TrackBar1 4
expect-text img2html.StaBar_panel1 "Now:4×2"
click img2html.TabSheet4
click img2html.RB_Color2Color
click img2html.RB_word_text
expect-enabled img2html.SB_text_in true
expect-enabled img2html.pen_txt false
click img2html.SB_text_in
expect-visible text_in_windows true
key pen_txt_memo Ctrl+A
type pen_txt_memo "abc\n\nde"
click tb_ok
expect-visible text_in_windows false
click img2html.tb_draw
expect-visible img2html false
expect-row 5 1 "abcdeabc"
expect-row 5 2 "deabcdea"
