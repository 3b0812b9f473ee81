# Replace in double-byte mode: whole cells, every occurrence.
document "data/fill_u.txt"
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"

click n_replce
type pen_txt "◎"
press-cell 4 4
release-cell 4 4
expect-row-trim 1 1 "□□◎◎◎◎□□"
expect-row-trim 1 4 "◎◎◎◎◎◎◎◎"
expect-row-trim 1 5 "□◎□□◎□□□"
click n_undo
expect-row-trim 1 5 "□■□□■□□□"
click n_undo
expect-row-trim 1 5 "□◎□□◎□□□"
expect-no-message
