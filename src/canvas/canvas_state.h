#pragma once
// The canvas: five row layers and the globals that say how they map onto the document.
#include <array>
#include <string>

#include "canvas/constants.h"

namespace quillo::canvas {

// Where a committed row came from, so that a row nobody changed goes back to its document line
// byte for byte, and the part of a long line beyond 255 bytes is never lost.
struct RowOrigin {
    bool from_line = false;  // a document line existed for this row at load time
    std::string original;    // that line, byte for byte
    std::string loaded;      // the row as it was put into the committed layer
    std::string tail;        // bytes of the (normalised) line beyond the 255 the row can hold
};

class RowLayers {
  public:
    // Rows are 1-based; layers 1..5. Out-of-range rows read as empty and ignore writes.
    std::string& row(int layer, int r) {
        if (layer < 1 || layer > kLayerCount || r < 1 || r > kMaxRows) {
            scratch_.clear();
            return scratch_;
        }
        return rows_[layer][r];
    }
    const std::string& row(int layer, int r) const {
        static const std::string empty;
        if (layer < 1 || layer > kLayerCount || r < 1 || r > kMaxRows) return empty;
        return rows_[layer][r];
    }

  private:
    std::array<std::array<std::string, kMaxRows + 1>, kLayerCount + 1> rows_{};
    std::string scratch_;
};

struct CanvasState {
    RowLayers layers;
    int width = 80;   // bytes per row
    int height = 25;  // rows in use, 1..80
    int scroll = 25;  // document line shown in the bottom row (1-based)
    bool double_byte = false;
    bool blank_out = false;  // trailing-space trim when rows go back to the document
    std::array<RowOrigin, kMaxRows + 1> origin{};
    bool loaded = false;        // a window has been loaded since the document was set
    int loaded_height = 0;      // canvas height and scroll position of that load: the rows
    int loaded_scroll = 0;      // belong to those lines even if the canvas was resized since
    int loaded_line_count = 0;  // document length at the last load: trailing blank lines that
                                // store window added beyond it are taken away again
};

}  // namespace quillo::canvas
