# A game of snake through the real window: it starts on the drawing, eats, grows, is paused and
# steered with keys, ends at the edge of the board, and its end gives the drawing back.
document "data/block.txt"
window 320 240

# A stroke drawn just before the game.
click sb2_line
press-cell 12 1
move-cell 14 1
release-cell 14 1
expect-row-trim 1 1 "0123456789 111"

# With this seed the first food ("1", the pen) waits on the snake's row, 14 cells ahead.
seed 14
click g1
expect-visible CoolBar1 true
expect-visible ControlBar1 false
expect-visible StatusBar1 false
expect-visible ScrollBar1 false
expect-enabled n_view false
expect-enabled m1 false
expect-enabled m3 false
expect-enabled N_game_over true
expect-enabled N9 false
expect-focus pen_txt
expect-row-trim 2 8 "欢                          1"
expect-row-trim 2 1 " "

# The keys belong to the game: a letter types nothing into the pen box.
type pen_txt "x"
expect-text pen_txt "1"
expect-text Edit1 "88"

# Straight on: the snake eats, grows by one cell and leaves the board at its right edge.
wait 12000
expect-message "你的得分是246,看来很水皮耶。"
expect-row-trim 2 8 "                                                              迎欢"
expect-text Edit4 "246"
expect-row-trim 1 3 "ABCDEFGHIJ"
expect-enabled n_game_pauls false
expect-enabled N_game_over true
# After the collision no key sets the snake going again.
key pen_txt A
wait 400
expect-row-trim 2 8 "                                                              迎欢"

# A new game on the same board: Pause stops the snake, Up sets it going again, towards the top
# edge.
click g1
expect-text Edit4 "0"
key pen_txt Pause
expect-enabled N9 true
expect-enabled n_game_pauls false
key pen_txt Up
expect-enabled N9 false
expect-enabled n_game_pauls true
wait 5000
expect-enabled n_game_pauls false

# Ending the game gives back the drawing, the document and the editor.
click N_game_over
expect-visible CoolBar1 false
expect-visible ControlBar1 true
expect-visible StatusBar1 true
expect-visible ScrollBar1 true
expect-enabled n_view true
expect-enabled N_game_over false
expect-row-trim 2 1 "0123456789 111"
expect-row-trim 2 8 " "
expect-row-trim 1 1 "0123456789 111"
type pen_txt "#"
expect-text pen_txt "#"
click n_view
expect-line 2 "abcdefghij"
