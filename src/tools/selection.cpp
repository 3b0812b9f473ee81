#include "tools/selection.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "canvas/constants.h"
#include "platform/colours.h"

namespace quillo::tools {

namespace {

using canvas::kMaxRowBytes;
using canvas::kMaxRows;
using canvas::kRowPitch;
using canvas::kSelection;
using canvas::kWorking;
using document::ColourCell;
using document::kColourCells;
using document::kColourRows;

// Bytes from..to (1-based, inclusive) of s, as many of them as s has.
std::string_view bytes_of(std::string_view s, long long from, long long to) {
    from = std::max(from, 1LL);
    to = std::min<long long>(to, static_cast<long long>(s.size()));
    if (from > to) return {};
    return s.substr(std::size_t(from - 1), std::size_t(to - from + 1));
}

void append_padded(std::string& out, std::string_view bytes, long long width) {
    out.append(bytes);
    if (width > static_cast<long long>(bytes.size()))
        out.append(std::size_t(std::min<long long>(width, kMaxRowBytes + 1) - bytes.size()), ' ');
}

void cut_to_row(std::string& row) {
    if (row.size() > std::size_t(kMaxRowBytes)) row.resize(kMaxRowBytes);
}

ColourCell without_flags(ColourCell cell) {
    cell.text_set = cell.back_set = false;
    return cell;
}

int cell_of(int v, int k) {
    return v / k + 1;
}

}  // namespace

PixelBox rubber_band(SelectionState& s, int x, int y, bool double_byte, int image_left,
                     int image_top) {
    const int pitch = cell_pitch(double_byte);
    // A pointer dragged off the top or left edge stays on the first cell.
    const int cx = std::max(x, 0) / pitch + 1;
    const int cy = std::max(y, 0) / kRowPitch + 1;
    if (s.new_selection) {
        s.new_selection = false;
        s.start_x = cx;
        s.start_y = cy;
        // A release before any move must find a single cell here, not the last block.
        s.rect = {cx, cy, cx, cy};
        s.frame_visible = true;
        return {(cx - 1) * pitch + image_left, (cy - 1) * kRowPitch + image_top, 0, 0};
    }
    s.rect = {std::min(s.start_x, cx), std::min(s.start_y, cy), std::max(s.start_x, cx),
              std::max(s.start_y, cy)};
    return overlay_box(s.rect, double_byte, image_left, image_top);
}

bool end_rubber_band(SelectionState& s, canvas::CanvasState& c, document::ColourState& colours,
                     bool multicolour) {
    s.new_selection = true;
    if (s.rect.left == s.rect.right && s.rect.top == s.rect.bottom) {
        s.frame_visible = false;
        s.floating = false;
        return false;
    }
    s.floating = true;
    s.frame_visible = true;
    s.overlay_dragging = false;
    lift(s.rect, s.move, c, colours, multicolour);
    if (s.move) blank_block(s.rect, c);
    return true;
}

void lift(const SelectionRect& rect, bool move, canvas::CanvasState& c,
          document::ColourState& colours, bool multicolour) {
    const long long per = c.double_byte ? 2 : 1;
    for (int r = rect.top; r <= rect.bottom; ++r) {
        const int i = r - rect.top + 1;
        if (i > kMaxRows) break;
        std::string& buffer = c.layers.row(kSelection, i);
        if (r < 1 || r > c.height) {
            buffer.clear();
            continue;
        }
        const auto& row = c.layers.row(kWorking, r);
        buffer.assign(bytes_of(row, per * (rect.left - 1) + 1, per * rect.right));
    }
    if (!multicolour) return;
    if (move) colours.undo.clear();
    for (int r = rect.top; r <= rect.bottom; ++r) {
        const int i = r - rect.top + 1;
        if (i > kColourRows) break;
        for (int col = rect.left; col <= rect.right; ++col) {
            const int j = col - rect.left + 1;
            if (j > kColourCells) break;
            const ColourCell& source = colours.layer.cell(r, col);
            if (source.has_flag()) {
                colours.selection.set(i, j, source);
                if (move) {
                    colours.undo.record(colours.layer, col, r);
                    colours.layer.set(r, col, without_flags(source));
                }
            } else {
                colours.selection.set(i, j, without_flags(colours.selection.cell(i, j)));
            }
        }
    }
}

void blank_block(const SelectionRect& rect, canvas::CanvasState& c) {
    const long long per = c.double_byte ? 2 : 1;
    const long long left = std::max(rect.left, 1);
    if (rect.right < left) return;
    std::string out;
    for (int r = std::max(rect.top, 1); r <= std::min(rect.bottom, c.height); ++r) {
        std::string& row = c.layers.row(kWorking, r);
        out.assign(bytes_of(row, 1, per * (left - 1)));
        out.append(std::size_t(std::min<long long>(per * (rect.right - left + 1), kMaxRowBytes)),
                   ' ');
        out.append(bytes_of(row, per * rect.right + 1, c.width));
        cut_to_row(out);
        row = out;
    }
}

void place(const SelectionRect& rect, bool move, canvas::CanvasState& c,
           document::ColourState& colours, bool multicolour) {
    const long long per = c.double_byte ? 2 : 1;
    std::string out;
    const int first_row = std::max(rect.top, 1);
    const int last_row = std::min(rect.bottom, c.height);
    for (int r = first_row; r <= last_row; ++r) {
        const int i = r - rect.top + 1;
        const std::string& buffer = c.layers.row(kSelection, i);
        std::string& row = c.layers.row(kWorking, r);
        out.clear();
        if (rect.left >= 1) {
            // A block dropped beyond the end of a short row still lands on its own cells.
            append_padded(out, bytes_of(row, 1, per * (rect.left - 1)), per * (rect.left - 1));
            append_padded(out, bytes_of(buffer, 1, per * rect.width()), per * rect.width());
        } else {
            // The part left of cell 1 is dropped.
            const long long skip = per * (1LL - rect.left);
            append_padded(out, bytes_of(buffer, skip + 1, skip + per * rect.right),
                          per * rect.right);
        }
        out.append(bytes_of(row, per * rect.right + 1, kMaxRowBytes));
        cut_to_row(out);
        row = out;
    }
    if (!multicolour) return;
    // After a move the list goes on from the lift: one colour undo reverses the whole move.
    if (!move) colours.undo.clear();
    const int last_colour_row = std::min(last_row, kColourRows);
    const int first_cell = std::max(rect.left, 1);
    const int last_cell = std::min(rect.right, kColourCells);
    for (int r = first_row; r <= last_colour_row; ++r) {
        for (int col = first_cell; col <= last_cell; ++col) {
            colours.undo.record(colours.layer, col, r);
            const ColourCell& from = colours.selection.cell(r - rect.top + 1, col - rect.left + 1);
            colours.layer.set(r, col,
                              from.has_flag() ? from : without_flags(colours.layer.cell(r, col)));
        }
    }
}

bool place_floating(SelectionState& s, canvas::CanvasState& c, document::ColourState& colours,
                    bool multicolour) {
    const bool had = s.floating;
    if (had) place(s.rect, s.move, c, colours, multicolour);
    s.floating = false;
    s.frame_visible = false;
    s.overlay_dragging = false;
    return had;
}

PixelBox overlay_box(const SelectionRect& rect, bool double_byte, int image_left, int image_top) {
    const int pitch = cell_pitch(double_byte);
    return {(rect.left - 1) * pitch + image_left, (rect.top - 1) * kRowPitch + image_top,
            rect.width() * pitch, rect.height() * kRowPitch};
}

PixelBox drag_overlay(SelectionState& s, int x, int y, const PixelBox& overlay, bool double_byte,
                      int image_left, int image_top) {
    if (!s.overlay_dragging) {
        s.overlay_dragging = true;
        s.grab_x = x;
        s.grab_y = y;
        return overlay;
    }
    const int pitch = cell_pitch(double_byte);
    const int dx = x - s.grab_x;
    const int dy = y - s.grab_y;
    PixelBox box = overlay;
    if (overlay.height >= 36 && overlay.width >= 19) {
        const int sx = dx / pitch;
        const int sy = dy / kRowPitch;
        box.left += sx * pitch;
        box.top += sy * kRowPitch;
        s.rect.left += sx;
        s.rect.right += sx;
        s.rect.top += sy;
        s.rect.bottom += sy;
        return box;
    }
    // Small blocks follow the pointer exactly; their cells come from where they lie.
    box.left += dx;
    box.top += dy;
    const int p = box.left - image_left;
    const int q = box.top - image_top;
    const int w = box.width;
    const int h = box.height;
    if (double_byte) {
        s.rect.left = cell_of(p + 8, 16);
        s.rect.right = w >= 18 ? cell_of(p + 8 + w - 16, 16) : cell_of(p + 8, 16);
        s.rect.top = cell_of(q + 8, 16);
        s.rect.bottom = h >= 18 ? cell_of(q + 8 + h - 17, 16) : cell_of(q + 8, 16);
    } else {
        s.rect.left = cell_of(p + 4, 8);
        s.rect.right = w >= 8 ? cell_of(p + 4 + w - 8, 8) : cell_of(p + 4, 8);
        s.rect.top = cell_of(q + 4, 16);
        s.rect.bottom = h >= 18 ? cell_of(q + 4 + h - 8, 16) : cell_of(q + 4, 16);
    }
    return box;
}

void draw_overlay(platform::Raster& overlay, const canvas::CanvasState& c,
                  const document::ColourGrid& selection_colours, int n, int w, bool double_byte,
                  bool multicolour, platform::Rgb canvas_text, platform::Rgb canvas_back) {
    n = std::min(n, kMaxRows);
    overlay.set_brush_colour(canvas_back);
    overlay.set_font_colour(canvas_text);
    for (int i = 1; i <= n; ++i) overlay.text_out(0, 16 * i - 15, c.layers.row(kSelection, i));
    if (!multicolour) return;
    const int per = double_byte ? 2 : 1;
    const int pitch = cell_pitch(double_byte);
    w = std::min(w, kColourCells);
    for (int i = 1; i <= std::min(n, kColourRows); ++i) {
        const std::string& row = c.layers.row(kSelection, i);
        for (int j = 1; j <= w; ++j) {
            const ColourCell& cell = selection_colours.cell(i, j);
            if (!cell.has_flag()) continue;
            const auto bytes = bytes_of(row, per * (j - 1LL) + 1, per * j);
            if (bytes.empty()) continue;
            overlay.set_brush_colour(cell.back_set ? platform::resolve_colour(cell.back)
                                                   : canvas_back);
            overlay.set_font_colour(cell.text_set ? platform::resolve_colour(cell.text)
                                                  : canvas_text);
            overlay.text_out((j - 1) * pitch, 16 * i - 15, bytes);
        }
    }
}

}  // namespace quillo::tools
