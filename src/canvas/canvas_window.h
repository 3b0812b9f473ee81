#pragma once
// The window of document lines laid out as row layers, and the commit/undo protocol.
#include <string_view>

#include "canvas/canvas_state.h"
#include "document/document.h"

namespace quillo::canvas {

// Copies rows 1..count of one layer over the same rows of another.
void copy_rows(CanvasState& c, int source, int target, int count);
// copy_rows over the canvas height.
inline void copy_layer(CanvasState& c, int source, int target) {
    copy_rows(c, source, target, c.height);
}

// Pads rows 1..height of a layer to n bytes (pad_to_width), each cut to 255 bytes.
void pad_layer(CanvasState& c, int layer, int n);

// Document lines ending at line p (1-based) -> committed layer. The canvas width only grows.
void load_window(CanvasState& c, const document::Document& doc, int p);

// Committed layer -> document lines ending at line p. Rows nobody changed give back their line
// exactly as it was loaded; changed rows keep the part of a long line beyond 255 bytes.
void store_window(CanvasState& c, document::Document& doc, int p);

// The layer part of a commit: committed -> undo, store window, working -> committed.
void commit_layers(CanvasState& c, document::Document& doc);

// The layer part of undo, a swap: a second undo restores what the first removed.
void undo_layers(CanvasState& c, document::Document& doc);

// Lays the pen at cell (x, y) of a layer: its first byte (single-byte mode) or first two bytes
// (double-byte mode; a one-byte pen is followed by a space). Writes only inside rows
// 1..height and the row's current bytes, never beyond byte 255; a 2-byte cell only when both
// its bytes are there.
void lay_pen(CanvasState& c, int layer, int x, int y, std::string_view pen);

// True when rows 1..height, bytes 1..width of the committed layer hold a byte above 128.
bool has_full_width_byte(const CanvasState& c);

// Scroll bar range for the document: minimum = position = canvas height, maximum = the larger
// of line count and canvas height.
struct ScrollRange {
    int minimum;
    int maximum;
    int position;
    int large_change;
};
ScrollRange scroll_range_for(const CanvasState& c, const document::Document& doc);

}  // namespace quillo::canvas
