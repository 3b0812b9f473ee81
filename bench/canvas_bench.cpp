// The canvas spine's hot paths: a forced repaint of the largest canvas, load + store of a full
// window, and entering the canvas on a very long document.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "canvas/canvas_window.h"
#include "canvas/display.h"
#include "platform/raster.h"

namespace {

using namespace quillo;

// 255 bytes of half-width text, full-width pairs and a row that starts off by one byte.
std::string mixed_row(int r) {
    std::string row;
    if (r % 2) row += 'x';
    while (row.size() < 255)
        row +=
            "\xD6\xD0\xCE\xC4"
            "ab#\xB0\xA1 ";
    row.resize(255);
    return row;
}

canvas::CanvasState full_canvas() {
    canvas::CanvasState c;
    c.height = canvas::kMaxRows;
    c.width = canvas::kMaxRowBytes;
    c.scroll = c.height;
    return c;
}

document::Document document_of(int lines) {
    document::Document doc;
    doc.lines.reserve(static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i) doc.lines.push_back(mixed_row(i));
    return doc;
}

void BM_ForcedRepaintFullCanvas(benchmark::State& state) {
    platform::Raster image(canvas::kImageSize, canvas::kImageSize);
    auto c = full_canvas();
    for (int r = 1; r <= c.height; ++r) c.layers.row(canvas::kWorking, r) = mixed_row(r);
    canvas::Display display;
    const canvas::DisplayColours colours{0x000000, 0xD4D0C8};
    for (auto _ : state) {
        auto damage = display.repaint(image, c, c.height, true, colours);
        benchmark::DoNotOptimize(damage);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ForcedRepaintFullCanvas)->Unit(benchmark::kMicrosecond);

void BM_LoadAndStoreFullWindow(benchmark::State& state) {
    const bool twin = state.range(0) != 0;
    auto c = full_canvas();
    c.double_byte = twin;
    auto doc = document_of(canvas::kMaxRows);
    for (auto _ : state) {
        canvas::load_window(c, doc, c.scroll);
        canvas::store_window(c, doc, c.scroll);
        benchmark::DoNotOptimize(doc.lines.data());
    }
}
BENCHMARK(BM_LoadAndStoreFullWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EnterCanvasOnLongDocument(benchmark::State& state) {
    const auto doc = document_of(100000);
    platform::Raster image(canvas::kImageSize, canvas::kImageSize);
    canvas::Display display;
    const canvas::DisplayColours colours{0x000000, 0xD4D0C8};
    auto c = full_canvas();
    for (auto _ : state) {
        const auto range = canvas::scroll_range_for(c, doc);
        canvas::load_window(c, doc, range.position);
        c.scroll = range.position;
        canvas::copy_layer(c, canvas::kCommitted, canvas::kWorking);
        auto damage = display.repaint(image, c, c.height, true, colours);
        benchmark::DoNotOptimize(damage);
    }
}
BENCHMARK(BM_EnterCanvasOnLongDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
