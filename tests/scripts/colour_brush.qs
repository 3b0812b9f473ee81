# The colour brush in multicolour mode: text and background colours laid cell by cell, the
# restore brush, pixels of coloured cells, colour undo and clear all.
# Single-byte canvas: cell C covers pixels 8C-8 .. 8C-1; the canvas colours are black text on
# the button face 0xD4D0C8. The glyph of "b" has ink at (1, 3) and none in its top row.
document "data/colour_grid.txt"
key Image1 F10

# Text colour red (Windows 0x0000FF), chosen at the label; the brush mode follows.
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 1
move-cell 2 1
move-cell 3 1
release-cell 3 1
expect-colour 1 1 0 0 0 0
expect-colour 2 1 1 0x0000FF 0 0
expect-colour 3 1 1 0x0000FF 0 0
expect-colour 4 1 0 0 0 0
expect-pixel 9 3 0xFF0000
expect-pixel 8 0 0xD4D0C8
expect-pixel 1 3 0xD4D0C8
# Cell 1 ("a") keeps black ink: its bowl has ink at (2, 6).
expect-pixel 2 6 0x000000

# Background green over cells 3 and 4: cell 3 keeps its text colour.
answer-colour 0x00FF00
click Lb_back_color
press-cell 4 1
move-cell 4 1
move-cell 3 1
release-cell 3 1
expect-colour 3 1 1 0x0000FF 1 0x00FF00
expect-colour 4 1 0 0 1 0x00FF00
expect-pixel 16 0 0x00FF00
expect-pixel 24 0 0x00FF00
expect-pixel 32 0 0xD4D0C8

# The brush leaves the text alone.
expect-row-trim 2 1 "abcdefgh"
expect-row-trim 1 1 "abcdefgh"

# The restore brush takes both colours off the cells it passes.
click sb_clear_color
expect-status 3 "还原颜色"
press-cell 3 2
move-cell 3 2
move-cell 3 1
release-cell 3 1
expect-colour 3 1 0 0 0 0
expect-colour 2 1 1 0x0000FF 0 0
expect-colour 4 1 0 0 1 0x00FF00
expect-pixel 16 0 0xD4D0C8
# While the restore brush is chosen a repaint shows every run in the canvas colours.
window 640 320
expect-pixel 24 0 0xD4D0C8
expect-pixel 9 3 0x000000

# Choosing the text brush again shows the colours.
click sb_font_color
expect-status 3 "修改字色"
window 640 336
expect-pixel 24 0 0x00FF00
expect-pixel 9 3 0xFF0000

# One stroke over cell 6, cell 7 and back to cell 6: a single colour undo leaves both cells as
# they were before the stroke, and a second undo brings the colouring back.
press-cell 6 2
move-cell 6 2
move-cell 7 2
move-cell 6 2
release-cell 6 2
expect-colour 6 2 1 0x0000FF 0 0
expect-colour 7 2 1 0x0000FF 0 0
click sb_undo_color
expect-colour 6 2 0 0 0 0
expect-colour 7 2 0 0 0 0
expect-colour 2 1 1 0x0000FF 0 0
click sb_undo_color
expect-colour 6 2 1 0x0000FF 0 0
expect-colour 7 2 1 0x0000FF 0 0

# A cell brushed twice in one stroke in two colours comes back uncoloured.
answer-colour 0xFF0000
click Lb_font_color
press-cell 5 3
move-cell 5 3
move-cell 5 2
release-cell 5 2
answer-colour 0x00FFFF
click Lb_font_color
press-cell 8 3
move-cell 8 3
move-cell 8 2
move-cell 8 3
release-cell 8 3
expect-colour 8 3 1 0x00FFFF 0 0
click sb_undo_color
expect-colour 8 3 0 0 0 0
expect-colour 8 2 0 0 0 0
expect-colour 5 3 1 0xFF0000 0 0

# Clear all takes every colour off; undo brings them back; a second undo clears them again.
click sb_clear_all_color
expect-colour 2 1 0 0 0 0
expect-colour 4 1 0 0 0 0
expect-colour 5 3 0 0 0 0
expect-pixel 9 3 0x000000
expect-pixel 24 0 0xD4D0C8
click sb_undo_color
expect-colour 2 1 1 0x0000FF 0 0
expect-colour 4 1 0 0 1 0x00FF00
expect-colour 5 3 1 0xFF0000 0 0
expect-pixel 24 0 0x00FF00
click sb_undo_color
expect-colour 2 1 0 0 0 0
expect-colour 4 1 0 0 0 0
expect-colour 5 3 0 0 0 0
expect-colour 6 2 0 0 0 0
expect-pixel 24 0 0xD4D0C8

# Clear all is a one-shot command: the text brush chosen before it still paints.
press-cell 1 3
move-cell 1 3
release-cell 1 3
expect-colour 1 3 1 0x00FFFF 0 0
expect-no-message
