# Blank lines, blank columns and spaces from the text menu, each taken back by "恢复".
click n_view
key source_memo Ctrl+A
type source_memo "abc\n \t \n\n　\na b\tc"
expect-lines 5

# Between every two lines an empty one, none before the first or after the last.
click n_add_empty_line
expect-lines 9
expect-line 1 "abc"
expect-line 2 ""
expect-line 9 "a b\tc"
click n_undo_txt
expect-lines 5

# Lines of spaces and tabs, and empty lines, go; a full-width space stays.
click n_dec_empty_line
expect-lines 3
expect-line 1 "abc"
expect-line 2 "　"
expect-line 3 "a b\tc"

# Spaces and tabs go anywhere in a line; the full-width space stays.
click n_dec_empty_space
expect-line 2 "　"
expect-line 3 "abc"

# Two spaces after every cell, the last ones too; a full-width character is never split.
key source_memo Ctrl+A
type source_memo "abc\na中"
click n_add_empty_list
expect-line 1 "ab  c  "
expect-line 2 "a   中     "
expect-enabled n_undo_txt true

# "恢复" twice leaves the text as it was before the first one.
click n_undo_txt
expect-line 1 "abc"
click n_undo_txt
expect-line 1 "ab  c  "

# One line gains no blank line, but "恢复" is offered all the same.
key source_memo Ctrl+A
type source_memo "x"
expect-enabled n_undo_txt false
click n_add_empty_line
expect-lines 1
expect-enabled n_undo_txt true

# The text box's own undo takes a command back as one edit.
click n_add_empty_list
expect-line 1 "x  "
key source_memo Ctrl+Z
expect-line 1 "x"
expect-enabled n_undo_txt false

# An empty text stays empty.
key source_memo Ctrl+A
key source_memo Delete
click n_dec_empty_line
expect-lines 0
click n_add_empty_line
click n_add_empty_list
click n_dec_empty_space
expect-lines 0
