# The character picker: opened by a double click in the pen box, characters picked into the pen,
# the page of the last pick bookmarked when the picker closes, the bookmark opening it again.
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"

double-click pen_txt
expect-visible SelectForm true
expect-text SelectForm "选择一个字符作为您的“笔”"
expect-text SelectForm.B_yes "关闭"
expect-text SelectForm.b_next ">"
expect-text SelectForm.b_before "<"
expect-text SelectForm.b_hide "︽"
expect-hint SelectForm.list1 "选页1~159"
expect-hint SelectForm.list2 "选页161~255"
expect-hint SelectForm.List3 "选页161~255"
expect-hint SelectForm.obj_list "选中框"
expect-hint SelectForm.Label1 "点击即可翻到该页"
expect-hint SelectForm.Label66 "点击即可翻到该页"
expect-items SelectForm.list1 117
expect-items SelectForm.list2 4
expect-items SelectForm.List3 3
expect-text SelectForm.Label1 "161"
expect-text SelectForm.Label11 "*"

# The picker started in single-byte mode, on the half-width page: row 2 begins at "@".
click-at SelectForm.l2 24 8
expect-text SelectForm.point "\x01A"
expect-text pen_txt "A"

# Page 176 from the first list (shown by its character with trail byte 0x40): 啊 is row 4,
# cell 2. Then one page on, and a pick there.
set SelectForm.list1 "癅"
click-at SelectForm.L4 24 8
expect-text pen_txt "啊"
expect-value SelectForm.obj_list "啊"
click SelectForm.b_next
click-at SelectForm.L4 24 8
expect-text pen_txt "薄"

# Closing bookmarks the page the last character came from; the other slots move down.
click SelectForm.B_yes
expect-visible SelectForm false
expect-text SelectForm.Label1 "177"
expect-text SelectForm.Label11 "薄"
expect-text SelectForm.Label2 "161"
expect-text SelectForm.Label22 "*"

# The pen draws what was picked.
click sb2_dot
press-cell 3 2
move-cell 3 2
release-cell 3 2
expect-row-trim 1 2 "    薄"

# F8 opens the picker again; the bookmark brings page 177 back after stepping away.
key Image1 F8
expect-visible SelectForm true
click SelectForm.b_before
click-at SelectForm.L4 40 8
expect-text pen_txt "阿"
click SelectForm.Label11
click-at SelectForm.L4 40 8
expect-text pen_txt "雹"

# Folding the lower panel and opening it again.
click SelectForm.b_hide
expect-visible SelectForm.Panel2 false
expect-text SelectForm.b_hide "︾"
click SelectForm.b_hide
expect-visible SelectForm.Panel2 true
expect-text SelectForm.b_hide "︽"

# A pick from a page a slot holds leaves the slots as they are.
click SelectForm.B_yes
expect-text SelectForm.Label1 "177"
expect-text SelectForm.Label2 "161"

# In normal editing mode a pick goes into the text at the caret, not into the pen.
click n_view
key source_memo Ctrl+A
type source_memo "ab"
key source_memo F8
set SelectForm.List3 "半角"
click-at SelectForm.L3 8 8
expect-line 1 "ab`"
expect-selection source_memo 3 0
expect-text pen_txt "雹"
click SelectForm.B_yes
