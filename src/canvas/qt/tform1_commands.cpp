// Enabling rules of the command map that more than one feature applies.
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

void TForm1::set_whole_picture_enabled(bool on) {
    for (const char* name :
         {"n_all", "sb1_mirror_v", "sb1_mirror_h", "sb1_turn_left", "sb1_turn_right", "sb2_clear"})
        commands.set_enabled(name, on);
}

}  // namespace quillo::canvas
