#pragma once
// Painting the working layer into the canvas image, row by row, remembering what each row shows
// so that a repaint touches only rows whose pixels change.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "canvas/canvas_state.h"
#include "document/colour_runs.h"
#include "platform/raster.h"

namespace quillo::canvas {

struct DisplayColours {
    platform::Rgb text = 0x000000;        // canvas text colour
    platform::Rgb background = 0xD4D0C8;  // canvas background colour
};

// What the colour pass needs: the colour layer, whether multicolour mode is on, and the
// colour-brush mode (while one is active, repaints without force leave the text as it is; in the
// restore mode 3 every run shows in the canvas colours).
struct ColourPass {
    const document::ColourGrid* layer = nullptr;
    bool multicolour = false;
    int brush_mode = 0;
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
    Display() { runs_.reserve(document::kColourCells); }

    // Paints rows 1..n of the working layer. `force` repaints even rows that look unchanged
    // (other drawing may have gone over the image). No colours: the text pass alone.
    Damage repaint(platform::Raster& image, const CanvasState& c, int n, bool force,
                   const DisplayColours& colours) {
        return repaint(image, c, n, force, colours, ColourPass{});
    }

    // The same with the colour pass: in multicolour mode the coloured runs of rows 1..n (cells
    // 1..canvas width) are painted over the text. While a colour-brush mode is active and force
    // is clear the text pass is skipped: a row whose text alone changed keeps its pixels, a row
    // whose colours changed is painted whole.
    Damage repaint(platform::Raster& image, const CanvasState& c, int n, bool force,
                   const DisplayColours& colours, const ColourPass& pass);

    // Draws at once the run that holds cell (column, row), as a brushed cell needs.
    Damage draw_run_at(platform::Raster& image, const CanvasState& c, const DisplayColours& colours,
                       const ColourPass& pass, int column, int row);

    // Forget what the image shows (something drew over it).
    void invalidate() {
        for (auto& s : shown_) s.valid = false;
    }

  private:
    std::span<const bool> columns_under_runs(const CanvasState& c, const ColourPass& pass, int r);
    struct Shown {
        bool valid = false;
        std::string text;
        platform::Rgb text_colour = 0;
        platform::Rgb background = 0;
        bool coloured = false;    // the colour pass ran over the row
        std::uint64_t stamp = 0;  // colour layer row stamp painted
        bool restore = false;     // runs painted in the canvas colours
        int width = 0;            // canvas width and cell size the runs were cut to
        bool double_byte = false;
    };
    struct RowKey {
        bool coloured;
        std::uint64_t stamp;
        bool restore;
        int width;
        bool double_byte;
    };
    static RowKey key_for(const CanvasState& c, const ColourPass& pass, int r);
    static bool same_colours(const Shown& s, const RowKey& k, const DisplayColours& colours,
                             bool with_stamp = true);
    void paint_runs(platform::Raster& image, const CanvasState& c, const DisplayColours& colours,
                    const ColourPass& pass, int r);
    void draw_run(platform::Raster& image, const CanvasState& c, const DisplayColours& colours,
                  bool restore, int r, const document::ColourRun& run);

    std::array<Shown, kMaxRows + 1> shown_{};
    std::vector<document::ColourRun> runs_;
    // Runs of the row being painted still to draw, with the colours they are drawn in: runs never
    // overlap, so they are drawn grouped by colours and the raster changes colours less often.
    struct Pending {
        platform::Rgb brush;
        platform::Rgb font;
        int run;
    };
    std::array<Pending, document::kColourCells> pending_{};
    std::array<bool, kMaxRows + 1> dirty_{};
    // 8-pixel columns of the row being painted that its coloured runs cover.
    std::array<bool, 2 * kMaxRowBytes + 2> covered_{};
};

}  // namespace quillo::canvas
