# The floating selection's menu: copy, cut, clear, both pastes and saving as text, through the
# system clipboard. The block keeps its size; placed, one undo gives the canvas back.
document "data/block.txt"
window 640 320

# Without a floating block the menu's commands have nothing to work on.
clipboard "untouched"
click pop_copy
click pop_cut
expect-clipboard "untouched"

# Cells 3..5 of rows 2..4, copied.
click sb1_drag
press-cell 3 2
move-cell 5 4
release-cell 5 4
expect-row 5 1 "cde"
click pop_copy
expect-clipboard "cde\r\nCDE\r\nmno"
# A cut blanks every row with w + 1 spaces.
click pop_cut
expect-clipboard "cde\r\nCDE\r\nmno"
expect-row 5 1 "    "
expect-row 5 3 "    "
expect-visible write_in_imag true
# Paste 2 of what was copied gives it back.
click pop_paste_same
expect-row 5 1 "cde"
expect-row 5 2 "CDE"
expect-row 5 3 "mno"
click pop_clear
expect-row 5 2 "   "

# Text from elsewhere: each line cut or padded by itself; LF and CR end lines too.
clipboard "abcdef\nx\ry\n4th"
click pop_paste_same
expect-row 5 1 "abc"
expect-row 5 2 "x  "
expect-row 5 3 "y  "
# Paste 1 wraps the text over the rows, after a blank where one fits; the rest is dropped.
clipboard "hi there you"
click pop_paste
expect-row 5 1 "hi "
expect-row 5 2 "the"
expect-row 5 3 "re "
# An empty clipboard says so and leaves the block as it is.
clipboard ""
click pop_paste
expect-message "剪贴板中没有文本，选中的内容没有改变。"
click pop_paste_same
expect-message "剪贴板中没有文本，选中的内容没有改变。"
expect-row 5 2 "the"

# A cancelled save dialog writes nothing.
answer-file-cancel
click pop_txt_file
expect-no-file "block.txt"

# Saved as text: the rows as they stand, no colour file outside multicolour mode, no backup.
answer-file "block.txt"
click pop_txt_file
expect-file "block.txt" "hi \r\nthe\r\nre \r\n"
expect-no-file "block.txt.clo"
expect-no-file "block.txt.bak"
expect-status 5 "data/block.txt"

# Placed, and taken back by one undo.
click pop_finish
expect-visible write_in_imag false
expect-row-trim 1 2 "abhi fghij"
expect-row-trim 1 3 "ABtheFGHIJ"
expect-row-trim 1 4 "klre pqrst"
click n_undo
expect-row-trim 1 2 "abcdefghij"
expect-row-trim 1 3 "ABCDEFGHIJ"
expect-row-trim 1 4 "klmnopqrst"

# A cut block placed leaves blanks; undo brings the text back.
click sb1_move
press-cell 1 1
move-cell 2 1
release-cell 2 1
click pop_cut
expect-clipboard "01"
click pop_finish
expect-row-trim 1 1 "  23456789"
click n_undo
expect-row-trim 1 1 "0123456789"

# A folder that does not exist: the message names the file; nothing else changes.
click sb1_drag
press-cell 1 5
move-cell 3 5
release-cell 3 5
answer-file "/nonexistent-quillo-folder/sel.txt"
click pop_txt_file
expect-message "Cannot save file \"/nonexistent-quillo-folder/sel.txt\". The folder does not exist."
expect-visible write_in_imag true
expect-row 5 1 "uvw"
expect-no-file "/nonexistent-quillo-folder"
expect-no-message
