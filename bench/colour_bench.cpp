// Colour hot paths: a full repaint with colour runs over every cell, and reading and writing a
// colour file of 80 x 255 records.
#include <benchmark/benchmark.h>

#include <string>

#include "canvas/canvas_state.h"
#include "canvas/display.h"
#include "document/colour_file.h"
#include "document/colour_layer.h"
#include "platform/raster.h"

namespace {

using namespace quillo;

constexpr int kRows = 80;
constexpr int kWidth = 255;

void fill_text(canvas::CanvasState& c, bool double_byte) {
    c.width = kWidth;
    c.height = kRows;
    c.double_byte = double_byte;
    for (int r = 1; r <= kRows; ++r) {
        std::string row;
        while (row.size() < 256)
            row += double_byte ? "\xD6\xD0"
                                 "ab"
                               : "ab\xD6\xD0"
                                 "xy";
        row.resize(256);
        c.layers.row(canvas::kWorking, r) = row;
    }
}

// Every cell coloured, runs of `run` cells alternating between two colour pairs.
void colour_all(document::ColourGrid& grid, int run) {
    const document::ColourCell a{true, true, 0x0000FF, 0xFFFF00};
    const document::ColourCell b{true, true, 0x00FF00, 0x800080};
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= document::kColourCells; ++c)
            grid.set(r, c, ((c - 1) / run + r) % 2 ? a : b);
}

void BM_RepaintColourRuns(benchmark::State& state) {
    const bool double_byte = state.range(0) != 0;
    const int run = static_cast<int>(state.range(1));
    canvas::CanvasState c;
    fill_text(c, double_byte);
    document::ColourGrid grid;
    colour_all(grid, run);
    platform::Raster image(canvas::kImageSize, canvas::kImageSize);
    canvas::Display display;
    const canvas::ColourPass pass{&grid, true, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(display.repaint(image, c, kRows, true, {0, 0xD4D0C8}, pass));
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(double_byte ? "double-byte" : "single-byte") + ", runs of " +
                   std::to_string(run));
}
BENCHMARK(BM_RepaintColourRuns)
    ->Args({0, 1})
    ->Args({0, 4})
    ->Args({0, 16})
    ->Args({1, 1})
    ->Args({1, 4})
    ->Unit(benchmark::kMicrosecond);

// Nothing changed since the last paint: the cache answers.
void BM_RepaintColourUnchanged(benchmark::State& state) {
    canvas::CanvasState c;
    fill_text(c, false);
    document::ColourGrid grid;
    colour_all(grid, 4);
    platform::Raster image(canvas::kImageSize, canvas::kImageSize);
    canvas::Display display;
    const canvas::ColourPass pass{&grid, true, 0};
    display.repaint(image, c, kRows, true, {0, 0xD4D0C8}, pass);
    for (auto _ : state)
        benchmark::DoNotOptimize(display.repaint(image, c, kRows, false, {0, 0xD4D0C8}, pass));
}
BENCHMARK(BM_RepaintColourUnchanged)->Unit(benchmark::kMicrosecond);

document::ColourGrid mixed_grid() {
    document::ColourGrid grid;
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kWidth; ++c) {
            const int k = (r * 7 + c) % 4;
            grid.set(r, c,
                     {k == 1 || k == 3, k == 2 || k == 3, 0x123456 + c,
                      static_cast<platform::WinColour>(0x8000000F)});
        }
    return grid;
}

void BM_WriteColourFile(benchmark::State& state) {
    const auto grid = mixed_grid();
    for (auto _ : state) {
        auto bytes = document::format_colour_file(grid, kRows, kWidth, false, 0, -2147483633);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_WriteColourFile)->Unit(benchmark::kMicrosecond);

void BM_ReadColourFile(benchmark::State& state) {
    const auto bytes =
        document::format_colour_file(mixed_grid(), kRows, kWidth, false, 0, -2147483633);
    document::ColourGrid grid;
    for (auto _ : state) {
        auto result = document::read_colour_file_bytes(bytes, grid, false, {});
        benchmark::DoNotOptimize(result.labels_read);
    }
}
BENCHMARK(BM_ReadColourFile)->Unit(benchmark::kMicrosecond);

// The same through the file system.
void BM_WriteReadColourFileOnDisk(benchmark::State& state) {
    const auto grid = mixed_grid();
    const auto path = std::filesystem::temp_directory_path() / "quillo_colour_bench.txt.clo";
    document::ColourGrid back;
    for (auto _ : state) {
        document::write_colour_file(path, grid, kRows, kWidth, false, 0, -2147483633);
        auto result = document::read_colour_file(path, back, false, {});
        benchmark::DoNotOptimize(result.labels_read);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteReadColourFileOnDisk)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
