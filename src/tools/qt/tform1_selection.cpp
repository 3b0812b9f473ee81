// Selection of the main window: the rubber band of the move and copy tools, the floating block
// `write_in_imag` with its frame, dragging it in whole cells and placing it.
#include <QFrame>
#include <QMenu>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

namespace {

void put_frame(QFrame* top, QFrame* left, QFrame* bottom, QFrame* right, int l, int t, int w,
               int h) {
    // The bevels are lines two pixels thick along the box.
    top->setGeometry(l, t, std::max(w, 0), 2);
    left->setGeometry(l, t, 2, std::max(h, 0));
    bottom->setGeometry(l, t + h, std::max(w, 0), 2);
    right->setGeometry(l + w, t, 2, std::max(h + 2, 0));
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
        put_frame(Btop, Bleft, Bbottom, Bright, box.left, box.top, box.width, box.height);
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
    write_in_imag->move(box.left, box.top);
    write_in_imag->show();
    write_in_imag->raise();
    put_frame(Btop, Bleft, Bbottom, Bright, box.left, box.top, box.width, box.height);
    for (QFrame* f : {Btop, Bbottom, Bleft, Bright}) {
        f->show();
        f->raise();
    }
    selection.floating = true;
    selection.frame_visible = true;
}

void TForm1::write_in_imagDragOver(int x, int y) {
    const tools::PixelBox now{write_in_imag->x(), write_in_imag->y(), write_in_imag->width(),
                              write_in_imag->height()};
    const tools::PixelBox box =
        tools::drag_overlay(selection, x, y, now, canvas.double_byte, Image1->x(), Image1->y());
    write_in_imag->move(box.left, box.top);
    // The frame follows the block; its lengths stay.
    Btop->move(box.left, box.top);
    Bleft->move(box.left, box.top);
    Bbottom->move(box.left, box.top + box.height);
    Bright->move(box.left + box.width, box.top);
}

void TForm1::write_in_imagEndDrag() {
    tools::end_overlay_drag(selection);
}

}  // namespace quillo::canvas
