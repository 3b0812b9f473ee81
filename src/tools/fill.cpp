#include "tools/fill.h"

#include <algorithm>
#include <array>
#include <string>

#include "tools/replace.h"

namespace quillo::tools {

namespace {

// A row of at most 255 cells holds at most 128 maximal runs of one character, so both lists
// live on the stack and can never overflow.
inline constexpr int kMaxRuns = (canvas::kMaxRowBytes + 1) / 2;

struct RunList {
    std::array<Run, kMaxRuns> runs;
    int count = 0;
    void add(Run r) { runs[static_cast<std::size_t>(count++)] = r; }
    Run at(int i) const { return runs[static_cast<std::size_t>(i)]; }
};

// One row's cells as the fill sees them: only cells the row holds whole, up to the last cell.
struct RowCells {
    const char* bytes;
    int cells;
    int size;  // bytes per cell

    bool holds(int k, std::string_view ch) const {
        const char* cell = bytes + static_cast<std::ptrdiff_t>(k - 1) * size;
        return cell[0] == ch[0] && (size == 1 || cell[1] == ch[1]);
    }
};

struct Region {
    canvas::CanvasState& c;
    std::string_view character;
    std::string put;  // the bytes each filled cell receives
    int last_cell;
    int size;

    RowCells cells_of(int r) const {
        const std::string& row = c.layers.row(canvas::kWorking, r);
        const int whole = std::min(static_cast<int>(row.size()), canvas::kMaxRowBytes) / size;
        return {row.data(), std::min(whole, last_cell), size};
    }

    // Every maximal stretch of cells equal to the character, in column order.
    void candidates(int r, RunList& out) const {
        const RowCells row = cells_of(r);
        out.count = 0;
        for (int k = 1; k <= row.cells; ++k) {
            if (!row.holds(k, character)) continue;
            const int start = k;
            while (k < row.cells && row.holds(k + 1, character)) ++k;
            out.add({start, k});
        }
    }

    int fill_run(int r, Run run) {
        char* cell = c.layers.row(canvas::kWorking, r).data() +
                     static_cast<std::ptrdiff_t>(run.start - 1) * size;
        for (int k = run.start; k <= run.end; ++k, cell += size) {
            cell[0] = put[0];
            if (size == 2) cell[1] = put[1];
        }
        return run.end - run.start + 1;
    }

    // Spreads from the seed run through rows first, first + step, ... until no run connects.
    int spread(Run seed, int first, int step) {
        RunList lists[2];
        RunList found;
        RunList* active = &lists[0];
        RunList* next = &lists[1];
        active->add(seed);
        int filled = 0;
        const int bottom = std::min(c.height, canvas::kMaxRows);
        for (int r = first; r >= 1 && r <= bottom && active->count > 0; r += step) {
            candidates(r, found);
            next->count = 0;
            // Both lists are in column order and hold disjoint runs, so one pass over each finds
            // every candidate's first connected active run.
            int a = 0;
            for (int i = 0; i < found.count; ++i) {
                const Run cand = found.at(i);
                while (a < active->count && active->at(a).end <= cand.start) ++a;
                if (a < active->count && runs_connect(cand, active->at(a))) {
                    filled += fill_run(r, cand);
                    next->add(cand);
                }
            }
            std::swap(active, next);
        }
        return filled;
    }
};

}  // namespace

int fill(canvas::CanvasState& c, Cell at, std::string_view character, std::string_view pen) {
    const bool twin = c.double_byte;
    const int size = twin ? 2 : 1;
    Region region{c, character, pen_cell(pen, twin), twin ? c.width / 2 : c.width, size};
    if (region.put.empty() || character.size() != static_cast<std::size_t>(size)) return 0;
    if (at.y < 1 || at.y > c.height || at.y > canvas::kMaxRows) return 0;
    const RowCells row = region.cells_of(at.y);
    if (at.x < 1 || at.x > row.cells || !row.holds(at.x, character)) return 0;
    Run seed{at.x, at.x};
    while (seed.start > 1 && row.holds(seed.start - 1, character)) --seed.start;
    while (seed.end < row.cells && row.holds(seed.end + 1, character)) ++seed.end;
    int filled = region.fill_run(at.y, seed);
    filled += region.spread(seed, at.y - 1, -1);
    filled += region.spread(seed, at.y + 1, +1);
    return filled;
}

}  // namespace quillo::tools
