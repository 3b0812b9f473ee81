# A text document named on the command line, with its colour file beside it.
document "data/coloured.txt"
expect-no-message
expect-status 5 "data/coloured.txt"
expect-lines 2
expect-line 1 "red"
expect-line 2 "绿色"
expect-colour 1 1 1 0x0000FF 0 0
expect-colour 2 1 1 0x00FF00 1 0xFF0000
expect-colour 3 1 0 0 0 0
expect-colour 3 2 0 0 1 0x0000FF
# Loaded and untouched: New asks nothing.
click n_new
expect-no-message
expect-colour 1 1 0 0 0 0
