// Zoom of the canvas view: Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 scale the canvas by
// whole factors 1 to 4. The canvas keeps its rules in canvas pixels; the panel, measured in
// them, holds fewer cells at a larger factor, as after making the window smaller.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "interop/canvas_zoom.h"

namespace quillo::canvas {

namespace {
// The file commands of this feature, shown after the ANSI import rather than after Quit.
constexpr const char* kFileItems[] = {"n_utf8_open", "n_utf8_save", "n_png_out", "n_png_block",
                                      "n_ansi_out"};
}  // namespace

void TForm1::set_up_interop() {
    // On most keyboards "+" is Shift and "=": Ctrl+= zooms in without the Shift.
    if (QAction* in = commands.action("n_zoom_in"))
        in->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    if (QMenu* file = commands.menu("m1")) {
        if (QAction* print = commands.action("n_print")) {
            for (const char* name : kFileItems) {
                if (QAction* a = commands.action(name)) {
                    file->removeAction(a);
                    file->insertAction(print, a);
                }
            }
            file->insertSeparator(print);
        }
    }
    zoom_factor = 0;  // whatever the screen asks for is a change
    set_zoom(interop::default_zoom(devicePixelRatioF()));
}

int TForm1::to_canvas_pixels(int units) const {
    return interop::canvas_pixels(units, zoom_factor, Image1->devicePixelRatioF());
}

int TForm1::to_widget_units(int pixels) const {
    return interop::widget_units(pixels, zoom_factor, Image1->devicePixelRatioF());
}

void TForm1::set_zoom(int factor) {
    factor = std::clamp(factor, interop::kMinZoom, interop::kMaxZoom);
    for (int f = interop::kMinZoom; f <= interop::kMaxZoom; ++f)
        commands.set_checked(QString("n_zoom_%1").arg(f), f == factor);
    if (factor == zoom_factor) return;
    const bool at_start = zoom_factor == 0;
    // A floating block is placed first, as before other commands: its frame would not follow.
    if (!at_start) init_image1();
    zoom_factor = factor;
    Image1->set_zoom(factor);
    write_in_imag->set_zoom(factor);
    if (!at_start) FormResize();
}

void TForm1::n_zoom_inClick(const Sender&) {
    set_zoom(interop::zoom_in(zoom_factor));
}

void TForm1::n_zoom_outClick(const Sender&) {
    set_zoom(interop::zoom_out(zoom_factor));
}

void TForm1::n_zoom_defaultClick(const Sender&) {
    set_zoom(interop::default_zoom(devicePixelRatioF()));
}

void TForm1::n_zoom_factorClick(const Sender& sender) {
    set_zoom(sender.tag);
}

}  // namespace quillo::canvas
