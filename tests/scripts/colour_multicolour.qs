# Multicolour mode: F10 and the menu item n_color switch it; the status bar, the colour tool
# bar and the whole-picture transforms follow, and switching off puts everything back.
document "data/colour_grid.txt"
expect-status 2 "○"
expect-checked n_color false
expect-visible TB_color false
expect-visible tb_repare true
expect-enabled n_all true
expect-enabled m7 false

# On by the key.
key Image1 F10
expect-checked n_color true
expect-status 2 "●"
expect-visible TB_color true
expect-visible tb_repare false
expect-enabled n_all false
expect-enabled m7 true
expect-checked m7 true

# A brush mode chosen now ends when multicolour mode goes off.
click sb_font_color
expect-status 3 "修改字色"

# Off by the menu item.
click n_color
expect-checked n_color false
expect-status 2 "○"
expect-visible TB_color false
expect-visible tb_repare true
expect-enabled n_all true
expect-enabled m7 false

# With the brush mode gone a drag over the canvas colours nothing, even back in multicolour.
press-cell 2 1
move-cell 2 1
move-cell 3 1
release-cell 3 1
key Image1 F10
expect-status 2 "●"
expect-colour 2 1 0 0 0 0
expect-colour 3 1 0 0 0 0

# And off by the key again; the text never changed.
key Image1 F10
expect-status 2 "○"
expect-row-trim 1 1 "abcdefgh"
expect-no-message
