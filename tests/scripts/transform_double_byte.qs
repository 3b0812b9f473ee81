# Whole-canvas mirror, front turn and fill in double-byte mode on an odd width: full-width
# characters stay whole, and the byte past the last whole cell stays where it is.
document "data/mixed.txt"
window 150 64
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
# 17 bytes: 8 whole cells (round(17 / 2) = 8, halves to even) and byte 17.
expect-canvas-size 17 8
expect-row 1 2 "中文 text         "

# Left to right: cells 8 down to 1, each kept whole.
click sb1_mirror_v
expect-row 1 2 "      t ex t文中  "
expect-row 1 1 "              ab  "
expect-row-trim 1 3 "            stla"
click n_undo
expect-row 1 2 "中文 text         "

# The front square, 4 x 4 cells: the characters move as whole cells.
click sb1_turn_left
expect-row-trim 1 1 "  ex"
expect-row-trim 1 2 "   t    t"
expect-row-trim 1 3 "  文st"
expect-row-trim 1 4 "ab中la"
click n_turn_left
click n_turn_left
click n_turn_left
expect-row 1 2 "中文 text         "
expect-row-trim 1 1 "ab"

# A full-width pen fills every whole cell; byte 17 keeps what it had.
type pen_txt "□"
click sb2_clear
expect-row 1 1 "□□□□□□□□  "
expect-row 1 2 "□□□□□□□□  "
expect-row 2 5 "□□□□□□□□  "
click n_undo
expect-row 1 2 "中文 text         "
expect-row 2 2 "中文 text         "
expect-no-message
