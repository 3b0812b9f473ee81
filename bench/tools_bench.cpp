// One mouse-move step of each shape tool on the largest canvas: reset the working layer, lay the
// largest figure, repaint the changed rows into the canvas image. And the random scatter.
#include <benchmark/benchmark.h>

#include <string>

#include "canvas/canvas_window.h"
#include "canvas/display.h"
#include "platform/random.h"
#include "platform/raster.h"
#include "tools/points.h"
#include "tools/shapes.h"

namespace {

using namespace quillo;

canvas::CanvasState largest_canvas(bool double_byte) {
    canvas::CanvasState c;
    c.width = canvas::kMaxRowBytes;
    c.height = canvas::kMaxRows;
    c.double_byte = double_byte;
    for (int r = 1; r <= c.height; ++r) {
        std::string row;
        while (row.size() < static_cast<std::size_t>(c.width + 1)) row += r % 2 ? "ab" : "\xD6\xD0";
        row.resize(static_cast<std::size_t>(c.width));
        row += ' ';
        c.layers.row(canvas::kCommitted, r) = row;
        c.layers.row(canvas::kWorking, r) = row;
    }
    return c;
}

enum Shape { kLine, kRectangle, kCircle };

void BM_ShapeMoveStep(benchmark::State& state) {
    const auto shape = static_cast<Shape>(state.range(0));
    const bool double_byte = state.range(1) != 0;
    auto c = largest_canvas(double_byte);
    platform::Raster image(canvas::kImageSize, canvas::kImageSize);
    canvas::Display display;
    const canvas::DisplayColours colours;
    display.repaint(image, c, c.height, true, colours);
    const int right = tools::last_column(c);
    const std::string pen = double_byte ? "\xA1\xF6" : "#";
    int flip = 0;
    for (auto _ : state) {
        // The pointer steps between two neighbouring cells, so every step changes the figure.
        flip ^= 1;
        const tools::Cell end{right - flip, c.height - flip};
        switch (shape) {
            case kLine:
                tools::line(c, {1, 1}, end, pen);
                break;
            case kRectangle:
                tools::rectangle(c, {1, 1}, end, pen);
                break;
            case kCircle:
                // Centred mid-canvas and reaching past every edge: the most cells a circle lays.
                tools::circle(c, {right / 2, c.height / 2}, {right / 2, c.height - 4 * flip}, 2.0,
                              pen);
                break;
        }
        benchmark::DoNotOptimize(display.repaint(image, c, c.height, false, colours));
    }
}
BENCHMARK(BM_ShapeMoveStep)
    ->ArgNames({"shape", "double_byte"})
    ->ArgsProduct({{kLine, kRectangle, kCircle}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_RandomScatter10000(benchmark::State& state) {
    auto c = largest_canvas(state.range(0) != 0);
    platform::Random rng(1);
    for (auto _ : state) {
        tools::random_scatter(c, c.height, c.width, 10000, "\xA1\xF6", c.double_byte, rng);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_RandomScatter10000)
    ->ArgName("double_byte")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
