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

struct Region {
    canvas::CanvasState& c;
    std::string_view character;
    std::string put;  // the bytes each filled cell receives
    int last_cell;
    bool twin;

    bool holds(std::string_view row, int k) const { return cell_bytes(row, k, twin) == character; }

    // Every maximal stretch of cells equal to the character, in column order.
    void candidates(int r, RunList& out) const {
        const std::string& row = c.layers.row(canvas::kWorking, r);
        out.count = 0;
        for (int k = 1; k <= last_cell; ++k) {
            if (!holds(row, k)) continue;
            const int start = k;
            while (k < last_cell && holds(row, k + 1)) ++k;
            out.add({start, k});
        }
    }

    int fill_run(int r, Run run) {
        std::string& row = c.layers.row(canvas::kWorking, r);
        const std::size_t size = put.size();
        for (int k = run.start; k <= run.end; ++k)
            row.replace(static_cast<std::size_t>(k - 1) * size, size, put);
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
    Region region{c, character, pen_cell(pen, twin), twin ? c.width / 2 : c.width, twin};
    region.last_cell =
        std::min(region.last_cell, twin ? canvas::kMaxRowBytes / 2 : canvas::kMaxRowBytes);
    if (region.put.empty() || character.size() != (twin ? 2u : 1u)) return 0;
    if (at.y < 1 || at.y > c.height || at.y > canvas::kMaxRows) return 0;
    if (at.x < 1 || at.x > region.last_cell) return 0;
    const std::string& row = c.layers.row(canvas::kWorking, at.y);
    if (!region.holds(row, at.x)) return 0;
    Run seed{at.x, at.x};
    while (seed.start > 1 && region.holds(row, seed.start - 1)) --seed.start;
    while (seed.end < region.last_cell && region.holds(row, seed.end + 1)) ++seed.end;
    int filled = region.fill_run(at.y, seed);
    filled += region.spread(seed, at.y - 1, -1);
    filled += region.spread(seed, at.y + 1, +1);
    return filled;
}

}  // namespace quillo::tools
