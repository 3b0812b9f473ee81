# PNG export of the canvas and of the floating selection, at a scale of 1 to 4. (Its pixels are
# compared with the canvas image by the window tests.)
document "data/mixed.txt"
window 320 160

answer-text "2"
answer-file "canvas.png"
click n_png_out
expect-prompt "导出PNG图片" "放大倍数（1到4）：" "1"
expect-exists "canvas.png"
expect-no-message

# A scale out of range, and a block export with no block floating.
answer-text "0"
click n_png_out
expect-prompt "导出PNG图片" "放大倍数（1到4）：" "1"
expect-message "放大倍数必须是1到4之间的整数，不能是“0”。"
click n_png_block
expect-message "没有浮动的选择内容：请先用“移动”或“复制”工具圈出一块。"

# A copied block, exported alone; the canvas stays as it was, the block still floats.
click sb1_drag
press-cell 1 1
move-cell 3 2
release-cell 3 2
expect-visible write_in_imag true
answer-text "4"
answer-file "block.png"
click n_png_block
expect-prompt "导出PNG图片" "放大倍数（1到4）：" "1"
expect-exists "block.png"
expect-visible write_in_imag true
expect-no-message

# In the text view there is no canvas to take.
click pop_finish
click n_view
click n_png_out
expect-message "PNG图片取自画布：请先切换到绘图界面（F3）。"
