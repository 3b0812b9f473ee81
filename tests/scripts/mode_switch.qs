# Switching between drawing mode and normal editing mode, by menu, tool button, key and
# status bar, keeps the document and shows the mode in the status bar.
document "data/mixed.txt"

# The program starts in drawing mode, single-byte, with the document on the canvas.
expect-status 0 "En"
expect-status 1 "■"
expect-status 5 "data/mixed.txt"
expect-checked n_view false
expect-visible Image1 true
expect-visible source_memo false
expect-visible ScrollBar1 true
expect-row-trim 1 1 "ab"
expect-row-trim 1 2 "中文 text"
expect-row-trim 2 3 "last"

# To normal editing mode by the menu.
click n_view
expect-checked n_view true
expect-status 1 "□"
expect-status 3 "普通编辑状态"
expect-visible Image1 false
expect-visible source_memo true
expect-visible ScrollBar1 false
expect-focus source_memo
expect-enabled word_wrap true
expect-enabled m3 false
expect-enabled usechinese1 false
expect-text source_memo "ab\n中文 text\nlast"
expect-lines 3

# Back to drawing mode with the tool button of the common tool bar: no byte-mode question
# comes up, as the program is already active.
click n_view
expect-status 1 "■"
expect-status 3 "无执行命令"
expect-enabled word_wrap false
expect-enabled m3 true
click ToolButton9
expect-status 1 "□"

# F3 in the text box switches back, as the menu's shortcut.
key source_memo F3
expect-status 1 "■"
expect-visible Image1 true

# Word wrap forbids drawing mode until it is switched off again.
click n_view
click word_wrap
expect-message "使用自动换行，将不能切换到绘图状态。"
expect-checked word_wrap true
expect-enabled n_view false
click word_wrap
expect-enabled n_view true
click n_view
expect-status 1 "■"

# The document went through all of it byte for byte.
expect-lines 3
expect-line 1 "ab"
expect-line 2 "中文 text"
expect-line 3 "last"
expect-no-message
