# In multicolour mode colours travel with a block: a move takes them off the source and lays
# them at the destination, and one colour undo restores both places; a copy leaves the source.
document "data/block.txt"
window 640 320
key Image1 F10

# Red text on cells 2 and 3 of row 2; a green background on (3, 3), (6, 4) and (5, 5).
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 2
move-cell 2 2
move-cell 3 2
release-cell 3 2
answer-colour 0x00FF00
click Lb_back_color
press-cell 3 3
move-cell 3 3
release-cell 3 3
press-cell 6 4
move-cell 6 4
release-cell 6 4
press-cell 5 5
move-cell 5 5
release-cell 5 5
expect-pixel 16 32 0x00FF00

# Move cells 2..4 of rows 2..4.
click sb1_move
press-cell 2 2
move-cell 4 4
release-cell 4 4
expect-visible write_in_imag true
expect-colour 2 2 0 0 0 0
expect-colour 3 2 0 0 0 0
expect-colour 3 3 0 0 0 0
expect-pixel 16 32 0xD4D0C8
expect-row-trim 2 2 "a   efghij"

# Three cells right, two rows down: cells 5..7 of rows 4..6.
drag-selection 24 32
click pop_finish
expect-row-trim 1 4 "k   bcdrst"
expect-row-trim 1 5 "uvwxBCD123"
expect-row-trim 1 6 "KLMNlmnRST"
expect-colour 5 4 1 0x0000FF 0 0
expect-colour 6 4 1 0x0000FF 0 0
expect-colour 6 5 0 0 1 0x00FF00
# Uncoloured cells of the block clear what they land on.
expect-colour 5 5 0 0 0 0
expect-colour 7 4 0 0 0 0
expect-colour 2 2 0 0 0 0
expect-pixel 40 64 0x00FF00
expect-pixel 32 64 0xD4D0C8
# "b" in cell 5 of row 4 has red ink at (32 + 1, 48 + 3).
expect-pixel 33 51 0xFF0000

# One colour undo restores both places.
click sb_undo_color
expect-colour 2 2 1 0x0000FF 0 0
expect-colour 3 2 1 0x0000FF 0 0
expect-colour 3 3 0 0 1 0x00FF00
expect-colour 5 4 0 0 0 0
expect-colour 6 4 0 0 1 0x00FF00
expect-colour 5 5 0 0 1 0x00FF00
expect-colour 6 5 0 0 0 0
expect-pixel 16 32 0x00FF00
expect-pixel 32 64 0x00FF00
# The text is the text undo's business: the move stays.
expect-row-trim 1 5 "uvwxBCD123"
click n_undo
expect-row-trim 1 2 "abcdefghij"
expect-row-trim 1 5 "uvwxyz0123"

# Copy: cells 2..3 of row 2 with their red text to cells 2..3 of row 1; the source keeps them.
click sb1_drag
press-cell 2 2
move-cell 3 2
release-cell 3 2
expect-colour 2 2 1 0x0000FF 0 0
drag-selection 0 -16
click pop_finish
expect-row-trim 1 1 "0bc3456789"
expect-row-trim 1 2 "abcdefghij"
expect-colour 2 1 1 0x0000FF 0 0
expect-colour 3 1 1 0x0000FF 0 0
expect-colour 2 2 1 0x0000FF 0 0
expect-colour 3 2 1 0x0000FF 0 0
# A copy's colour undo takes back the destination only.
click sb_undo_color
expect-colour 2 1 0 0 0 0
expect-colour 3 1 0 0 0 0
expect-colour 2 2 1 0x0000FF 0 0
expect-no-message
