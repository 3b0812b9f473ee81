# Reading direction and mirror from the text menu, in normal editing mode: the text turns from
# lines to columns and back, punctuation turns with it, "恢复" takes a command back, and a text of
# more than 256 lines is refused.
window 640 320
expect-enabled n_total_txt false
click n_view
expect-enabled n_total_txt true
expect-enabled n_undo_txt false

key source_memo Ctrl+A
type source_memo "ab\ncd\nef"
click n_h2v_txt
expect-lines 1
expect-line 1 "abcdef"
expect-enabled n_undo_txt true
click n_v2h_txt
expect-lines 3
expect-line 1 "ab"
expect-line 2 "cd"
expect-line 3 "ef"

# "恢复" swaps the text with the one before the last command, and back again.
click n_undo_txt
expect-lines 1
expect-line 1 "abcdef"
click n_undo_txt
expect-lines 3
expect-enabled n_undo_txt true

# Typing disables it until the next command.
key source_memo Ctrl+End
type source_memo "g"
expect-enabled n_undo_txt false
expect-line 3 "efg"

# A tab stops at the next multiple of 8 bytes; the fifth byte gets a cell of its own; brackets
# and marks turn to their vertical forms and come back as full-width ones ("（" -> "〔").
key source_memo Ctrl+A
type source_memo "（好）\na\tb !"
click n_h2v_txt
expect-lines 6
expect-line 1 "︵a"
expect-line 2 "好"
expect-line 3 "︶"
expect-line 4 " "
expect-line 5 "  b"
expect-line 6 "  ﹗"
click n_v2h_txt
expect-lines 2
expect-line 1 "〔好〕"
expect-line 2 "a       b ！"

# The mirror right-aligns short lines and swaps paired marks; "(x" shares no cell with a space.
key source_memo Ctrl+A
type source_memo "《第一章》\nab\nabcd\n(x"
click n_mirr_txt
expect-line 1 "《章一第》"
expect-line 2 "        ab"
expect-line 3 "      cdab"
expect-line 4 "        (x"
click n_undo_txt
expect-line 1 "《第一章》"

# In single-byte mode a full-width character after a half-width one stays whole.
key source_memo Ctrl+A
type source_memo "a中"
click n_h2v_txt
expect-line 1 "a"
expect-line 2 "中"

# Bytes that are no GBK character are moved as they are, and come back by "恢复".
key source_memo Ctrl+A
clipboard "\x80\x81x\n中"
key source_memo Ctrl+V
click n_mirr_txt
expect-line 1 "x \x80\x81"
expect-line 2 "  中"
click n_undo_txt
expect-line 1 "\x80\x81x"

# 257 lines are refused and kept as they are; "恢复" is still offered.
key source_memo Ctrl+A
type source_memo "a\nb"
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
expect-lines 257
click n_h2v_txt
expect-message "文章超过256行.不能执行!"
expect-lines 257
expect-enabled n_undo_txt true
click n_v2h_txt
expect-message "文章超过256行.不能执行!"

# A result wider than the text box switches word wrap off, as unticking it does.
click n_dec_empty_line
expect-lines 2
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
click n_add_empty_line
expect-lines 129
click word_wrap
expect-message "使用自动换行，将不能切换到绘图状态。"
expect-enabled n_view false
click n_h2v_txt
expect-message "由于超长，暂时取消了自动换行。"
expect-checked word_wrap false
expect-enabled n_view true
expect-lines 1
click n_view
expect-enabled n_total_txt false
