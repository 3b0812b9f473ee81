#pragma once
// A blank canvas as load window leaves it: every row padded to width + 1 spaces.
#include <string>
#include <vector>

#include "canvas/canvas_state.h"
#include "canvas/canvas_window.h"

namespace quillo::tools::testing {

inline canvas::CanvasState blank_canvas(int width, int height, bool double_byte = false) {
    canvas::CanvasState c;
    c.width = width;
    c.height = height;
    c.double_byte = double_byte;
    for (int r = 1; r <= height; ++r)
        for (int layer = 1; layer <= canvas::kLayerCount; ++layer)
            c.layers.row(layer, r) = std::string(static_cast<std::size_t>(width + 1), ' ');
    return c;
}

// Byte columns (1-based) of row r of the working layer holding `mark`.
inline std::vector<int> marks(const canvas::CanvasState& c, int r, char mark = '#') {
    std::vector<int> out;
    const std::string& row = c.layers.row(canvas::kWorking, r);
    for (std::size_t i = 0; i < row.size(); ++i)
        if (row[i] == mark) out.push_back(static_cast<int>(i) + 1);
    return out;
}

inline int count_marks(const canvas::CanvasState& c, char mark = '#') {
    int n = 0;
    for (int r = 1; r <= c.height; ++r) n += static_cast<int>(marks(c, r, mark).size());
    return n;
}

}  // namespace quillo::tools::testing
