# New, Open, Save and Save as through the menus, with the question before a change is dropped.
# (Questions that quote a saved file's full name are checked by the window tests: here the
# program folder changes from run to run.)
document "data/mixed.txt"

# Save as into the program folder: every line ends with CR LF, GBK bytes as they are.
answer-file "art.txt"
click n_save
expect-file "art.txt" "ab\r\n中文 text\r\nlast\r\n"
expect-no-file "art.txt.bak"
expect-no-message
# Saved and untouched: New asks nothing.
click n_new
expect-no-message
expect-status 5 "新文件.txt"
expect-lines 1

# A point drawn on the new document is a change: Cancel keeps everything.
type pen_txt "#"
click sb2_dot
press-cell 1 5
move-cell 1 5
release-cell 1 5
expect-row-trim 1 5 "#"
answer cancel
click n_new
expect-message "文件已经改变，是否保存“新文件.txt”?"
expect-row-trim 1 5 "#"
answer cancel
answer-file "art.txt"
click n_open
expect-message "文件已经改变，是否保存“新文件.txt”?"
expect-row-trim 1 5 "#"
expect-status 5 "新文件.txt"

# No drops it, and the chosen file opens.
answer no
click n_open
expect-message "文件已经改变，是否保存“新文件.txt”?"
expect-lines 3
expect-row-trim 1 2 "中文 text"
expect-no-file "新文件.txt"

# Drawing and undoing back to the saved state is no change.
click sb2_dot
press-cell 2 4
move-cell 2 4
release-cell 2 4
expect-row-trim 1 4 " #"
click n_undo
expect-row-trim 1 4 " "
click n_new
expect-no-message
expect-lines 1

# Save writes under the current name, with no question; no backup while bake_up is off.
answer-file "art.txt"
click n_open
click sb2_dot
press-cell 1 1
move-cell 1 1
release-cell 1 1
click n_quitsave
expect-no-message
expect-no-file "art.txt.bak"
click n_new
expect-no-message
answer-file "art.txt"
click n_open
expect-row-trim 1 1 "#b"
expect-row-trim 1 3 "last"

# An upper-case name through the dialog loads nothing (the dialog's compare is exact).
answer-file "PIC.TXT"
click n_save
expect-no-message
click n_new
answer-file "PIC.TXT"
click n_open
expect-lines 1
expect-line 1 " "
expect-status 5 "新文件.txt"
expect-no-message
