# Undo is a swap of the committed and undo layers: with nothing drawn, undoing twice (by the
# menu, the tool button and the context menu) leaves every row as it was.
document "data/mixed.txt"
expect-row-trim 1 1 "ab"
expect-row-trim 1 2 "中文 text"
expect-row-trim 3 2 "中文 text"

click n_undo
click n_undo
expect-row-trim 1 1 "ab"
expect-row-trim 1 2 "中文 text"
expect-row-trim 1 3 "last"
expect-row-trim 2 2 "中文 text"
expect-row-trim 3 2 "中文 text"

click ToolButton_undo
click pop2_undo
expect-row-trim 1 2 "中文 text"
expect-row-trim 2 3 "last"

# Ctrl+Z on the canvas is the menu's shortcut in drawing mode.
key Image1 Ctrl+Z
key Image1 Ctrl+Z
expect-row-trim 1 1 "ab"
expect-row-trim 2 1 "ab"

# In normal editing mode the drawing menu and its undo are out of reach.
click n_view
expect-enabled n_undo false
expect-lines 3
expect-line 1 "ab"
expect-line 2 "中文 text"
expect-line 3 "last"
