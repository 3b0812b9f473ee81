# The work as plain text for the text editor (menu, tool button, canvas menu), the HTML code of
# the floating selection, and the pages of the menu "[&W]Quillo". Every view is a new numbered
# file in the temporary folder; nothing of the work changes.
document "data/html_small.txt"
window 160 96

# Drawing mode: the canvas window is stored first, the lines go out with CR LF.
click n_notepad_out
expect-opened "temp/html_small_v1.txt"
expect-file "temp/html_small_v1.txt" "a<b&c\r\nx 中\r\n"
click Tb_txt
expect-opened "temp/html_small_v2.txt"
click pop2_notepad
expect-opened "temp/html_small_v3.txt"
expect-file "temp/html_small_v3.txt" "a<b&c\r\nx 中\r\n"
expect-no-message

# Normal editing mode: the text box as typed.
click n_view
key source_memo End
type source_memo "!"
click n_notepad_out
expect-file "temp/html_small_v4.txt" "a<b&c!\r\nx 中\r\n"
click n_view

# The HTML code of a floating block, twice: two files, the body a full export writes for it.
# The block stays floating.
click sb1_drag
press-cell 1 1
move-cell 4 2
release-cell 4 2
click pop_html
expect-opened "temp/html_small_v5.txt"
click pop_html
expect-opened "temp/html_small_v6.txt"
expect-file "temp/html_small_v5.txt" "<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na&lt;b&amp;<br>\r\nx&nbsp;中<br>\r\n</font></td></tr></table>\r\n"
expect-file "temp/html_small_v6.txt" "<table border=\"0\"> <tr BGCOLOR=\"#D4D0C8\"><td><font color=\"#000000\"> \r\na&lt;b&amp;<br>\r\nx&nbsp;中<br>\r\n</font></td></tr></table>\r\n"
expect-visible write_in_imag true
expect-no-message

# The menu "[&W]Quillo": the notes on the versions beside the program, the maker's home page,
# and a new mail to the maker.
click n_update
expect-opened "Whats_new.txt"
click n_my_page
expect-opened "https://github.com/quillo-editor/quillo"
key Image1 F11
expect-opened "mailto:quillo-editor@users.noreply.github.com"
expect-no-message
expect-line 1 "a<b&c!"
