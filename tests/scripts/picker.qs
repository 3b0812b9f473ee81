# The character picker: opened from the menu, a character picked into the pen, the page it came
# from bookmarked when the picker closes, the bookmark opening that page again.
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"

click n_dictionary
expect-visible SelectForm true
expect-text SelectForm "选择一个字符作为您的“笔”"
expect-text B_yes "关闭"
expect-hint list1 "选页1~159"
expect-hint Label11 "点击即可翻到该页"
expect-enabled list1 true
expect-text Label11 "*"

# The picker kept the half-width page of single-byte mode; slot 1 opens page 161, two steps on
# is page 163. A click in the middle of the first row takes its 16th cell: lead byte 163, trail
# byte 175.
click l1
expect-text point "\x01\x2F"
expect-text pen_txt "/"
click Label11
click b_next
click b_next
click l1
expect-text point "\xA3\xAF"
expect-text pen_txt "／"

# Closing bookmarks page 163 in the first slot; the others move down.
click B_yes
expect-visible SelectForm false
expect-text Label11 "／"
expect-text Label2 "161"
expect-text Label22 "*"

# The pen draws what was picked.
click sb2_dot
press-cell 3 2
move-cell 3 2
release-cell 3 2
expect-row-trim 1 2 "    ／"

# The bookmark brings page 163 back after the picker moved on.
click n_dictionary
click b_before
click l1
expect-text point "\xA2\xAF"
click Label11
click l1
expect-text pen_txt "／"
click B_yes
