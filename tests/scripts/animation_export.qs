# The floating selection handed to Reelix: a numbered picture in the temporary folder, its path
# in quillo.idx, the canvas colours in color.id_. (The index holds full paths of this run's own
# folder: the window tests read it.)
document "data/block.txt"
window 640 320

# Without Reelix beside the program and without a selection: only the colours are written, and
# the message says where Reelix belongs.
click SB_mov
expect-message "  在当前目录下未能找到Reelix程序，\r程序“Reelix.exe”是Quillo的一个\r附属程序，请将其放置在同一目录下，再运\r行此操作。若有疑问请访问以下地址：\r   https://github.com/quillo-editor/quillo"
expect-file "color.id_" "0\r\n-2147483633\r\n"
expect-no-file "quillo.idx"

# Cells 3..5 of rows 2..4, and a "reelix" beside the program (saved there as text).
click sb1_drag
press-cell 3 2
move-cell 5 4
release-cell 5 4
answer-file "reelix"
click pop_txt_file
expect-exists "reelix"

# Two exports of the same document: block_v1.txt and block_v2.txt.
click pop_mov_file
expect-message "  图案传送成功！"
click SB_mov
expect-message "  图案传送成功！"
expect-file "temp/block_v1.txt" "cde\r\nCDE\r\nmno\r\n"
expect-file "temp/block_v2.txt" "cde\r\nCDE\r\nmno\r\n"
expect-no-file "temp/block_v3.txt"
expect-no-file "temp/block_v1.txt.clo"
expect-exists "quillo.idx"
expect-visible write_in_imag true

# A system colour as the canvas text colour is written as a negative number; in multicolour mode
# the picture's colours go beside it.
click pop_finish
click n_color
answer-colour 0x80000008
click Lb_map_font_color
click sb1_drag
press-cell 1 1
move-cell 2 1
release-cell 2 1
click pop_mov_file
expect-message "  图案传送成功！"
expect-file "temp/block_v3.txt" "01\r\n"
expect-exists "temp/block_v3.txt.clo"
expect-file "color.id_" "-2147483640\r\n-2147483633\r\n"

# While Reelix runs ("tmp.id_" stands beside it) the user is sent to it; its colours stay.
answer-file "tmp.id_"
click pop_txt_file
answer-colour 0x0000FF
click Lb_map_font_color
click sb1_drag
press-cell 1 1
move-cell 2 1
release-cell 2 1
click pop_mov_file
expect-message "  图案传送成功！请切换到Reelix\r程序界面查看结果。"
expect-file "temp/block_v4.txt" "01\r\n"
expect-file "color.id_" "-2147483640\r\n-2147483633\r\n"
expect-no-message
