// A full repaint of the canvas: 80 text rows of 255 bytes into a 2000 x 2000 raster.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/raster.h"

namespace {

using quillo::platform::Raster;

std::vector<std::string> mixed_rows() {
    std::vector<std::string> rows;
    for (int r = 0; r < 80; ++r) {
        std::string row;
        // Shift the pattern per row so that pairs, halves and a cut lead byte all occur.
        if (r % 2) row += 'x';
        while (row.size() < 255)
            row +=
                "\xD6\xD0\xCE\xC4"
                "ab";
        row.resize(255);
        rows.push_back(row);
    }
    return rows;
}

void BM_FullRepaint(benchmark::State& state) {
    Raster raster(2000, 2000);
    const auto rows = mixed_rows();
    for (auto _ : state) {
        for (int r = 0; r < 80; ++r) {
            // The canvas sets the colours of every row before drawing it.
            raster.set_brush_colour(0xFFFFFF);
            raster.set_font_colour(0x000000);
            benchmark::DoNotOptimize(raster.text_out(0, r * 16, rows[r]));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 80);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// Rows alternating between two colour pairs, so the expansion table changes each row.
void BM_FullRepaintChangingColours(benchmark::State& state) {
    Raster raster(2000, 2000);
    const auto rows = mixed_rows();
    for (auto _ : state) {
        for (int r = 0; r < 80; ++r) {
            raster.set_brush_colour(r % 2 ? 0xFFFFFF : 0xD4D0C8);
            raster.set_font_colour(r % 2 ? 0x000000 : 0x0A246A);
            benchmark::DoNotOptimize(raster.text_out(0, r * 16, rows[r]));
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRepaintChangingColours)->Unit(benchmark::kMicrosecond);

}  // namespace
