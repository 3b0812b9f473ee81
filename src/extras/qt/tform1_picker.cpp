// The main window's way into the character picker.
#include "canvas/qt/quillo.h"
#include "extras/qt/select_form.h"

namespace quillo::canvas {

void TForm1::pen_txtDblClick(const Sender&) {
    // The snake game steers with the pen box's keys, and a press is still drawing with the pen.
    if (press_flag || snake_running) return;
    // The text gun has the pen row for its own feed: the user picks a new text, not a character.
    if (text_gun) {
        text_gun_reload();
        return;
    }
    SelectForm->show_for_pen();
}

}  // namespace quillo::canvas
