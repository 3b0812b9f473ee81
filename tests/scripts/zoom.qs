# Zoom: Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 scale the canvas by whole factors 1 to 4.
# Mouse positions (move X Y) are the widget's own; cells (press-cell) stay cells at every factor.
document "data/mixed.txt"
window 640 320
expect-checked n_zoom_1 true
expect-canvas-size 78 24

key pen_txt Ctrl+=
expect-checked n_zoom_2 true
expect-checked n_zoom_1 false
key pen_txt Ctrl++
expect-checked n_zoom_3 true
# The panel holds a third as many cells; the document is as it was.
expect-canvas-size 26 8
expect-row-trim 1 2 "中文 text"

# At factor 3 canvas pixel 31 (column 4) ends at widget unit 95; unit 96 is column 5.
move 95 48
expect-status 4 "X: 4 Y: 2"
move 96 48
expect-status 4 "X: 5 Y: 2"

type pen_txt "#"
click sb2_dot
press-cell 7 5
move-cell 7 5
release-cell 7 5
expect-row-trim 1 5 "      #"
expect-line 5 "      #                    "

# Down again, then the screen's own factor (1 on this one), then straight to 4.
key pen_txt Ctrl+-
expect-checked n_zoom_2 true
key pen_txt Ctrl+0
expect-checked n_zoom_1 true
expect-canvas-size 78 24
expect-row-trim 1 5 "      #"
click n_zoom_4
expect-checked n_zoom_4 true
key pen_txt Ctrl+=
expect-checked n_zoom_4 true
key pen_txt Ctrl+-
expect-checked n_zoom_3 true
