// The main window's side of the image window: opening it (F6) and taking its text art as a
// floating block.
#include <algorithm>

#include "canvas/qt/quillo.h"
#include "imagetext/qt/img2html.h"

namespace quillo::canvas {

void TForm1::m_img2htmlClick(const Sender&) {
    init_image1();
    reset_tool_buttons();
    img2html->exec();
}

void TForm1::float_image_art(const std::vector<std::string>& rows, int cells) {
    if (rows.empty() || cells <= 0) return;
    const int height = std::min(int(rows.size()), kMaxRows);
    for (int i = 1; i <= height; ++i) canvas.layers.row(kSelection, i) = rows[std::size_t(i - 1)];
    // A new block, as after a paste: placing it copies, it cuts nothing.
    selection.rect = {1, 1, cells, height};
    selection.move = false;
    selection.new_selection = true;
    selection.overlay_dragging = false;
    show_floating_selection();
}

}  // namespace quillo::canvas
