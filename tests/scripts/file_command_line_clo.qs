# A colour file on the command line: its colours on a new, empty document.
document "data/alone.clo"
expect-no-message
expect-status 5 "新文件.txt"
expect-lines 1
expect-line 1 " "
expect-colour 1 1 1 0x0000FF 0 0
expect-colour 2 1 1 0x00FF00 1 0xFF0000
expect-colour 3 2 0 0 1 0x0000FF
