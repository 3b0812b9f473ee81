# A document named on the command line that does not exist: the program says so while it
# starts and goes on with a new, empty document.
document "data/no-such-file.txt"
expect-message "找不到指定的文本文件:data/no-such-file.txt"
expect-no-message
expect-status 5 "新文件.txt"
expect-status 1 "■"
expect-lines 1
expect-line 1 " "
click n_view
expect-text source_memo " "
