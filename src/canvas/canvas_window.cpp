#include "canvas/canvas_window.h"

#include "canvas/row_text.h"

namespace quillo::canvas {

void copy_rows(CanvasState& c, int source, int target, int count) {
    count = smaller_of(count, kMaxRows);
    for (int r = 1; r <= count; ++r) c.layers.row(target, r) = c.layers.row(source, r);
}

void pad_layer(CanvasState& c, int layer, int n) {
    for (int r = 1; r <= c.height; ++r) {
        auto& row = c.layers.row(layer, r);
        row = cut_to_row(pad_to_width(std::move(row), n));
    }
}

void load_window(CanvasState& c, const document::Document& doc, int p) {
    int w = c.width;
    for (int r = c.height; r >= 1; --r) {
        const int index = p - c.height + r - 1;
        auto& origin = c.origin[r];
        origin.from_line = index >= 0 && index < doc.line_count();
        origin.original = std::string(doc.line(index));
        std::string text = double_byte_normalise(origin.original, c.double_byte);
        origin.tail = text.size() > static_cast<std::size_t>(kMaxRowBytes)
                          ? text.substr(kMaxRowBytes)
                          : std::string();
        auto& row = c.layers.row(kCommitted, r);
        row = cut_to_row(std::move(text));
        w = larger_of(w, static_cast<int>(row.size()));
    }
    c.width = smaller_of(w, kMaxRowBytes);
    pad_layer(c, kCommitted, c.width);
    for (int r = 1; r <= c.height; ++r) c.origin[r].loaded = c.layers.row(kCommitted, r);
    c.loaded_line_count = doc.line_count();
    c.loaded_height = c.height;
    c.loaded_scroll = p;
    c.loaded = true;
}

void store_window(CanvasState& c, document::Document& doc, int p) {
    // Before the first load the layers hold nothing of this document.
    if (!c.loaded) return;
    // A resize in normal mode changes the height without reloading the layers: rows still go
    // back to the lines they came from, never to their neighbours.
    const int height = c.loaded_height;
    if (p != c.loaded_scroll || c.height != height) p = c.loaded_scroll;
    const int needed = larger_of(height, p);
    while (doc.line_count() < needed) doc.lines.emplace_back(" ");
    for (int r = height; r >= 1; --r) {
        const int index = p - height + r - 1;
        if (index < 0) continue;
        const auto& row = c.layers.row(kCommitted, r);
        const auto& origin = c.origin[r];
        auto& line = doc.lines[static_cast<std::size_t>(index)];
        if (row == origin.loaded) {
            line = origin.from_line ? origin.original : std::string(" ");
        } else if (origin.tail.empty()) {
            line = c.blank_out ? trailing_space_trim(row) : row;
        } else {
            line = row + origin.tail;
        }
    }
    const int keep = larger_of(1, c.loaded_line_count);
    while (doc.line_count() > keep && doc.lines.back() == " ") doc.lines.pop_back();
}

void commit_layers(CanvasState& c, document::Document& doc) {
    copy_layer(c, kCommitted, kUndo);
    store_window(c, doc, c.scroll);
    copy_layer(c, kWorking, kCommitted);
}

void undo_layers(CanvasState& c, document::Document& doc) {
    copy_layer(c, kUndo, kCommitted);
    copy_layer(c, kWorking, kUndo);
    copy_layer(c, kCommitted, kWorking);
    store_window(c, doc, c.scroll);
}

void lay_pen(CanvasState& c, int layer, int x, int y, std::string_view pen) {
    if (pen.empty() || y < 1 || y > c.height) return;
    auto& row = c.layers.row(layer, y);
    const int held = smaller_of(static_cast<int>(row.size()), kMaxRowBytes);
    if (!c.double_byte) {
        if (x >= 1 && x <= held) row[static_cast<std::size_t>(x - 1)] = pen[0];
        return;
    }
    // A 2-byte pen is laid whole or not at all, so no half character is left at the row's end
    // or past byte 255.
    if (x < 1 || 2 * x > held) return;
    row[static_cast<std::size_t>(2 * x - 2)] = pen[0];
    row[static_cast<std::size_t>(2 * x - 1)] = pen.size() >= 2 ? pen[1] : ' ';
}

bool has_full_width_byte(const CanvasState& c) {
    for (int r = 1; r <= c.height; ++r) {
        const auto& row = c.layers.row(kCommitted, r);
        const auto n = static_cast<std::size_t>(smaller_of(c.width, static_cast<int>(row.size())));
        for (std::size_t i = 0; i < n; ++i)
            if (static_cast<unsigned char>(row[i]) > 128) return true;
    }
    return false;
}

ScrollRange scroll_range_for(const CanvasState& c, const document::Document& doc) {
    return ScrollRange{c.height, larger_of(doc.line_count(), c.height), c.height, c.height};
}

}  // namespace quillo::canvas
