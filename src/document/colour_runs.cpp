#include "document/colour_runs.h"

#include <algorithm>

namespace quillo::document {

namespace {

ColourRun make_run(const ColourCell& cell, int start, int length, std::size_t text_size,
                   bool double_byte) {
    const int per_cell = double_byte ? 2 : 1;
    const int size = static_cast<int>(std::min<std::size_t>(text_size, 1u << 20));
    ColourRun run;
    run.start = start;
    run.length = length;
    run.byte_begin = std::min((start - 1) * per_cell, size);
    run.byte_end = std::min((start - 1 + length) * per_cell, size);
    run.cell = cell;
    return run;
}

int clip_cells(int cells) {
    return std::clamp(cells, 0, kColourCells);
}

}  // namespace

void colour_runs(const ColourGrid& layer, int row, int cells, std::string_view text,
                 bool double_byte, std::vector<ColourRun>& out, bool with_plain) {
    out.clear();
    const ColourCell* line = layer.row_cells(row);
    if (!line) return;
    cells = clip_cells(cells);
    int c = 0;  // 0-based
    while (c < cells) {
        const ColourCell& first = line[c];
        int end = c + 1;
        while (end < cells && line[end] == first) ++end;
        if (with_plain || first.has_flag())
            out.push_back(make_run(first, c + 1, end - c, text.size(), double_byte));
        c = end;
    }
}

ColourRun find_colour_run(const ColourGrid& layer, int row, int cell, int cells,
                          std::string_view text, bool double_byte) {
    const ColourCell* line = layer.row_cells(row);
    cells = clip_cells(cells);
    if (!line || cell < 1 || cell > cells) return {};
    const ColourCell& at = line[cell - 1];
    int first = cell - 1;
    while (first > 0 && line[first - 1] == at) --first;
    int end = cell;
    while (end < cells && line[end] == at) ++end;
    return make_run(at, first + 1, end - first, text.size(), double_byte);
}

}  // namespace quillo::document
