# Vertical typing: one character per row down from the clicked cell; each Enter moves one cell
# to the right, Enter on the empty memo ends the entry, and one undo takes it all away.
window 640 320
click n_text_v
expect-status 3 "竖向输入"
press-cell 5 1
release-cell 5 1
expect-status 3 "按Enter两次结束"
expect-focus write_in_Memo
type write_in_Memo "abc"
key write_in_Memo Enter
expect-row-trim 2 1 "    a"
expect-row-trim 2 2 "    b"
expect-row-trim 2 3 "    c"
expect-row-trim 1 1 " "
expect-enabled n_undo false
# The next column, right of the first; a full-width character takes two bytes.
type write_in_Memo "d中"
key write_in_Memo Enter
key write_in_Memo Enter
expect-visible write_in_Memo false
expect-status 3 "竖向输入"
expect-enabled n_undo true
expect-focus pen_txt
expect-row-trim 1 1 "    ad"
expect-row-trim 1 2 "    b中"
expect-row-trim 1 3 "    c"
click n_undo
expect-row-trim 1 1 " "
expect-row-trim 1 2 " "

# Double-byte mode: a cell holds one full-width or two half-width characters, and a lone
# half-width one is padded with a space.
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
click sb2_type_v
press-cell 2 4
release-cell 2 4
type write_in_Memo "中ab文c"
key write_in_Memo Enter
type write_in_Memo "xy"
key write_in_Memo Enter
key write_in_Memo Enter
expect-row-trim 1 4 "  中xy"
expect-row-trim 1 5 "  ab"
expect-row-trim 1 6 "  文"
expect-row-trim 1 7 "  c"
click n_undo
expect-row-trim 1 4 " "
expect-row-trim 1 5 " "

# A double click in the memo opens the character picker; a pick goes in at the memo's caret.
press-cell 6 1
release-cell 6 1
type write_in_Memo "a"
double-click write_in_Memo
expect-visible SelectForm true
set SelectForm.list1 "癅"
click-at SelectForm.L4 24 8
expect-text write_in_Memo "a啊"
click SelectForm.B_yes
key write_in_Memo Enter
key write_in_Memo Enter
expect-row-trim 1 1 "          a"
expect-row-trim 1 2 "          啊"
