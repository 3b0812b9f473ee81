# The floating selection's menu in double-byte multicolour mode: pasted text is aligned to
# cells and never leaves half a character at the block's edge; saving writes the colour file.
document "data/mixed.txt"
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
key Image1 F10
answer-colour 0x0000FF
click Lb_font_color
press-cell 2 2
move-cell 2 2
release-cell 2 2
expect-colour 2 2 1 0x0000FF 0 0

# Cells 1..2 of rows 1..2: 4 bytes a row.
click sb1_drag
press-cell 1 1
move-cell 2 2
release-cell 2 2
expect-row 5 1 "ab  "
expect-row 5 2 "中文"

# Saved with its colour file: 2 rows, 2 cells, the mode, a record a cell, the chosen colours.
answer-file "sel.txt"
click pop_txt_file
expect-file "sel.txt" "ab  \r\n中文\r\n"
expect-file "sel.txt.clo" "2\r\n2\r\n#2\r\n@\r\n@\r\n@\r\n*1\r\n255\r\n255\r\n0\r\n"

# Paste 2: "a中b" puts 中 into a cell of its own; "abc中" ends at "abc " rather than
# leaving 中's first byte at the edge.
clipboard "a中b\nabc中"
click pop_paste_same
expect-row 5 1 "a 中"
expect-row 5 2 "abc "
# Paste 1 wraps whole characters.
clipboard "中文字符"
click pop_paste
expect-row 5 1 "中文"
expect-row 5 2 "字符"
click pop_copy
expect-clipboard "中文\r\n字符"

# Cut: blank rows, the colours stay with the block.
click pop_cut
expect-row 5 2 "     "
click pop_paste_same
click pop_finish
expect-row-trim 1 1 "中文"
expect-row-trim 1 2 "字符 text"
expect-colour 2 2 1 0x0000FF 0 0
click n_undo
expect-row-trim 1 1 "ab"
expect-row-trim 1 2 "中文 text"

# A save over an existing file answered No leaves it as it was.
click sb1_drag
press-cell 1 3
move-cell 2 3
release-cell 2 3
answer-file "sel.txt"
answer no
click pop_txt_file
expect-file "sel.txt" "ab  \r\n中文\r\n"
