# The image window: a 16 x 8 bitmap of four coloured blocks opened (F6 asks for it at the first
# showing), cut out, brought down to 8 x 4 with the width slider, turned into coloured solid
# blocks and placed on the canvas with its colours.
window 640 480
click n_color
answer-file "/proc/self/cwd/data/image_blocks.bmp"
click m_img2html
expect-visible img2html true
expect-text img2html "图变文字画——/pr...wd/data/image_blocks.bmp"
expect-text img2html.StaBar_panel0 "Org:16×8"
expect-text img2html.StaBar_panel1 "Now:16×8"
expect-text img2html.StaBar_panel2 "FileSize:4480Byte"
expect-hint img2html.tImage1 "SIZE:8×16"
expect-value img2html.TrackBar1 16
expect-value img2html.TrackBar2 8
expect-enabled img2html.TrackBar2 false

# Proportional: the height follows the width.
click img2html.TabSheet2
set img2html.TrackBar1 8
expect-value img2html.TrackBar2 4
expect-text img2html.StaBar_panel1 "Now:8×4"
expect-hint img2html.tImage2 "4x8|8Pixels x4Pixels"

# Coloured words of solid blocks; the word group opens for this mode.
click img2html.TabSheet4
click img2html.RB_Color2Color
expect-enabled img2html.RB_Word_black true
expect-checked img2html.RBh_Backcolor_black true
click img2html.RB_Word_black
expect-enabled img2html.tb_draw true
click img2html.tb_draw
expect-visible img2html false

# Single-byte mode: every pixel is "MM" over two cells, coloured as the pixel.
expect-visible write_in_imag true
expect-row 5 1 "MMMMMMMMMMMMMMMM"
expect-row 5 4 "MMMMMMMMMMMMMMMM"
click pop_finish
expect-row-trim 2 1 "MMMMMMMMMMMMMMMM"
expect-colour 1 1 1 0x0000FF 0 0
expect-colour 8 2 1 0x0000FF 0 0
expect-colour 9 1 1 0x00FF00 0 0
expect-colour 1 3 1 0xFF0000 0 0
expect-colour 16 4 1 0xFFFFFF 0 0
expect-colour 17 1 0 0 0 0

# Opening again keeps the picture and asks for nothing; a cut-out of the top-left block.
click m_img2html
expect-text img2html.StaBar_panel0 "Org:16×8"
click img2html.TabSheet1
drag img2html.tImage1 0 0 9 5
expect-text img2html.StaBar_panel1 "Now:9×5"
click img2html.ToolButton3
expect-visible img2html false
