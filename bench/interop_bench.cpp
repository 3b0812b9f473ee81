// UTF-8 open and save of a 10 MB document, PNG export of the full canvas, and a repaint of the
// canvas view at zoom 2 (the raster painted, then scaled for the screen).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "canvas/canvas_state.h"
#include "canvas/constants.h"
#include "canvas/display.h"
#include "document/save_file.h"
#include "document/text_file.h"
#include "interop/canvas_picture.h"
#include "interop/canvas_zoom.h"
#include "interop/utf8_text.h"
#include "platform/raster.h"

namespace {

namespace fs = std::filesystem;
using namespace quillo;

// About 10 MB of GBK text art: full-width characters, ASCII and blanks, lines of 80-118 bytes.
const std::vector<std::string>& gbk_document() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> v;
        std::mt19937 gen(11);
        std::uniform_int_distribution<int> kind(0, 9), lead(0xB0, 0xD7), trail(0xA1, 0xFE),
            ascii(0x21, 0x7E), len(80, 118);
        std::size_t total = 0;
        while (total < 10'000'000) {
            std::string line;
            const int n = len(gen);
            while (static_cast<int>(line.size()) < n) {
                const int k = kind(gen);
                if (k < 5) {
                    line.push_back(static_cast<char>(lead(gen)));
                    line.push_back(static_cast<char>(trail(gen)));
                } else {
                    line.push_back(k < 8 ? static_cast<char>(ascii(gen)) : ' ');
                }
            }
            total += line.size() + 2;
            v.push_back(std::move(line));
        }
        return v;
    }();
    return lines;
}

struct BenchFolder {
    fs::path dir =
        fs::temp_directory_path() / ("quillo_interop_bench_" + std::to_string(::getpid()));
    BenchFolder() { fs::create_directories(dir); }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};
const BenchFolder& folder() {
    static const BenchFolder f;
    return f;
}

// A UTF-8 file of 10 MB: the GBK document converted, cut at a line end near 10 000 000 bytes.
const fs::path& utf8_file() {
    static const fs::path p = [] {
        std::string bytes = interop::write_utf8_text(gbk_document(), "\r\n").bytes;
        bytes.resize(bytes.rfind("\r\n", 10'000'000) + 2);
        const fs::path f = folder().dir / "utf8.txt";
        document::write_file_atomically(f, bytes);
        return f;
    }();
    return p;
}

void BM_Utf8Open10MB(benchmark::State& state) {
    const fs::path& f = utf8_file();
    for (auto _ : state) {
        const std::string bytes = document::read_file_bytes(f);
        auto reading = interop::read_utf8_text(bytes);
        benchmark::DoNotOptimize(reading.lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(f)));
}
BENCHMARK(BM_Utf8Open10MB)->Unit(benchmark::kMillisecond);

void BM_Utf8Save10MB(benchmark::State& state) {
    const auto& lines = gbk_document();
    const fs::path f = folder().dir / "copy.txt";
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const auto copy = interop::write_utf8_text(lines, "\r\n");
        document::write_file_atomically(f, copy.bytes);
        bytes += static_cast<std::int64_t>(copy.bytes.size());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Utf8Save10MB)->Unit(benchmark::kMillisecond);

// 255 bytes of half-width text, full-width pairs and blanks.
std::string art_row(int r) {
    std::string row;
    if (r % 2) row += '/';
    while (row.size() < 255)
        row +=
            "\xD6\xD0\xCE\xC4"
            "ab#\xB0\xA1 ";
    row.resize(255);
    return row;
}

// The canvas as large as it gets (80 rows of 255 bytes), painted with some colour runs.
struct PaintedCanvas {
    platform::Raster image{canvas::kImageSize, canvas::kImageSize};
    canvas::CanvasState c;
    document::ColourGrid layer;
    canvas::Display display;
    canvas::DisplayColours colours{0x000000, 0xD4D0C8};
    explicit PaintedCanvas(int rows = canvas::kMaxRows, int width = canvas::kMaxRowBytes) {
        c.height = rows;
        c.width = width;
        for (int r = 1; r <= rows; ++r) c.layers.row(canvas::kWorking, r) = art_row(r);
        for (int r = 1; r <= rows; r += 3)
            for (int cell = 5; cell <= 40; ++cell)
                layer.set(r, cell, {true, true, 0x0000FF + r, 0x00FF00});
        paint();
    }
    canvas::Damage paint() {
        return display.repaint(image, c, c.height, true, colours,
                               canvas::ColourPass{&layer, true, 0});
    }
};

void BM_PngFullCanvas(benchmark::State& state) {
    static const PaintedCanvas canvas;
    const auto picture = interop::canvas_picture(canvas.image, canvas.c.width, canvas.c.height);
    const int scale = static_cast<int>(state.range(0));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string png = interop::picture_png(picture, scale);
        size = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["png_kB"] = static_cast<double>(size) / 1024;
    state.counters["pixels"] = static_cast<double>(picture.width) * picture.height * scale * scale;
}
BENCHMARK(BM_PngFullCanvas)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// A forced repaint of the canvas and the scaling of what the view shows at zoom 2: the canvas a
// 1920 x 1080 screen holds at that factor (118 columns, 33 rows), and the largest canvas whole.
void BM_RepaintAtZoom2(benchmark::State& state) {
    const bool largest = state.range(0) != 0;
    PaintedCanvas canvas = largest ? PaintedCanvas() : PaintedCanvas(33, 118);
    const int w = std::min(canvas.c.width * canvas::kHalfWidth, canvas.image.width());
    const int h = canvas.c.height * canvas::kRowPitch;
    std::vector<std::uint32_t> screen(std::size_t(w) * 2 * std::size_t(h) * 2);
    for (auto _ : state) {
        auto damage = canvas.paint();
        interop::scale_pixels(canvas.image.scan_line(0), canvas.image.width(), w, h, 2,
                              screen.data(), w * 2);
        benchmark::DoNotOptimize(damage);
        benchmark::DoNotOptimize(screen.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintAtZoom2)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
