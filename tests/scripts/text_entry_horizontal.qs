# Horizontal typing: each Enter writes the line and moves the box one row down; Enter on the
# empty box ends the entry, and one undo takes the whole entry away.
window 640 320
click sb2_type_h
expect-status 3 "横向输入"
press-cell 3 2
release-cell 3 2
expect-status 3 "按Enter两次结束"
expect-visible write_in_edit true
expect-focus write_in_edit
type write_in_edit "ab"
key write_in_edit Enter
expect-row-trim 2 2 "  ab"
expect-row-trim 1 2 " "
expect-enabled n_undo false
expect-enabled ToolButton_undo false
expect-text write_in_edit ""
expect-focus write_in_edit

# Chinese arrives as an input method commits it.
type write_in_edit "中文x"
key write_in_edit Enter
expect-row-trim 2 3 "  中文x"
key write_in_edit Enter
expect-visible write_in_edit false
expect-status 3 "横向输入"
expect-enabled n_undo true
expect-enabled ToolButton_undo true
expect-focus pen_txt
expect-row-trim 1 2 "  ab"
expect-row-trim 1 3 "  中文x"
click n_undo
expect-row-trim 1 2 " "
expect-row-trim 1 3 " "
click n_undo
expect-row-trim 1 3 "  中文x"
