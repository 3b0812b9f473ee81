# Typing into the text box of normal editing mode: ASCII arrives as key presses, Chinese as
# an input method commits it, and both reach the canvas as GBK bytes.
click n_view
key source_memo Ctrl+A
type source_memo "画图 art\nline 2"
expect-lines 2
expect-line 1 "画图 art"
expect-line 2 "line 2"
key source_memo Backspace
key source_memo Enter
type source_memo "三"
expect-lines 3
expect-line 2 "line "
expect-line 3 "三"

# The clipboard is the text box's: paste it after the text.
clipboard "贴上\x80"
key source_memo Ctrl+V
expect-line 3 "三贴上\x80"

# In drawing mode the rows hold the bytes.
click n_view
expect-row-trim 1 1 "画图 art"
expect-row-trim 1 3 "三贴上\x80"
