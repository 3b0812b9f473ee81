# Commands reached by their shortcut keys alone, in each mode of the main window: a key runs its
# command where the command is offered, and nothing where it is not.
document "data/block.txt"
window 146 64
# The board shows 4 rows; the canvas has 8 rows of 16 bytes.

# ---- drawing mode ----
expect-status 1 "■"
# Ctrl+A mirrors top to bottom, Ctrl+Z takes it back.
key Image1 Ctrl+A
expect-row-trim 1 1 "klmnopqrst"
key Image1 Ctrl+Z
expect-row-trim 1 1 "0123456789"
# Ctrl+D turns the front square; four turns give it back.
key Image1 Ctrl+D
expect-row-trim 1 1 "67ghGHqr89"
key Image1 Ctrl+D
key Image1 Ctrl+D
key Image1 Ctrl+D
expect-row-trim 1 1 "0123456789"
# F5 asks before the byte mode changes; No keeps it.
answer no
key Image1 F5
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "En"
expect-status 3 "请重新命令"
# The key reaches the menu from the pen box too: the box keeps its pen.
answer yes
key pen_txt F5
expect-message "将要切换到全角模式，是否继续？"
expect-status 0 "Ch"
answer yes
key Image1 F5
expect-message "在含有汉字的文档上使用半角模式。可能会造成乱码，是否继续？"
expect-status 0 "En"
expect-text pen_txt "1"

# ---- multicolour mode: F10 turns it on; the transforms' keys then do nothing ----
key Image1 F10
expect-status 2 "●"
expect-checked n_color true
key Image1 Ctrl+A
key Image1 Ctrl+S
expect-row-trim 1 1 "0123456789"
expect-enabled n_mirr_h false
key Image1 F10
expect-status 2 "○"
key Image1 Ctrl+A
expect-row-trim 1 1 "klmnopqrst"
key Image1 Ctrl+Z
expect-row-trim 1 1 "0123456789"

# ---- normal editing mode: F3; the drawing menu's keys do nothing there ----
key Image1 F3
expect-status 1 "□"
key source_memo F5
expect-no-message
expect-status 0 "En"
# F10 is the home page's where the multicolour switch is out of reach.
key source_memo F10
expect-status 2 "○"
expect-opened "https://github.com/quillo-editor/quillo"
key source_memo Ctrl+A
expect-line 1 "0123456789"
key source_memo F1
expect-opened "quillo_help.htm"
# No search was made, so F3 goes on to the mode switch.
key source_memo F3
expect-status 1 "■"

# ---- typing: the box keeps its own editing keys; undo waits for the entry's end ----
click sb2_type_h
press-cell 3 2
release-cell 3 2
type write_in_edit "AB"
key write_in_edit Enter
expect-row-trim 2 2 "abABefghij"
key write_in_edit Ctrl+Z
key write_in_edit Ctrl+A
expect-visible write_in_edit true
expect-row-trim 2 1 "0123456789"
expect-row-trim 2 2 "abABefghij"
key write_in_edit Enter
expect-visible write_in_edit false
key pen_txt Ctrl+Z
expect-row-trim 1 2 "abcdefghij"

# ---- the game: F9 starts it; the mode switch and the menus it takes away answer no key ----
key Image1 F9
expect-enabled N_game_over true
key pen_txt F3
expect-status 1 "■"
expect-checked n_view false
key pen_txt F5
expect-no-message
key pen_txt F4
expect-visible option_form false
key pen_txt F10
expect-status 2 "○"
expect-opened "https://github.com/quillo-editor/quillo"
# F9 again starts a new game at once.
key pen_txt F9
expect-enabled N_game_over true
click N_game_over
expect-enabled n_view true
expect-row-trim 1 1 "0123456789"

# ---- a selection floating: F7 exports the block alone ----
click sb1_drag
press-cell 1 1
move-cell 4 2
release-cell 4 2
expect-visible write_in_imag true
answer-text "块"
key Image1 F7
expect-message "已输出为HTM文件，请等待显示!"
expect-opened "temp/block_v1.htm"
expect-visible write_in_imag false
