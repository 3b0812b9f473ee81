// Replace, fill and the text gun on the largest canvas (80 rows x 255 bytes), each with the work
// that follows it in the window: the commit (undo copy, store window, working -> committed) and
// the repaint of the changed rows into the canvas image.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "canvas/canvas_window.h"
#include "canvas/display.h"
#include "document/document.h"
#include "platform/raster.h"
#include "tools/fill.h"
#include "tools/points.h"
#include "tools/replace.h"
#include "tools/text_gun.h"

namespace {

using namespace quillo;

// Ground and the two pens the benchmarks swap between, so every iteration fills the whole
// region again: 1-byte cells or 2-byte cells.
struct Cells {
    std::string a, b, wall;
};
Cells cells_for(bool twin) {
    if (twin) return {"\xA1\xA4", "\xA1\xEF", "\xA9\xA5"};
    return {".", "*", "#"};
}

enum Shape { kOneRunPerRow, kManyRuns };

// Shape kManyRuns: every other row alternates ground and wall cell by cell (128 one-cell runs,
// each connected to the full rows above and below it), the worst case for the run lists.
struct Rig {
    canvas::CanvasState c;
    document::Document doc;
    platform::Raster image{canvas::kImageSize, canvas::kImageSize};
    canvas::Display display;
    canvas::DisplayColours colours;

    Rig(bool twin, Shape shape) {
        c.width = canvas::kMaxRowBytes;
        c.height = canvas::kMaxRows;
        c.scroll = c.height;
        c.double_byte = twin;
        const Cells k = cells_for(twin);
        const int n = twin ? c.width / 2 : c.width;
        for (int r = 1; r <= c.height; ++r) {
            std::string row;
            for (int x = 1; x <= n; ++x)
                row += shape == kManyRuns && r % 2 == 0 && x % 2 == 0 ? k.wall : k.a;
            while (static_cast<int>(row.size()) < c.width + 1) row += ' ';
            for (int layer = 1; layer <= canvas::kLayerCount; ++layer) c.layers.row(layer, r) = row;
            doc.lines.push_back(row);
        }
        display.repaint(image, c, c.height, true, colours);
    }

    void commit_and_repaint() {
        canvas::commit_layers(c, doc);
        benchmark::DoNotOptimize(display.repaint(image, c, c.height, false, colours));
    }
};

void BM_FillLargestRegion(benchmark::State& state) {
    const bool twin = state.range(1) != 0;
    Rig rig(twin, static_cast<Shape>(state.range(0)));
    const Cells k = cells_for(twin);
    bool flip = false;
    int filled = 0;
    for (auto _ : state) {
        const std::string& ground = flip ? k.b : k.a;
        filled = tools::fill(rig.c, {3, 40}, ground, flip ? k.a : k.b);
        rig.commit_and_repaint();
        flip = !flip;
    }
    state.counters["cells"] = filled;
}
BENCHMARK(BM_FillLargestRegion)
    ->ArgNames({"many_runs", "double_byte"})
    ->ArgsProduct({{kOneRunPerRow, kManyRuns}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The fill alone, without commit and repaint.
void BM_FillCore(benchmark::State& state) {
    const bool twin = state.range(1) != 0;
    Rig rig(twin, static_cast<Shape>(state.range(0)));
    const Cells k = cells_for(twin);
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tools::fill(rig.c, {3, 40}, flip ? k.b : k.a, flip ? k.a : k.b));
        flip = !flip;
    }
}
BENCHMARK(BM_FillCore)
    ->ArgNames({"many_runs", "double_byte"})
    ->ArgsProduct({{kOneRunPerRow, kManyRuns}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_ReplaceAllFullCanvas(benchmark::State& state) {
    const bool twin = state.range(0) != 0;
    Rig rig(twin, kOneRunPerRow);
    const Cells k = cells_for(twin);
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tools::replace_all(rig.c, flip ? k.b : k.a, flip ? k.a : k.b));
        rig.commit_and_repaint();
        flip = !flip;
    }
}
BENCHMARK(BM_ReplaceAllFullCanvas)
    ->ArgName("double_byte")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// One step of the gun at a new cell, every step with a refill: the feed is left with 2 bytes
// before each step. Then the pen is laid and its row repainted.
void BM_GunStepWithRefill(benchmark::State& state) {
    const bool twin = state.range(0) != 0;
    Rig rig(twin, kOneRunPerRow);
    std::vector<std::string> article;
    for (int i = 0; i < 60; ++i)
        article.push_back("\xCE\xC4\xD7\xD6\xBB\xFA\xC7\xB9 text gun, line " + std::to_string(i) +
                          " \xD6\xD0\xCE\xC4\xB5\xC4\xCE\xC4\xD5\xC2\xA1\xA3");
    tools::GunFeed feed;
    tools::load_feed(feed, article, twin);
    int x = 1;
    for (auto _ : state) {
        feed.front = feed.bytes.size() - 2;
        const auto pen = tools::advance_gun(feed, article, twin);
        x = x % 100 + 1;
        tools::freehand_cell(rig.c, {x, 40}, pen ? *pen : std::string("#"));
        benchmark::DoNotOptimize(
            rig.display.repaint(rig.image, rig.c, rig.c.height, false, rig.colours));
    }
}
BENCHMARK(BM_GunStepWithRefill)
    ->ArgName("double_byte")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
