// Selection of the main window: the rubber band of the move and copy tools, the floating block
// `write_in_imag` with its frame, dragging it in whole cells and placing it.
#include <QFrame>
#include <QMenu>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

namespace {

// The box is in canvas pixels; the bevels stand where the zoomed view shows it.
void put_frame(const TForm1& f, int l, int t, int w, int h) {
    // The bevels are lines two pixels thick along the box.
    const auto u = [&f](int canvas_pixels) { return f.to_widget_units(canvas_pixels); };
    f.Btop->setGeometry(u(l), u(t), std::max(u(w), 0), 2);
    f.Bleft->setGeometry(u(l), u(t), 2, std::max(u(h), 0));
    f.Bbottom->setGeometry(u(l), u(t + h), std::max(u(w), 0), 2);
    f.Bright->setGeometry(u(l + w), u(t), 2, std::max(u(h) + 2, 0));
}

}  // namespace

void TForm1::hide_selection_frame() {
    for (QFrame* f : {Btop, Bbottom, Bleft, Bright}) f->hide();
    selection.frame_visible = false;
}

bool TForm1::place_floating_selection() {
    const bool placed = tools::place_floating(selection, canvas, colours, multicolour());
    write_in_imag->hide();
    hide_selection_frame();
    if (placed) commit();
    return placed;
}

void TForm1::Image1DragOver(int x, int y) {
    if (selection.new_selection && selection.floating) {
        place_floating_selection();
        repaint_all(true);
    }
    const bool starting = selection.new_selection;
    if (starting) write_in_imag->hide();
    const tools::PixelBox box =
        tools::rubber_band(selection, x, y, canvas.double_byte, Image1->x(), Image1->y());
    if (starting || current_tool == tools::kMoveTool || current_tool == tools::kCopyTool) {
        put_frame(*this, box.left, box.top, box.width, box.height);
        for (QFrame* f : {Btop, Bbottom, Bleft, Bright}) {
            f->show();
            f->raise();
        }
    }
}

void TForm1::Image1EndDrag() {
    if (current_tool != tools::kMoveTool && current_tool != tools::kCopyTool) return;
    if (!tools::end_rubber_band(selection, canvas, colours, multicolour())) {
        hide_selection_frame();
        return;
    }
    show_floating_selection();
    repaint_all(false);
}

void TForm1::show_floating_selection() {
    const tools::PixelBox box =
        tools::overlay_box(selection.rect, canvas.double_byte, Image1->x(), Image1->y());
    write_in_imag->reset(box.width, box.height);
    tools::draw_overlay(write_in_imag->raster(), canvas, colours.selection, selection.rect.height(),
                        selection.rect.width(), canvas.double_byte, multicolour(),
                        rgb(canvas_text_colour), rgb(canvas_back_colour));
    write_in_imag->move_to(box.left, box.top);
    write_in_imag->show();
    write_in_imag->raise();
    put_frame(*this, box.left, box.top, box.width, box.height);
    for (QFrame* f : {Btop, Bbottom, Bleft, Bright}) {
        f->show();
        f->raise();
    }
    selection.floating = true;
    selection.frame_visible = true;
}

void TForm1::write_in_imagDragOver(int x, int y) {
    const platform::Raster& block = write_in_imag->raster();
    const tools::PixelBox now{write_in_imag->canvas_x(), write_in_imag->canvas_y(), block.width(),
                              block.height()};
    const tools::PixelBox box =
        tools::drag_overlay(selection, x, y, now, canvas.double_byte, Image1->x(), Image1->y());
    write_in_imag->move_to(box.left, box.top);
    // The frame follows the block; its lengths stay.
    const auto u = [this](int canvas_pixels) { return to_widget_units(canvas_pixels); };
    Btop->move(u(box.left), u(box.top));
    Bleft->move(u(box.left), u(box.top));
    Bbottom->move(u(box.left), u(box.top + box.height));
    Bright->move(u(box.left + box.width), u(box.top));
}

void TForm1::write_in_imagEndDrag() {
    tools::end_overlay_drag(selection);
}

}  // namespace quillo::canvas
