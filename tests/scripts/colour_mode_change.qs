# Switching between single-byte and double-byte mode brings the colour layer to the new cell
# size: a double-byte cell takes each colour from its first byte cell, else its second; back in
# single-byte mode both byte cells of a double-byte cell take its colours.
document "data/colour_grid.txt"
window 640 320
expect-canvas-size 78 24
key Image1 F10

# Single-byte: cell 3 red text, cell 4 green background, cell 6 blue text, cell 8 a yellow
# background and cell 7 a red one (cell 7 comes first), cell 70 red text.
answer-colour 0x0000FF
click Lb_font_color
press-cell 3 1
move-cell 3 1
release-cell 3 1
press-cell 70 1
move-cell 70 1
release-cell 70 1
answer-colour 0xFF0000
click Lb_font_color
press-cell 6 1
move-cell 6 1
release-cell 6 1
answer-colour 0x00FF00
click Lb_back_color
press-cell 4 1
move-cell 4 1
release-cell 4 1
answer-colour 0x00FFFF
click Lb_back_color
press-cell 8 1
move-cell 8 1
release-cell 8 1
answer-colour 0x0000FF
click Lb_back_color
press-cell 7 1
move-cell 7 1
release-cell 7 1

# To double-byte: cell 2 is bytes 3 and 4, cell 3 bytes 5 and 6, cell 4 bytes 7 and 8.
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
expect-colour 1 1 0 0 0 0
expect-colour 2 1 1 0x0000FF 1 0x00FF00
expect-colour 3 1 1 0xFF0000 0 0
expect-colour 4 1 0 0 1 0x0000FF
# Byte cell 70 went to cell 35; cells past half the canvas width (39) lose their colours.
expect-colour 35 1 1 0x0000FF 0 0
expect-colour 40 1 0 0 0 0
expect-colour 70 1 0 0 0 0
# Double-byte cell 2 spans pixels 16..31 and is painted in its colours.
expect-pixel 16 0 0x00FF00
expect-pixel 31 0 0x00FF00
expect-pixel 48 0 0xFF0000

# Back to single-byte: both byte cells of each double-byte cell.
answer yes
click usechinese1
expect-message "在含有汉字的文档上使用半角模式。可能会造成乱码，是否继续？"
expect-status 0 "En"
expect-colour 1 1 0 0 0 0
expect-colour 2 1 0 0 0 0
expect-colour 3 1 1 0x0000FF 1 0x00FF00
expect-colour 4 1 1 0x0000FF 1 0x00FF00
expect-colour 5 1 1 0xFF0000 0 0
expect-colour 6 1 1 0xFF0000 0 0
expect-colour 7 1 0 0 1 0x0000FF
expect-colour 8 1 0 0 1 0x0000FF
expect-colour 68 1 0 0 0 0
expect-colour 69 1 1 0x0000FF 0 0
expect-colour 70 1 1 0x0000FF 0 0
expect-pixel 16 0 0x00FF00
expect-pixel 56 0 0xFF0000
expect-pixel 63 0 0xFF0000

# A question answered no changes neither the mode nor the colours.
answer no
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "En"
expect-colour 4 1 1 0x0000FF 1 0x00FF00
expect-row-trim 1 1 "abcdefgh"
expect-no-message
