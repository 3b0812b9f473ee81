#include "canvas/display.h"

#include <algorithm>

#include "platform/colours.h"

namespace quillo::canvas {

Display::RowKey Display::key_for(const CanvasState& c, const ColourPass& pass, int r) {
    const bool coloured = pass.multicolour && pass.layer;
    if (!coloured) return {false, 0, false, 0, false};
    return {true, pass.layer->row_stamp(r), pass.brush_mode == document::kBrushRestore, c.width,
            c.double_byte};
}

bool Display::same_colours(const Shown& s, const RowKey& k, const DisplayColours& colours,
                           bool with_stamp) {
    if (!s.valid || s.text_colour != colours.text || s.background != colours.background ||
        s.coloured != k.coloured)
        return false;
    return !k.coloured || ((!with_stamp || s.stamp == k.stamp) && s.restore == k.restore &&
                           s.width == k.width && s.double_byte == k.double_byte);
}

void Display::draw_run(platform::Raster& image, const CanvasState& c, const DisplayColours& colours,
                       bool restore, int r, const document::ColourRun& run) {
    const auto& row = c.layers.row(kWorking, r);
    const auto text = run.text(row);
    if (text.empty()) return;
    platform::Rgb brush = colours.background, font = colours.text;
    if (!restore) {
        if (run.cell.back_set) brush = platform::resolve_colour(run.cell.back);
        if (run.cell.text_set) font = platform::resolve_colour(run.cell.text);
    }
    image.set_brush_colour(brush);
    image.set_font_colour(font);
    const int x = (run.start - 1) * (c.double_byte ? kFullWidth : kHalfWidth);
    image.text_out(x, (r - 1) * kRowPitch, text);
}

std::span<const bool> Display::columns_under_runs(const CanvasState& c, const ColourPass& pass,
                                                  int r) {
    // A coloured run draws every column of its cells again, so the text pass leaves those out.
    // Each byte of a run's text is one 8-pixel column wherever the run starts, so the run
    // redraws exactly the columns of its cells that the row has.
    const auto& row = c.layers.row(kWorking, r);
    document::colour_runs(*pass.layer, r, c.width, row, c.double_byte, runs_);
    covered_.fill(false);
    const int per_cell = c.double_byte ? 2 : 1;
    for (const auto& run : runs_) {
        const int first = (run.start - 1) * per_cell;
        const int last = std::min(first + run.length * per_cell, int(covered_.size()));
        for (int k = first; k < last; ++k) covered_[std::size_t(k)] = true;
    }
    return covered_;
}

void Display::paint_runs(platform::Raster& image, const CanvasState& c,
                         const DisplayColours& colours, const ColourPass& pass, int r) {
    const auto& row = c.layers.row(kWorking, r);
    document::colour_runs(*pass.layer, r, c.width, row, c.double_byte, runs_);
    const bool restore = pass.brush_mode == document::kBrushRestore;
    int n = 0;
    for (int i = 0; i < static_cast<int>(runs_.size()); ++i) {
        const auto& run = runs_[std::size_t(i)];
        if (run.byte_end == run.byte_begin) continue;
        Pending p{colours.background, colours.text, i};
        if (!restore) {
            if (run.cell.back_set) p.brush = platform::resolve_colour(run.cell.back);
            if (run.cell.text_set) p.font = platform::resolve_colour(run.cell.text);
        }
        pending_[std::size_t(n++)] = p;
    }
    const int y = (r - 1) * kRowPitch;
    const int pitch = c.double_byte ? kFullWidth : kHalfWidth;
    // The first group takes the colours the raster has already; a row of many different colours
    // gives up grouping after a few rounds and draws the rest in order.
    platform::Rgb brush = image.brush_colour(), font = image.font_colour();
    for (int round = 0; n > 0; ++round) {
        const bool last_round = round >= 8;
        int kept = 0;
        for (int k = 0; k < n; ++k) {
            const Pending p = pending_[std::size_t(k)];
            if (!last_round && (p.brush != brush || p.font != font)) {
                pending_[std::size_t(kept++)] = p;
                continue;
            }
            const auto& run = runs_[std::size_t(p.run)];
            image.set_brush_colour(p.brush);
            image.set_font_colour(p.font);
            image.text_out((run.start - 1) * pitch, y, run.text(row));
        }
        n = kept;
        if (n > 0) brush = pending_[0].brush, font = pending_[0].font;
    }
}

Damage Display::repaint(platform::Raster& image, const CanvasState& c, int n, bool force,
                        const DisplayColours& colours, const ColourPass& pass) {
    Damage damage;
    if (n > kMaxRows) n = kMaxRows;
    const bool text_pass = force || pass.brush_mode == document::kBrushNone;
    bool any_coloured = false;
    // Text of every row first, then the runs, so that runs of the same colours on neighbouring
    // rows follow each other.
    for (int r = 1; r <= n; ++r) {
        const auto& row = c.layers.row(kWorking, r);
        auto& shown = shown_[r];
        const RowKey key = key_for(c, pass, r);
        const bool colours_same = same_colours(shown, key, colours);
        dirty_[r] = false;
        if (!force && colours_same && shown.text == row) continue;
        // With the text pass off, text changes wait for a forced repaint; a row whose colours
        // changed is painted whole so that cells that lost their colours show plain again.
        if (!text_pass && colours_same) continue;
        image.set_brush_colour(colours.background);
        image.set_font_colour(colours.text);
        // Text is opaque and rows are padded past the canvas width, so a row paints its whole
        // visible width; pixels beyond its end stay as they were, as on the original canvas.
        if (key.coloured)
            image.text_out_except(0, (r - 1) * kRowPitch, row, columns_under_runs(c, pass, r));
        else
            image.text_out(0, (r - 1) * kRowPitch, row);
        dirty_[r] = key.coloured;
        any_coloured = any_coloured || key.coloured;
        shown.valid = true;
        shown.text = row;
        shown.text_colour = colours.text;
        shown.background = colours.background;
        shown.coloured = key.coloured;
        shown.stamp = key.stamp;
        shown.restore = key.restore;
        shown.width = key.width;
        shown.double_byte = key.double_byte;
        damage.add(r);
    }
    if (any_coloured) {
        for (int r = 1; r <= n; ++r)
            if (dirty_[r]) paint_runs(image, c, colours, pass, r);
    }
    return damage;
}

Damage Display::draw_run_at(platform::Raster& image, const CanvasState& c,
                            const DisplayColours& colours, const ColourPass& pass, int column,
                            int row) {
    Damage damage;
    if (!pass.layer || row < 1 || row > kMaxRows) return damage;
    const auto& text = c.layers.row(kWorking, row);
    const auto run =
        document::find_colour_run(*pass.layer, row, column, c.width, text, c.double_byte);
    if (run.length == 0) return damage;
    draw_run(image, c, colours, pass.brush_mode == document::kBrushRestore, row, run);
    damage.add(row);
    // The rest of the row is untouched, so a row that showed this text with the old colours
    // now shows exactly what a full paint would.
    auto& shown = shown_[row];
    const RowKey key = key_for(c, pass, row);
    if (key.coloured && shown.text == text && same_colours(shown, key, colours, false))
        shown.stamp = key.stamp;
    else
        shown.valid = false;
    return damage;
}

}  // namespace quillo::canvas
