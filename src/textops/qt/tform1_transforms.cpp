// Whole-canvas commands of the main window: mirror, turn and the fill with the pen character.
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "textops/canvas_transforms.h"

namespace quillo::canvas {

void TForm1::n_turn_0Click(const Sender& sender) {
    // The colour layer does not follow the rows, and the layers are no copy of the text box in
    // normal editing mode: the menu and the tool bar are out of reach then, and so is this.
    if (normal_mode() || multicolour()) return;
    init_image1();
    reset_tool_buttons();
    const textops::Transform transform = textops::transform_for_tag(sender.tag);
    const int rows = textops::transform_rows(to_canvas_pixels(blackboard->height()), canvas.height);
    if (transform == textops::Transform::none || rows < 1) return;
    textops::apply_transform(canvas, transform, rows);
    // The commit covers the whole canvas: rows below the transformed ones are unchanged, so one
    // undo takes back this transform and nothing before it.
    commit();
}

void TForm1::sb_clearClick(const Sender&) {
    if (normal_mode() || multicolour()) return;
    init_image1();
    press_flag = false;
    if (!textops::fill_with_pen(canvas, pen_text)) {
        ui().message("请先在框中输入一个字符!");
        return;
    }
    repaint_all(false);
}

}  // namespace quillo::canvas
