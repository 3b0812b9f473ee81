// The program's other windows. Each is created once, right after the main window, in a fixed
// order, and lives until exit; the main window keeps a pointer to each under its form name.
#include "canvas/qt/quillo.h"
#include "extras/qt/select_form.h"
#include "imagetext/qt/img2html.h"
#include "output/qt/send_form.h"

namespace quillo::canvas {

void TForm1::create_other_windows() {
    SelectForm = new extras::TSelectForm(*this);
    send_form = new output::Tsend_form(*this);
    img2html = new imagetext::Timg2html(this);
    wire_picture_publishing();
}

}  // namespace quillo::canvas
