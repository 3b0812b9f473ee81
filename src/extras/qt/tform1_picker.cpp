// The main window's way into the character picker.
#include "canvas/qt/quillo.h"
#include "extras/qt/select_form.h"

namespace quillo::canvas {

void TForm1::pen_txtDblClick(const Sender&) {
    // The snake game steers with the pen box's keys, a press is still drawing with the pen, and
    // the text gun has the pen row for its own feed.
    if (press_flag || snake_running || text_gun) return;
    SelectForm->show_for_pen();
}

}  // namespace quillo::canvas
