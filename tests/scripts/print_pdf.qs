# Printing without a printer (scripts never reach one): the user may print to a PDF file instead.
document "data/sixty.txt"

# Declined: nothing is asked further and nothing written.
answer no
click n_print
expect-message "没有找到可用的打印机。\r是否打印到PDF文件？"
expect-no-file "sixty.pdf"

# A cancelled save dialog writes nothing either.
answer yes
answer-file-cancel
click n_print
expect-message "没有找到可用的打印机。\r是否打印到PDF文件？"
expect-no-file "sixty.pdf"

# In drawing mode the canvas rows go to the PDF file; the document stays as it was.
answer yes
answer-file "sixty.pdf"
click n_print
expect-message "没有找到可用的打印机。\r是否打印到PDF文件？"
expect-exists "sixty.pdf"
expect-line 60 "line 60"

# The same in normal editing mode, into a folder that does not exist: the message names the file.
click n_view
answer yes
answer-file "/nonexistent-quillo-folder/sixty.pdf"
click n_print
expect-message "没有找到可用的打印机。\r是否打印到PDF文件？"
expect-message "Cannot save file \"/nonexistent-quillo-folder/sixty.pdf\". No such file or directory"
expect-no-message
