# The status bar: six panels side by side (25, 25, 25, 120, 70 pixels and the rest), a hint
# over each panel, and clicks on the first two that switch byte mode and editing mode.
document "data/mixed.txt"
expect-status 0 "En"
expect-status 1 "■"
expect-status 3 "没有命令"
expect-status 5 "data/mixed.txt"

# Each hint sits over its own panel.
move-status 0
expect-hint StatusBar1 "单/双字节模式"
move-status 24
expect-hint StatusBar1 "单/双字节模式"
move-status 25
expect-hint StatusBar1 "普通/绘图界面切换"
move-status 60
expect-hint StatusBar1 "单色/多色切换"
move-status 75
expect-hint StatusBar1 "正在进行的操作"
move-status 194
expect-hint StatusBar1 "正在进行的操作"
move-status 195
expect-hint StatusBar1 "坐标显示"
move-status 265
expect-hint StatusBar1 "当前文件及路径名"

# The coordinate panel follows the pointer over the canvas.
move-cell 5 3
expect-status 4 "X: 5 Y: 3"
move 0 0
expect-status 4 "X: 1 Y: 1"

# A click on the first panel asks before it switches to double-byte mode.
answer no
click-status 10
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "En"
expect-status 3 "请重新命令"
answer yes
click-status 10
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
expect-checked usechinese1 true

# Double-byte cells are 16 pixels wide.
move-cell 5 3
expect-status 4 "X: 5 Y: 3"
move 40 20
expect-status 4 "X: 3 Y: 2"

# And back, with the other question.
answer yes
click-status 3
expect-message "在含有汉字的文档上使用半角模式。可能会造成乱码，是否继续？"
expect-status 0 "En"

# Outside the click ranges of the panels nothing happens.
click-status 1
click-status 26
click-status 100
expect-no-message
expect-status 1 "■"

# The second panel switches to normal editing mode and back.
click-status 30
expect-status 1 "□"
# In normal editing mode the first panel asks nothing.
click-status 10
expect-no-message
expect-status 0 "En"
click-status 47
expect-status 1 "■"
expect-lines 3
