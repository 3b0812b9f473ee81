# ANSI export with 24-bit colours, read back by the ANSI import: the same text, the same colours.
document "data/coloured.txt"
window 320 160
click n_color

# LF line ends.
answer no
answer-file "art.ans"
click n_ansi_out
expect-message "ANSI文件的行尾用Windows的CR LF吗？\n“是”：CR LF（Windows）\n“否”：LF（Linux、macOS）"
expect-exists "art.ans"
expect-no-message

# Read back: the file is UTF-8, the import asks, and the block floats at the top-left corner.
click n_new
answer-file "art.ans"
answer yes
click n_ansi
expect-message "“art.ans”是UTF-8编码的文本。\n是否按UTF-8读入？"
expect-visible write_in_imag true
expect-row-trim 5 1 "red"
expect-row-trim 5 2 "绿色"
click pop_finish
expect-row-trim 1 1 "red"
expect-row-trim 1 2 "绿色"
expect-colour 1 1 1 0x0000FF 1 0xC8D0D4
expect-colour 2 1 1 0x00FF00 1 0xFF0000
# Uncoloured cells come back in the canvas colours, as the view showed them.
expect-colour 1 2 1 0x000000 1 0xC8D0D4
expect-colour 3 2 1 0x000000 1 0x0000FF
