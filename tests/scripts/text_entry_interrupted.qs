# Typing cut short: a click elsewhere writes what the box holds and starts there; choosing
# another command drops the text not yet written but keeps (and commits) what the entry wrote.
window 640 320
click sb2_type_h
press-cell 2 1
release-cell 2 1
type write_in_edit "one"
press-cell 10 5
release-cell 10 5
expect-row-trim 2 1 " one"
expect-visible write_in_edit true
type write_in_edit "two"
key write_in_edit Enter
expect-row-trim 2 5 "         two"
expect-enabled n_undo false
type write_in_edit "lost"
click sb2_line
expect-visible write_in_edit false
expect-enabled n_undo true
expect-row-trim 1 5 "         two"
expect-row-trim 1 6 " "
expect-row-trim 2 6 " "
# One undo takes back the whole entry.
click n_undo
expect-row-trim 1 5 " "
expect-row-trim 1 1 " "
click n_undo

# Enter on the empty box right after placing it ends the entry; nothing changes.
click sb2_type_v
press-cell 4 3
release-cell 4 3
key write_in_Memo Enter
expect-visible write_in_Memo false
expect-status 3 "竖向输入"
expect-row-trim 1 1 " one"
expect-row-trim 1 3 " "


# Switching to normal editing mode mid-entry: the written column reaches the document, the
# memo's unwritten text does not.
press-cell 4 3
release-cell 4 3
type write_in_Memo "xy"
key write_in_Memo Enter
type write_in_Memo "zz"
click n_view
expect-visible write_in_Memo false
click n_view
expect-row-trim 1 3 "   x"
expect-row-trim 1 4 "   y"
expect-enabled n_undo true

# The byte-mode switch takes the tool away: the next Enter closes the box, keeping what was
# written in the mode it was written in.
click sb2_type_h
press-cell 1 8
release-cell 1 8
type write_in_edit "ab"
key write_in_edit Enter
type write_in_edit "cd"
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
key write_in_edit Enter
expect-visible write_in_edit false
expect-enabled n_undo true
expect-row-trim 1 8 "ab"
expect-row-trim 1 9 " "
