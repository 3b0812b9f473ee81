#include "canvas/canvas_size.h"

#include <algorithm>

#include "canvas/constants.h"
#include "canvas/row_text.h"

namespace quillo::canvas {

int clamp_height(int rows) {
    return std::clamp(rows, 1, kMaxRows);
}
int clamp_width(int bytes) {
    return std::clamp(bytes, 1, kMaxRowBytes);
}

CanvasSize startup_canvas_size(int panel_width, int panel_height, int scroll_bar_width) {
    return {clamp_height(round_half_even(panel_height / 16.0 + 3)),
            clamp_width(round_half_even((panel_width - scroll_bar_width) / 8.0) - 2)};
}

CanvasSize resized_canvas_size(int panel_width, int panel_height, int scroll_bar_width,
                               int control_bar_height) {
    const int extra = round_half_even(control_bar_height / 16.0);
    return {clamp_height(round_half_even(panel_height / 16.0 + extra)),
            clamp_width(round_half_even((panel_width - scroll_bar_width) / 8.0))};
}

int game_canvas_height(int panel_height) {
    return clamp_height(round_half_even(panel_height / 16.0));
}

}  // namespace quillo::canvas
