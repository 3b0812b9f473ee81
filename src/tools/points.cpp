#include "tools/points.h"

#include <algorithm>

#include "canvas/canvas_window.h"

namespace quillo::tools {

namespace {

void put_byte(std::string& row, int byte, char value) {
    if (byte >= 1 && byte <= canvas::kMaxRowBytes && byte <= static_cast<int>(row.size()))
        row[static_cast<std::size_t>(byte - 1)] = value;
}

}  // namespace

void single_point(canvas::CanvasState& c, Cell end, std::string_view pen) {
    canvas::copy_layer(c, canvas::kCommitted, canvas::kWorking);
    plot(c, end.x, end.y, pen);
}

void freehand_cell(canvas::CanvasState& c, Cell end, std::string_view pen) {
    plot(c, end.x, end.y, pen);
}

Cell scatter_cell(int v, int w) {
    Cell cell{v % w, v / w + 1};
    if (cell.x == 0) {
        cell.x = w;
        cell.y = v / w;
    }
    if (cell.y == 0) cell.y = 1;
    return cell;
}

void random_scatter(canvas::CanvasState& c, int h, int w, int n, std::string_view pen,
                    bool two_byte_cells, platform::Random& rng) {
    h = std::min(h, canvas::kMaxRows);
    w = std::min(w, canvas::kMaxRowBytes);
    if (n < 1 || h < 1 || w < 1 || pen.empty()) return;
    n = static_cast<int>(std::min<long long>(n, static_cast<long long>(kScatterPerByte) * h * w));
    const char first = pen[0];
    const char second = pen.size() >= 2 ? pen[1] : ' ';
    for (int i = 0; i < n; ++i) {
        const Cell at = scatter_cell(rng.next_int(h * w), w);
        std::string& row = c.layers.row(canvas::kWorking, at.y);
        if (!two_byte_cells) {
            put_byte(row, at.x, first);
        } else {
            const int cell = (at.x + 1) / 2;
            // Both bytes or neither: no half character past byte 255.
            if (2 * cell > canvas::kMaxRowBytes) continue;
            put_byte(row, 2 * cell - 1, first);
            put_byte(row, 2 * cell, second);
        }
    }
}

}  // namespace quillo::tools
