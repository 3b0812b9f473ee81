# Save a UTF-8 copy: the document as UTF-8 with its CR LF line ends, no byte-order mark, written
# beside the document and never over it.
document "data/mixed.txt"
answer-file "copy.txt"
click n_utf8_save
expect-file "copy.txt" "ab\r\n\xE4\xB8\xAD\xE6\x96\x87 text\r\nlast\r\n"
expect-no-message
expect-status 5 "data/mixed.txt"

# The document's own file is refused.
answer-file "/proc/self/cwd/data/mixed.txt"
click n_utf8_save
expect-message "UTF-8副本不能写在文档自己的文件“data/mixed.txt”上。\n请另选一个文件名。"
expect-file "/proc/self/cwd/data/mixed.txt" "ab\r\n中文 text\r\nlast"

# A folder that does not exist: a message, nothing written, the document as it was.
answer-file "/nonexistent-quillo-folder/copy.txt"
click n_utf8_save
expect-message "UTF-8副本没有写成：Cannot save file \"/nonexistent-quillo-folder/copy.txt\". The folder does not exist.\n原来的文件（如果有）没有改变，文档也没有改变。"
expect-no-file "/nonexistent-quillo-folder/copy.txt"
expect-line 2 "中文 text"
