# Scrolling a document longer than the canvas: the scroll bar position is the document line
# shown in the bottom row, and the document comes back unchanged.
document "data/sixty.txt"
window 640 320

# (640 - 16 pixels of scroll bar) / 8 = 78 bytes; 320 / 16 = 20 rows, plus 4 for the two
# rows of tool bars (64 pixels) that the canvas does not lose to the panel.
expect-canvas-size 78 24
expect-scroll 24
expect-row-trim 1 1 "line 01"
expect-row-trim 1 24 "line 24"

# Drag the thumb to the end: the bottom row shows the last line.
scroll 60
expect-scroll 60
expect-row-trim 1 24 "line 60"
expect-row-trim 1 1 "line 37"
expect-row-trim 2 1 "line 37"

# Somewhere in the middle, then past the end, where the bar stops at its maximum.
scroll 30
expect-row-trim 1 1 "line 07"
expect-row-trim 1 24 "line 30"
scroll 100
expect-scroll 60
expect-row-trim 1 24 "line 60"

# A taller window shows more rows; the canvas starts again at the top.
window 640 480
expect-canvas-size 78 34
expect-row-trim 1 1 "line 01"
expect-row-trim 1 34 "line 34"
scroll 45
expect-row-trim 1 1 "line 12"

# Normal editing mode and back: the scroll bar goes away and returns, the text is intact.
click n_view
expect-visible ScrollBar1 false
expect-lines 60
expect-line 1 "line 01"
expect-line 45 "line 45"
expect-line 60 "line 60"
click n_view
expect-visible ScrollBar1 true
scroll 60
expect-row-trim 1 34 "line 60"
click n_view
expect-lines 60
expect-line 27 "line 27"
expect-line 60 "line 60"
expect-no-message
