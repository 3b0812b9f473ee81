# The move tool: a rubber band lifts a block, blanks its place in the working layer, shows it
# floating; dragged in whole cells and placed by the next command, committed in one step.
document "data/block.txt"
window 640 320
expect-status 0 "En"
click sb1_move
expect-status 3 "剪切移动"
expect-checked sb1_move true

# Cells 2..4 of rows 2..4 (pixels 8..31, 16..63).
press-cell 2 2
move-cell 3 3
move-cell 4 4
expect-visible Btop true
expect-visible write_in_imag false
release-cell 4 4
expect-visible write_in_imag true
expect-visible Btop true
expect-visible Bright true
# The block in the selection buffer; its place is blank in the working layer only.
expect-row 5 1 "bcd"
expect-row 5 2 "BCD"
expect-row 5 3 "lmn"
expect-row-trim 2 1 "0123456789"
expect-row-trim 2 2 "a   efghij"
expect-row-trim 2 3 "A   EFGHIJ"
expect-row-trim 2 4 "k   opqrst"
expect-row-trim 2 5 "uvwxyz0123"
expect-row-trim 1 2 "abcdefghij"
# The canvas shows the blanked place: no ink in cell 2 of row 2 ("b" has ink at (1, 3)).
expect-pixel 9 19 0xD4D0C8

# Two cells right and one row down: 24 x 48 pixels is large enough to move in whole cells.
drag-selection 16 16
expect-visible write_in_imag true
expect-row-trim 1 3 "ABCDEFGHIJ"

# The pop-up menu's "确定" places it.
click pop_finish
expect-visible write_in_imag false
expect-visible Btop false
expect-row-trim 2 2 "a   efghij"
expect-row-trim 2 3 "A  bcdGHIJ"
expect-row-trim 2 4 "k  BCDqrst"
expect-row-trim 2 5 "uvwlmn0123"
expect-row-trim 2 6 "KLMNOPQRST"
# Committed at once.
expect-row-trim 1 2 "a   efghij"
expect-row-trim 1 3 "A  bcdGHIJ"
expect-row-trim 1 5 "uvwlmn0123"
# The canvas shows it: "b" now in cell 4 of row 3 has ink at (24 + 1, 32 + 3).
expect-pixel 25 35 0x000000

# One undo brings back the state before the place, which is the text before the move.
click n_undo
expect-row-trim 1 2 "abcdefghij"
expect-row-trim 1 3 "ABCDEFGHIJ"
expect-row-trim 1 4 "klmnopqrst"
expect-row-trim 1 5 "uvwxyz0123"
expect-row-trim 2 3 "ABCDEFGHIJ"

# A move placed by another command (choosing a tool) also commits.
click sb1_move
press-cell 1 1
move-cell 3 1
release-cell 3 1
expect-row 5 1 "012"
expect-row-trim 2 1 "   3456789"
drag-selection 0 16
click sb1_drag
expect-visible write_in_imag false
expect-row-trim 1 1 "   3456789"
expect-row-trim 1 2 "012defghij"

# The document follows when the canvas is stored (changed rows keep their padding).
click n_view
expect-lines 6
expect-line 6 "KLMNOPQRST"
expect-no-message
