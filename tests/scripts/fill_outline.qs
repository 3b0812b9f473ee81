# Fill in single-byte mode: the inside of a closed outline, a one-column region, and undo.
window 640 320
expect-text pen_txt "1"

# A rectangle outline of "1" from (2, 2) to (9, 5).
click sb2_certage
press-cell 2 2
move-cell 9 5
release-cell 9 5
expect-row-trim 1 2 " 11111111"
expect-row-trim 1 3 " 1      1"

# Filled from inside with "#": the inside only, row by row.
click sb1_fill
expect-status 3 "填充字符"
type pen_txt "#"
press-cell 5 3
release-cell 5 3
expect-row-trim 1 1 " "
expect-row-trim 1 2 " 11111111"
expect-row-trim 1 3 " 1######1"
expect-row-trim 1 4 " 1######1"
expect-row-trim 1 5 " 11111111"
expect-row-trim 1 6 " "
click n_undo
expect-row-trim 1 3 " 1      1"
expect-row-trim 1 4 " 1      1"
click n_undo
expect-row-trim 1 4 " 1######1"

# The right edge of the outline is one column wide: clicked on it, only the clicked row fills.
type pen_txt "*"
press-cell 9 4
release-cell 9 4
expect-row-trim 1 3 " 1######1"
expect-row-trim 1 4 " 1######*"
expect-row-trim 1 5 " 11111111"

# The blank ground around the outline reaches both edges of the canvas: the top row fills whole.
# Below it, the one column left of the outline meets the run above only in its end column, so
# it does not connect; the ground right of the outline does.
type pen_txt "."
press-cell 1 1
release-cell 1 1
expect-row 1 1 ".............................................................................. "
expect-row-trim 1 2 " 11111111....................................................................."
expect-row-trim 1 3 " 1######1....................................................................."
expect-no-message
