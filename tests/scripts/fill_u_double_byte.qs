# Fill in double-byte mode compares and writes whole 2-byte cells, spreads up then down from the
# clicked row and never turns back: clicked in the left arm of a U, the right arm stays.
document "data/fill_u.txt"
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
expect-row-trim 1 1 "□□■■■■□□"

click sb1_fill
type pen_txt "○"
expect-text pen_txt "○"
press-cell 1 1
release-cell 1 1
expect-row-trim 1 1 "○○■■■■□□"
expect-row-trim 1 2 "○○■■■■□□"
expect-row-trim 1 3 "○○○○○○○○"
expect-row-trim 1 4 "■■■■■■■■"
expect-row-trim 1 5 "□■□□■□□□"
click n_undo
expect-row-trim 1 3 "□□□□□□□□"
click n_undo
expect-row-trim 1 3 "○○○○○○○○"

# Clicked in the bottom row: its runs meet the wall row above in no column, so only the run
# clicked fills.
press-cell 8 5
release-cell 8 5
expect-row-trim 1 5 "□■□□■○○○"
expect-no-message
