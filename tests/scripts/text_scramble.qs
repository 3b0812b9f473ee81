# Scrambling rows and columns under a numeric key, and restoring them with the same key.
click n_view
key source_memo Ctrl+A
type source_memo "one\ntwo\nthree"

# The key is asked for; cancelled or empty, nothing happens and nothing is offered to restore.
answer-text-cancel
click N21
expect-prompt "输入数字密码" "输入小于9位的数字密码，如果忘记密码，文章无法复原" "1234567"
answer-text ""
click N24
expect-prompt "输入还原密码" "输入小于9位的数字密码，如果密码错误，文章会被破坏！" ""
answer-text "12a"
click N20
expect-message "'12a' is not a valid integer value"
answer-text "0"
click N20
expect-message "数字密码必须大于0！"
answer-text "-5"
click N23
expect-message "数字密码必须大于0！"
expect-line 1 "one"
expect-line 3 "three"
expect-enabled n_undo_txt false
expect-no-message

# Rows with key 2: the second line is taken first, then the first.
answer-text "2"
click N21
expect-prompt "输入数字密码" "输入小于9位的数字密码，如果忘记密码，文章无法复原" "1234567"
expect-line 1 "two"
expect-line 2 "one"
expect-line 3 "three"
expect-enabled n_undo_txt true
answer-text "2"
click N24
expect-line 1 "one"
expect-line 2 "two"
expect-line 3 "three"

# Columns: 2-byte cells change places; a line of odd length keeps its last byte and comes
# back with one space after it.
answer-text "1234567"
click N20
expect-line 1 "e on"
expect-line 3 "ree th"
answer-text "1234567"
click N23
expect-line 1 "one "
expect-line 2 "two "
expect-line 3 "three "

# A wrong key gives another order; "恢复" takes the wrong restore back.
answer-text "1234567"
click N20
answer-text "7654321"
click N23
click n_undo_txt
expect-line 1 "e on"

# Full-width characters move as whole cells; the largest key works as any other.
key source_memo Ctrl+A
type source_memo "中文字符ab"
answer-text "2147483647"
click N20
expect-line 1 "字中文符ab"
answer-text "2147483647"
click N23
expect-line 1 "中文字符ab"
