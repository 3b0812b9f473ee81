# In double-byte mode a block is made of whole 2-byte cells, 16 pixels wide, and carries its
# colours cell by cell.
document "data/mixed.txt"
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
key Image1 F10
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 2
move-cell 2 2
release-cell 2 2
expect-colour 2 2 1 0x0000FF 0 0

# Cells 1..2 of row 2 hold "中文": lifted, their place blanked with four spaces.
click sb1_move
press-cell 1 2
move-cell 2 2
release-cell 2 2
expect-row 5 1 "中文"
expect-row-trim 2 2 "     text"
expect-colour 2 2 0 0 0 0

# 32 x 16 pixels follows the pointer by the pixel; one cell (16 pixels) to the right.
drag-selection 16 0
click pop_finish
expect-row-trim 1 2 "  中文ext"
expect-colour 3 2 1 0x0000FF 0 0
expect-colour 2 2 0 0 0 0
# "文" in cell 3 is painted red on the canvas background: its top stroke is glyph row 3.
expect-pixel 32 16 0xD4D0C8
expect-pixel 32 19 0xFF0000
expect-pixel 23 19 0x000000
click n_undo
expect-row-trim 1 2 "中文 text"
expect-no-message
