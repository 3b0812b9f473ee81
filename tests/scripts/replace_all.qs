# Replace puts the pen in place of every occurrence of the clicked character, connected or not.
window 640 320

# Three strokes of "1" on rows 2, 4 and 6.
click sb2_line
press-cell 2 2
move-cell 6 2
release-cell 6 2
press-cell 10 4
move-cell 12 4
release-cell 12 4
type pen_txt "2"
press-cell 3 6
move-cell 4 6
release-cell 4 6
expect-row-trim 1 2 " 11111"
expect-row-trim 1 6 "  22"

click sb1_replace
expect-status 3 "取代字符"
type pen_txt "x"
press-cell 4 2
release-cell 4 2
expect-row-trim 1 2 " xxxxx"
expect-row-trim 1 4 "         xxx"
expect-row-trim 1 6 "  22"
click n_undo
expect-row-trim 1 2 " 11111"
expect-row-trim 1 4 "         111"
click n_undo
expect-row-trim 1 4 "         xxx"

# Clicked on the blank ground: every blank cell of the canvas, no byte beyond it.
type pen_txt "-"
press-cell 1 1
release-cell 1 1
expect-row 1 1 "------------------------------------------------------------------------------ "
expect-row-trim 1 6 "--22--------------------------------------------------------------------------"
expect-no-message
