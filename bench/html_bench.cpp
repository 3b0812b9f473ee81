// HTML export: the full multicolour page of the largest canvas (80 rows x 150 cells, every cell
// its own text and background colour), body built, page assembled and written to a file.
// Goal: under 5 ms to the written file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "document/colour_layer.h"
#include "output/html_export.h"

namespace {

using namespace quillo;

constexpr int kRows = 80;
constexpr int kCells = 150;

struct Work {
    document::ColourGrid grid;
    std::vector<std::string> rows;
    Work() {
        for (int r = 1; r <= kRows; ++r) {
            std::string row;
            for (int c = 1; c <= kCells; ++c) {
                row.push_back("ab <&\"xy"[(r + c) % 8]);
                grid.set(r, c, document::ColourCell{true, true, r * 256 + c, (c << 16) | r});
            }
            rows.push_back(row);
        }
    }
};

std::string export_page(const Work& w) {
    output::PopMemoInput in;
    in.rows = w.rows;
    in.colours = &w.grid;
    in.width = kCells;
    in.height = kRows;
    in.multicolour = true;
    in.canvas_text = platform::kClBlack;
    in.canvas_back = platform::kClWhite;
    const std::string text_hex = output::html_color(in.canvas_text);
    const std::string back_hex = output::html_color(in.canvas_back);
    in.text_hex = text_hex;
    in.back_hex = back_hex;
    const output::PopMemo memo = output::convert_to_pop_memo(in);
    output::FullPageInput page;
    page.title = "bench";
    page.table_width = output::drawing_table_width(kCells * 8);
    page.canvas_text = in.canvas_text;
    page.canvas_back = in.canvas_back;
    page.body = memo.lines;
    return output::full_page(page);
}

void BM_FullMulticolourPage(benchmark::State& state) {
    const Work w;
    for (auto _ : state) {
        std::string page = export_page(w);
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_bytes"] = double(export_page(w).size());
}
BENCHMARK(BM_FullMulticolourPage)->Unit(benchmark::kMillisecond);

void BM_FullMulticolourPageToFile(benchmark::State& state) {
    const Work w;
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillo_html_bench_" + std::to_string(::getpid()) + ".htm");
    for (auto _ : state) {
        const std::string page = export_page(w);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(page.data(), 1, page.size(), f) != page.size()) {
            if (f) std::fclose(f);
            state.SkipWithError("cannot write the page");
            break;
        }
        std::fclose(f);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_FullMulticolourPageToFile)->Unit(benchmark::kMillisecond);

}  // namespace
