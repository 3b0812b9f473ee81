# The text gun lays the source text one character per cell along the pointer's path, starting
# with the pressed cell once the pointer moves on it; the release commits the stroke. The source-text window starts with its
# welcome text, "欢迎使用QuilloQuillo,请输入...".
window 640 320
answer yes
click usechinese1
expect-message "将要切换到全角模式，是否继续？"

click sb2_gun
expect-status 3 "文字机枪"
expect-text pen_txt "欢"
expect-enabled Label6 false
press-cell 2 2
move 20 24
move-cell 3 2
move-cell 4 2
move-cell 5 2
move-cell 5 3
move-cell 6 3
move-cell 7 3
release-cell 7 3
expect-row-trim 1 2 "  欢迎使用"
expect-row-trim 1 3 "        Quillo"
expect-text pen_txt "lo"
click n_undo
expect-row-trim 1 2 " "
click n_undo
expect-row-trim 1 2 "  欢迎使用"

# The next stroke starts with the character laid last and goes on with the text.
press-cell 1 5
move 10 72
move-cell 2 5
move-cell 3 5
release-cell 3 5
expect-row-trim 1 5 "loQuil"

# Another tool gives the pen row back.
click sb2_draw
expect-enabled Label6 true
expect-no-message
