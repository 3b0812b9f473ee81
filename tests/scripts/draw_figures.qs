# Each figure drawn through the real window commits on release; undo takes it away and a
# second undo brings it back. The pen is the first slot of the pen row: "1".
window 640 320
expect-text pen_txt "1"

# A line along row 1.
click sb2_line
expect-status 3 "画直线"
press-cell 1 1
move-cell 3 1
move-cell 5 1
release-cell 5 1
expect-row-trim 1 1 "11111"
click n_undo
expect-row-trim 1 1 " "
click n_undo
expect-row-trim 1 1 "11111"

# A rectangle outline from (2, 3) to (5, 5).
click sb2_certage
press-cell 2 3
move-cell 5 5
release-cell 5 5
expect-row-trim 1 3 " 1111"
expect-row-trim 1 4 " 1  1"
expect-row-trim 1 5 " 1111"
click n_undo
expect-row-trim 1 4 " "
click n_undo
expect-row-trim 1 4 " 1  1"

# A freehand stroke lays the pen on every cell the pointer enters after the press.
click sb2_draw
press-cell 10 7
move-cell 11 7
move-cell 12 8
release-cell 12 8
expect-row-trim 1 7 "          1"
expect-row-trim 1 8 "           1"

# A single point: a press, a move that stays inside the cell, a release stamp it once.
click sb2_dot
press-cell 20 10
move 157 153
move 154 150
release-cell 20 10
expect-row-trim 1 10 "                   1"

# A circle around (30, 12) through (34, 12): in single-byte mode the aspect ratio is 2, so on
# its centre row it reaches 8 cells to either side.
click sb2_circle
expect-status 3 "画圆形"
press-cell 30 12
move-cell 34 12
release-cell 34 12
expect-row-trim 2 12 "                     1               1"
click n_undo
expect-row-trim 1 12 " "
click n_undo
expect-row-trim 1 12 "                     1               1"
expect-no-message
