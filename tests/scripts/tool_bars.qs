# Hiding and showing tool bars only hides and shows them: the canvas keeps its size and its
# place in the document, and the last drawing can still be undone.
document "data/sixty.txt"
window 800 320
expect-canvas-size 98 24
scroll 40
expect-scroll 40
expect-row-trim 1 24 "line 40"

click sb2_line
press-cell 1 24
move-cell 6 24
release-cell 6 24
expect-row-trim 1 24 "1111110"

# The three bars of the first row hidden: the panel grows, the canvas stays.
click n_commom
click n_draw
click n_repare
expect-visible tb_commom false
expect-visible tb_drawtool false
expect-visible tb_repare false
expect-canvas-size 98 24
expect-scroll 40
expect-row-trim 1 1 "line 17"
click n_undo
expect-row-trim 1 24 "line 40"
click n_undo
expect-row-trim 1 24 "1111110"

# Shown again, the parameter bar toggled, and the colour bar shown by multicolour mode and
# hidden by its own item: still the same window of the document.
click n_commom
click n_draw
click n_repare
click N12
expect-visible tb_option false
expect-checked N12 false
click N12
expect-visible tb_option true
click n_color
expect-visible TB_color true
click m7
expect-visible TB_color false
click n_color
expect-visible tb_commom true
expect-visible tb_drawtool true
expect-visible tb_repare true
expect-canvas-size 98 24
expect-scroll 40
click n_undo
expect-row-trim 1 24 "line 40"
expect-line 40 "line 40"
expect-no-message
