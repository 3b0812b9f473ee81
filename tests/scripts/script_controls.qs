# The commands for the controls of dialogs, tried on controls the main window has: names
# qualified by their window, a combo box, mouse work at points of a control, a text selection,
# and the home folder a script runs in.
document "data/two_words.txt"
window 640 320

# The home folder is a fresh one inside the program directory; no desktop folder is made.
expect-exists home
expect-exists home/.config
expect-exists home/.local/share
expect-exists home/.cache
expect-no-file home/Desktop
expect-exists quillo.ini

# A name may be qualified by its window.
expect-text TForm1.pen_txt "1"
click TForm1.sb2_circle
expect-checked TForm1.sb2_circle true

# The circle's aspect ratio: a combo box of five items that also takes typed text.
expect-visible in_txt2 true
expect-items in_txt2 5
expect-value in_txt2 "2"
set in_txt2 "1.5"
expect-value TForm1.in_txt2 "1.5"
set in_txt2 "1.8"
expect-value in_txt2 "1.8"

# A drag on the canvas in its own pixels: a line along row 3 from cell 1 to cell 5.
click sb2_line
drag Image1 4 40 36 40
expect-row-trim 1 3 "11111"

# A click at a point of the status bar's second panel: normal editing mode.
click-at StatusBar1 30 5
expect-status 1 "□"

# Selections in the text box count bytes in GBK, a line break as CR LF.
key source_memo Ctrl+Home
key source_memo Down
key source_memo Shift+End
expect-selection source_memo 12 3
double-click-at source_memo 12 8
expect-selection TForm1.source_memo 0 6
