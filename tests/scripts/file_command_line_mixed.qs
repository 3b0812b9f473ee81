# A mixed-case extension is neither a text nor a colour file: nothing loads, nothing is said.
document "data/Mixed.Txt"
expect-no-message
expect-status 5 "新文件.txt"
expect-lines 1
expect-line 1 " "
