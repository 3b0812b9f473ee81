# The copy tool leaves the source in place; a block dragged partly past the left edge loses the
# part left of cell 1; a release on a single cell lifts nothing and leaves nothing to place.
document "data/block.txt"
window 640 320
click sb1_drag
expect-status 3 "复制移动"
expect-checked sb1_drag true

# Cells 3..5 of rows 2..4, dragged from the bottom right corner up to the top left.
press-cell 5 4
move-cell 4 3
move-cell 3 2
release-cell 3 2
expect-visible write_in_imag true
expect-row 5 1 "cde"
expect-row 5 2 "CDE"
expect-row 5 3 "mno"
expect-row-trim 2 2 "abcdefghij"
expect-row-trim 2 3 "ABCDEFGHIJ"

# Three cells to the left: cell 0 and below are left of the canvas.
drag-selection -24 0
# Choosing a tool places it. The block spans cells 0..2: "c" is dropped, "d" and "e" land on
# cells 1 and 2, and the rest of each row stays.
click sb1_drag
expect-visible write_in_imag false
expect-row-trim 2 1 "0123456789"
expect-row-trim 2 2 "decdefghij"
expect-row-trim 2 3 "DECDEFGHIJ"
expect-row-trim 2 4 "nomnopqrst"
expect-row-trim 2 5 "uvwxyz0123"
expect-row-trim 1 2 "decdefghij"
click n_undo
expect-row-trim 1 2 "abcdefghij"
expect-row-trim 1 4 "klmnopqrst"

# Every command sets the canvas back to plain mouse events: the tool is chosen again.
click sb1_drag
# A press and release on one cell selects nothing: no block, no frame.
press-cell 2 1
expect-visible Btop true
release-cell 2 1
expect-visible write_in_imag false
expect-visible Btop false
expect-visible Bleft false
# The next command places nothing: the buffer still holds "cde", but row 1 stays as it was.
click sb1_move
expect-row-trim 1 1 "0123456789"
expect-row-trim 2 1 "0123456789"
# And nothing was committed: undo still takes back the undo before it.
click n_undo
expect-row-trim 1 2 "decdefghij"

# With the move tool a single cell is no selection either, and nothing is blanked.
click sb1_move
press-cell 4 5
move-cell 4 5
release-cell 4 5
expect-visible write_in_imag false
expect-row-trim 2 5 "uvwxyz0123"

# A one-column block several rows high is a selection.
press-cell 4 5
move-cell 4 6
release-cell 4 6
expect-visible write_in_imag true
expect-row 5 1 "x"
expect-row 5 2 "N"
expect-row-trim 2 5 "uvw yz0123"
expect-row-trim 2 6 "KLM OPQRST"
click pop_finish
expect-row-trim 1 5 "uvwxyz0123"
expect-row-trim 1 6 "KLMNOPQRST"
expect-no-message
