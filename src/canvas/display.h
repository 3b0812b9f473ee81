#pragma once
// Painting the working layer into the canvas image, row by row, remembering what each row shows
// so that a repaint touches only rows whose pixels change.
#include <array>
#include <string>

#include "canvas/canvas_state.h"
#include "platform/raster.h"

namespace quillo::canvas {

struct DisplayColours {
    platform::Rgb text = 0x000000;        // canvas text colour
    platform::Rgb background = 0xD4D0C8;  // canvas background colour
};

// Rows whose pixels changed in the last paint, for the widget to refresh.
struct Damage {
    int first_row = 0;  // 0 = nothing changed
    int last_row = 0;
    void add(int r) {
        if (first_row == 0 || r < first_row) first_row = r;
        if (r > last_row) last_row = r;
    }
    bool empty() const { return first_row == 0; }
};

class Display {
public:
    // Paints rows 1..n of the working layer. `force` repaints even rows that look unchanged
    // (other drawing may have gone over the image).
    Damage repaint(platform::Raster& image, const CanvasState& c, int n, bool force,
                   const DisplayColours& colours);

    // Forget what the image shows (something drew over it).
    void invalidate() {
        for (auto& s : shown_) s.valid = false;
    }

private:
    struct Shown {
        bool valid = false;
        std::string text;
        platform::Rgb text_colour = 0;
        platform::Rgb background = 0;
    };
    std::array<Shown, kMaxRows + 1> shown_{};
};

}  // namespace quillo::canvas
