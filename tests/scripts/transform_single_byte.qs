# Whole-canvas mirrors, turns and the fill in single-byte mode, from the tool bar, the menu and
# its shortcut keys. Each works on the rows the board shows and one undo takes it back.
document "data/block.txt"
window 146 64
# The board shows 4 rows (64 pixels); the canvas has 8 rows of 16 bytes.
expect-canvas-size 16 8

# A point below the board's rows, drawn just before a flip, survives the flip's undo.
type pen_txt "#"
click sb2_dot
press-cell 12 6
move-cell 12 6
release-cell 12 6
expect-row-trim 1 6 "KLMNOPQRST #"
click sb1_mirror_h
expect-checked sb2_dot false
expect-row-trim 1 1 "klmnopqrst"
expect-row-trim 1 2 "ABCDEFGHIJ"
expect-row-trim 1 3 "abcdefghij"
expect-row-trim 1 4 "0123456789"
expect-row-trim 1 5 "uvwxyz0123"
expect-row-trim 2 4 "0123456789"
click n_undo
expect-row-trim 1 1 "0123456789"
expect-row-trim 1 4 "klmnopqrst"
expect-row-trim 1 6 "KLMNOPQRST #"
expect-row-trim 2 6 "KLMNOPQRST #"

# Top to bottom twice, by the menu's key, gives the rows back.
key Image1 Ctrl+A
expect-row-trim 1 1 "klmnopqrst"
key Image1 Ctrl+A
expect-row-trim 1 1 "0123456789"
expect-row-trim 1 4 "klmnopqrst"

# Left to right over the 16 bytes; byte 17 (padding) stays at the end.
click n_mirr_v
expect-row 1 1 "      9876543210 "
expect-row 1 2 "      jihgfedcba "
expect-row-trim 1 6 "KLMNOPQRST #"
expect-row-trim 1 5 "uvwxyz0123"
key Image1 Ctrl+S
expect-row 1 1 "0123456789       "
click sb1_mirror_v
click ToolButton_undo
expect-row 1 1 "0123456789       "
expect-row 2 1 "0123456789       "

# The front square: 4 x 4 two-byte cells, turned a quarter to the left.
click sb1_turn_left
expect-row-trim 1 1 "67ghGHqr89"
expect-row-trim 1 2 "45efEFopij"
expect-row-trim 1 3 "23cdCDmnIJ"
expect-row-trim 1 4 "01abABklst"
expect-row-trim 1 5 "uvwxyz0123"
key Image1 Ctrl+D
key Image1 Ctrl+D
click n_turn_left
expect-row-trim 1 1 "0123456789"
expect-row-trim 1 4 "klmnopqrst"

# The rear square: the last 4 cells of the 16 bytes.
click sb1_turn_right
expect-row-trim 1 1 "01234567"
expect-row-trim 1 4 "klmnopqr89ijIJst"
click pop2_undo
expect-row-trim 1 1 "0123456789"
expect-row-trim 1 4 "klmnopqrst"
key Image1 Ctrl+F
click n_turn_right
click n_turn_right
click n_turn_right
expect-row-trim 1 4 "klmnopqrst"

# The fill lays the pen over every byte of the width, on all 8 rows; undo takes it back.
click sb2_clear
expect-row 1 1 "################ "
expect-row 1 8 "################ "
expect-row 2 6 "################ "
click n_undo
expect-row-trim 1 6 "KLMNOPQRST #"
expect-row-trim 1 1 "0123456789"
# The menu's "清屏" does the same.
click n_clear
expect-row 1 3 "################ "
click n_undo

# A floating block is placed first; undo takes back the flip and leaves the block placed.
click sb1_drag
press-cell 1 1
move-cell 2 1
release-cell 2 1
drag-selection 0 16
click sb1_mirror_h
expect-visible write_in_imag false
expect-row-trim 1 3 "01cdefghij"
expect-row-trim 1 4 "0123456789"
click n_undo
expect-row-trim 1 1 "0123456789"
expect-row-trim 1 2 "01cdefghij"
click n_undo
click n_undo
expect-row-trim 1 2 "01cdefghij"

# With an empty pen box the fill says so and changes nothing.
key pen_txt Backspace
expect-text pen_txt ""
expect-row-trim 3 1 "klmnopqrst"
click sb2_clear
expect-message "请先在框中输入一个字符!"
expect-row-trim 1 1 "0123456789"
expect-row-trim 3 1 "klmnopqrst"

# The document receives the rows: in normal editing mode the transforms are out of reach.
click n_view
expect-line 1 "0123456789"
expect-line 6 "KLMNOPQRST #     "
expect-visible sb1_mirror_v false
expect-enabled n_mirr_h false
# And in multicolour mode, where the colours would not follow.
click n_view
key Image1 F10
expect-visible sb2_clear false
expect-enabled n_turn_left false
expect-no-message
