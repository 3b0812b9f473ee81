// Whole-canvas transforms on the largest canvas (80 rows of 255 bytes) as the window runs them:
// transform, commit into the document, repaint of the changed rows. And the floating selection's
// clipboard work on the largest block: paste (with the overlay drawn), copy, and a paste that
// reads from a 10 MB clipboard.
#include <benchmark/benchmark.h>

#include <string>

#include "canvas/canvas_window.h"
#include "canvas/display.h"
#include "document/clipboard_ops.h"
#include "platform/gbk.h"
#include "platform/raster.h"
#include "textops/canvas_transforms.h"
#include "tools/selection.h"

namespace {

using namespace quillo;

// 255 bytes of half-width text and aligned full-width characters, different on every row.
std::string mixed_row(int r) {
    std::string row;
    while (row.size() < 255) {
        row += static_cast<char>('a' + r % 26);
        row += "b\xD6\xD0\xCE\xC4#.\xB0\xA1";
    }
    row.resize(255);
    return row;
}

struct FullCanvas {
    canvas::CanvasState c;
    document::Document doc;
    platform::Raster image{canvas::kImageSize, canvas::kImageSize};
    canvas::Display display;
    canvas::DisplayColours colours{0x000000, 0xD4D0C8};

    explicit FullCanvas(bool double_byte) {
        c.height = canvas::kMaxRows;
        c.width = canvas::kMaxRowBytes;
        c.scroll = c.height;
        c.double_byte = double_byte;
        for (int r = 0; r < c.height; ++r) doc.lines.push_back(mixed_row(r));
        canvas::load_window(c, doc, c.scroll);
        canvas::copy_layer(c, canvas::kCommitted, canvas::kWorking);
        canvas::copy_layer(c, canvas::kCommitted, canvas::kUndo);
        display.repaint(image, c, c.height, true, colours);
    }
};

// Arg 0: the transform's Tag (1 rear turn, 2 left-right, 3 front turn, 4 top-bottom); arg 1:
// double-byte mode. Every run changes every row, so every row is repainted.
void BM_TransformCommitRepaint(benchmark::State& state) {
    FullCanvas f(state.range(1) != 0);
    const auto transform = textops::transform_for_tag(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        textops::apply_transform(f.c, transform, f.c.height);
        canvas::commit_layers(f.c, f.doc);
        auto damage = f.display.repaint(f.image, f.c, f.c.height, false, f.colours);
        benchmark::DoNotOptimize(damage);
    }
}
BENCHMARK(BM_TransformCommitRepaint)
    ->ArgsProduct({{1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The fill alternates two pens so that every run repaints every row.
void BM_FillRepaint(benchmark::State& state) {
    FullCanvas f(state.range(0) != 0);
    int flip = 0;
    for (auto _ : state) {
        flip ^= 1;
        textops::fill_with_pen(f.c, flip ? "\xA1\xF6" : "#");
        auto damage = f.display.repaint(f.image, f.c, f.c.height, false, f.colours);
        benchmark::DoNotOptimize(damage);
    }
}
BENCHMARK(BM_FillRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The clipboard as another program leaves it: 80 lines of mixed text, UTF-8.
std::string clipboard_lines(int lines) {
    std::string gbk;
    for (int r = 0; r < lines; ++r) gbk += mixed_row(r) + "\r\n";
    return platform::gbk_to_utf8(gbk);
}

// Arg 0: word wrap; arg 1: double-byte mode. The largest block: 80 rows, 254 or 255 bytes.
void BM_PasteFullBlockWithOverlay(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    const bool twin = state.range(1) != 0;
    canvas::CanvasState c;
    c.double_byte = twin;
    const int cells = twin ? 127 : 255;
    const int w = document::block_bytes(cells, twin);
    const std::string clipboard = clipboard_lines(canvas::kMaxRows);
    platform::Raster overlay(cells * tools::cell_pitch(twin), canvas::kMaxRows * 16);
    document::ColourGrid colours;
    for (auto _ : state) {
        auto result = document::paste_block(c, clipboard, canvas::kMaxRows, w, wrap);
        tools::draw_overlay(overlay, c, colours, canvas::kMaxRows, cells, twin, false, 0, 0xD4D0C8);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PasteFullBlockWithOverlay)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_CopyFullBlock(benchmark::State& state) {
    canvas::CanvasState c;
    for (int r = 1; r <= canvas::kMaxRows; ++r) c.layers.row(canvas::kSelection, r) = mixed_row(r);
    for (auto _ : state) {
        auto text = platform::gbk_to_utf8(document::block_text(c, canvas::kMaxRows));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_CopyFullBlock)->Unit(benchmark::kMicrosecond);

// A 10 MB clipboard: only the lines the block shows are read.
void BM_PasteFromTenMegabytes(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    canvas::CanvasState c;
    c.double_byte = true;
    std::string clipboard = clipboard_lines(canvas::kMaxRows);
    while (clipboard.size() < (10u << 20)) clipboard += clipboard;
    for (auto _ : state) {
        auto result = document::paste_block(c, clipboard, canvas::kMaxRows, 254, wrap);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PasteFromTenMegabytes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
