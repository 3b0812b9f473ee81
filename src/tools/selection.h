#pragma once
// Moving and copying blocks (tools 3 and 4): the rubber band, lifting a block with its colours
// into the selection buffer (row layer 5 and the selection colour layer), dragging the floating
// block in whole cells and placing it back. The window shows the frame and the overlay where
// these routines say; it commits after a place.
#include "canvas/canvas_state.h"
#include "document/colour_layer.h"
#include "platform/raster.h"

namespace quillo::tools {

inline constexpr int kMoveTool = 3;
inline constexpr int kCopyTool = 4;

// Cells, 1-based (double-byte cells in double-byte mode); may lie partly outside the canvas
// while the block floats.
struct SelectionRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool operator==(const SelectionRect&) const = default;
};

// A rectangle in pixels of the panel the canvas image sits in. The four frame bevels go to:
// Btop (left, top) width w; Bleft (left, top) height h; Bbottom (left, top + h) width w;
// Bright (left + w, top) height h.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelBox&) const = default;
};

struct SelectionState {
    SelectionRect rect;
    bool move = false;           // tool 3 chosen: lifting blanks the source
    bool new_selection = true;   // the next drag-over starts a new rubber band
    bool floating = false;       // write_in_imag shows a lifted block waiting to be placed
    bool frame_visible = false;  // the bevels show (rubber band or frame of the block)
    int start_x = 0;             // rubber band start cell
    int start_y = 0;
    bool overlay_dragging = false;
    int grab_x = 0;  // where the overlay drag began, pixels inside the overlay
    int grab_y = 0;
};

// Horizontal pixels per cell.
inline int cell_pitch(bool double_byte) {
    return double_byte ? 16 : 8;
}

// Drag-over of the canvas image at (x, y) pixels inside it; image_left/top place the image in its
// panel. The first event of a drag (new-selection flag set) starts the rubber band: the caller
// places a floating block first (see `floating`) and hides the overlay. Returns the frame.
PixelBox rubber_band(SelectionState& s, int x, int y, bool double_byte, int image_left = 0,
                     int image_top = 0);

// End of the drag: lifts the block under the rubber band (blanking its place in the working layer
// for a move) and returns true, or returns false for a single cell, which selects nothing and
// hides the frame so that no stale buffer is placed later. The overlay then shows at the frame:
// `overlay_box`, drawn with draw_overlay.
bool end_rubber_band(SelectionState& s, canvas::CanvasState& c, document::ColourState& colours,
                     bool multicolour);

// The block of rect: rows of the working layer into the selection buffer, colours into the
// selection colour layer (in multicolour mode; a move records and clears the source colours,
// after emptying the colour undo list). Rows below the canvas read as empty.
void lift(const SelectionRect& rect, bool move, canvas::CanvasState& c,
          document::ColourState& colours, bool multicolour);

// A move's source: the block's bytes in the working layer become spaces; bytes after the block
// are kept up to the canvas width.
void blank_block(const SelectionRect& rect, canvas::CanvasState& c);

// Writes the selection buffer over the working layer at rect: parts left of cell 1, above row 1
// or below the canvas height are dropped, rows are cut at 255 bytes; in multicolour mode the
// selection colours replace the colours under the block (recorded for colour undo; a copy starts
// a new undo list, a move goes on from its lift). The caller commits.
void place(const SelectionRect& rect, bool move, canvas::CanvasState& c,
           document::ColourState& colours, bool multicolour);

// place() for the floating block, if any; hides it and its frame. Returns whether it placed (the
// caller then commits and repaints with force), as init_image1 needs it.
bool place_floating(SelectionState& s, canvas::CanvasState& c, document::ColourState& colours,
                    bool multicolour);

// The overlay's place and size over the rectangle, in panel pixels.
PixelBox overlay_box(const SelectionRect& rect, bool double_byte, int image_left = 0,
                     int image_top = 0);

// Drag-over of the overlay at (x, y) pixels inside it; `overlay` is its current box. Moves the
// block (in whole cells once it is at least 36 x 19 pixels, smaller ones by the pixel with the
// rectangle recomputed from the position) and returns the overlay's new box; the frame bevels
// follow it with their lengths unchanged.
PixelBox drag_overlay(SelectionState& s, int x, int y, const PixelBox& overlay, bool double_byte,
                      int image_left = 0, int image_top = 0);
inline void end_overlay_drag(SelectionState& s) {
    s.overlay_dragging = false;
}

// Rows 1..n of the selection buffer into the overlay image, one pixel lower than the canvas grid;
// in multicolour mode cells 1..w with colours are written again in their colours.
void draw_overlay(platform::Raster& overlay, const canvas::CanvasState& c,
                  const document::ColourGrid& selection_colours, int n, int w, bool double_byte,
                  bool multicolour, platform::Rgb canvas_text, platform::Rgb canvas_back);

}  // namespace quillo::tools
