# Open as UTF-8 text: characters GBK lacks become question marks as wide as they are, bad UTF-8
# is refused naming its line, and Open offers to read a ".txt" that is UTF-8 and no GBK as such.
document "data/mixed.txt"

# Not UTF-8: nothing is read, the document stays.
answer-file "/proc/self/cwd/data/utf8_bad.txt"
click n_utf8_open
expect-message "“/proc/self/cwd/data/utf8_bad.txt”不是有效的UTF-8文本：第 3 行有无效的字节 0xC3（文件中第 28 个字节）。\n没有读入任何内容，文档没有改变。"
expect-line 2 "中文 text"
expect-status 5 "data/mixed.txt"

# UTF-8 art: 😀 is wide and becomes "？", Thai ก is narrow and becomes "?".
answer-file "/proc/self/cwd/data/utf8_art.txt"
click n_utf8_open
expect-message "有 2 个字符在GBK中没有，已换成“?”（宽字符换成“？”）。第一个在第 2 行。"
expect-lines 2
expect-line 1 "中文 ─ ok"
expect-line 2 "x？y?"
expect-row-trim 1 2 "x？y?"
# A new, untitled document: a Save writes GBK elsewhere, never over the UTF-8 file.
expect-status 5 "新文件.txt"

# A plain Open of a UTF-8 ".txt" asks first.
answer-file "/proc/self/cwd/data/utf8_box.txt"
answer yes
click n_open
expect-message "“utf8_box.txt”看来是UTF-8编码的文本，不是GBK文本。\n是否按UTF-8读入？"
expect-line 1 "┌──┐"
expect-line 2 "└──┘"
expect-no-message
