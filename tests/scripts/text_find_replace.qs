# Find and replace in normal editing mode: Ctrl+F, Ctrl+R and F3 in the text box, the menu items,
# the dialogs' controls and their messages. Selections are GBK bytes with CR LF line ends.
click n_view
key source_memo Ctrl+A
type source_memo "one two\none\n﹐o ab abc"
key source_memo Ctrl+Home

# Ctrl+F opens the find dialog and types nothing; there is nothing to find while the text is empty.
key source_memo Ctrl+F
expect-visible FindDialog1 true
expect-line 1 "one two"
expect-enabled find_next false
type find_text "one"
expect-enabled find_next true
expect-checked direction_down true
click find_next
expect-visible FindDialog1 false
expect-selection source_memo 0 3

# F3 goes on to the next one, then says there are no more.
key source_memo F3
expect-selection source_memo 9 3
key source_memo F3
expect-message "No more instances of \"one\" found."
expect-selection source_memo 9 3
expect-checked n_view true

# Upwards from the end: "o" inside "﹐" (A9 6F) is no hit, the "o" after it is.
key source_memo Ctrl+End
click N_search
expect-text find_text ""
type find_text "o"
click direction_up
click find_next
expect-selection source_memo 16 1
key source_memo F3
expect-selection source_memo 9 1

# Whole words: "ab" but not the start of "abc"; the options stay for the next dialog.
click N_search
key find_text Ctrl+A
type find_text "ab"
click whole_word
click direction_down
click find_next
expect-selection source_memo 18 2
key source_memo F3
expect-message "No more instances of \"ab\" found."

# Replace all in one edit, taken back by one Ctrl+Z of the text box.
key source_memo Ctrl+R
expect-visible ReplaceDialog1 true
expect-text find_text "ab"
expect-checked whole_word true
key find_text Ctrl+A
type find_text "one"
type replace_text "1"
click replace_all
expect-no-message
expect-line 1 "1 two"
expect-line 2 "1"
expect-selection source_memo 7 1
key source_memo Ctrl+Z
expect-line 1 "one two"
expect-line 2 "one"

# Replace one at a time; F3 repeats the replacement after the text put in.
click n_relace
key find_text Ctrl+A
type find_text "o"
type replace_text "0"
click whole_word
click replace_one
expect-line 1 "0ne two"
expect-selection source_memo 0 1
key source_memo F3
expect-line 1 "0ne tw0"
key source_memo F3
key source_memo F3
expect-line 2 "0ne"
expect-line 3 "﹐0 ab abc"
key source_memo F3
expect-message "No more instances of \"o\" found."

# Replace all of "a" by "aa" ends; the typed text in a message is shown as it is.
click n_relace
key find_text Ctrl+A
type find_text "a"
type replace_text "aa"
click replace_all
expect-line 3 "﹐0 aab aabc"
click n_relace
key find_text Ctrl+A
type find_text "<b>x</b>"
click replace_one
expect-message "Search string \"<b>x</b>\" not found."

# Without a search string F3 switches the view, as always.
click N_search
click close_button
expect-visible FindDialog1 false
key source_memo F3
expect-checked n_view false
expect-enabled N_search false
