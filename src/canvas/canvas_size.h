#pragma once
// How many rows and bytes the canvas has for a panel of a given size. The canvas never holds
// fewer than 1 or more than 80 rows and 255 bytes, whatever the window size.
namespace quillo::canvas {

struct CanvasSize {
    int height;
    int width;
};

// At start-up, before any document is loaded.
CanvasSize startup_canvas_size(int panel_width, int panel_height, int scroll_bar_width);

// After the window was resized (control_bar_height: height of the tool bar area).
CanvasSize resized_canvas_size(int panel_width, int panel_height, int scroll_bar_width,
                               int control_bar_height);

// While the snake game runs the rows follow the panel alone.
int game_canvas_height(int panel_height);

int clamp_height(int rows);
int clamp_width(int bytes);

}  // namespace quillo::canvas
