#include "canvas/display.h"

namespace quillo::canvas {

Damage Display::repaint(platform::Raster& image, const CanvasState& c, int n, bool force,
                        const DisplayColours& colours) {
    Damage damage;
    if (n > kMaxRows) n = kMaxRows;
    for (int r = 1; r <= n; ++r) {
        const auto& row = c.layers.row(kWorking, r);
        auto& shown = shown_[r];
        if (!force && shown.valid && shown.text == row && shown.text_colour == colours.text &&
            shown.background == colours.background)
            continue;
        image.set_brush_colour(colours.background);
        image.set_font_colour(colours.text);
        const int y = (r - 1) * kRowPitch;
        // Text is opaque and rows are padded past the canvas width, so a row paints its whole
        // visible width; pixels beyond its end stay as they were, as on the original canvas.
        image.text_out(0, y, row);
        shown.valid = true;
        shown.text = row;
        shown.text_colour = colours.text;
        shown.background = colours.background;
        damage.add(r);
    }
    return damage;
}

}  // namespace quillo::canvas
