#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "document/save_file.h"
#include "document/text_file.h"

namespace {

namespace fs = std::filesystem;
using namespace quillo::document;

// 100 000 lines of about 100 bytes of text art: full-width characters, ASCII and padding.
const std::vector<std::string>& big_document() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> v;
        v.reserve(100000);
        std::mt19937 gen(7);
        std::uniform_int_distribution<int> kind(0, 9), lead(0xB0, 0xD7), trail(0xA1, 0xFE),
            ascii(0x21, 0x7E), len(80, 118);
        for (int i = 0; i < 100000; ++i) {
            std::string line;
            const int n = len(gen);
            while (static_cast<int>(line.size()) < n) {
                const int k = kind(gen);
                if (k < 5) {
                    line.push_back(static_cast<char>(lead(gen)));
                    line.push_back(static_cast<char>(trail(gen)));
                } else if (k < 8) {
                    line.push_back(static_cast<char>(ascii(gen)));
                } else {
                    line.push_back(' ');
                }
            }
            v.push_back(std::move(line));
        }
        return v;
    }();
    return lines;
}

// The document on disk, in a folder removed when the program ends.
struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / ("quillo_bench_" + std::to_string(::getpid()));
    BenchFolder() { fs::create_directories(dir); }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

fs::path bench_file() {
    static const BenchFolder folder;
    static const fs::path f = [] {
        const fs::path p = folder.dir / "big.txt";
        save_document(p, big_document(), false, false);
        return p;
    }();
    return f;
}

void BM_OpenDocument(benchmark::State& state) {
    const fs::path f = bench_file();
    for (auto _ : state) {
        TextFileContents c = read_text_file(f);
        benchmark::DoNotOptimize(c.lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(f)));
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

void BM_SaveDocument(benchmark::State& state) {
    const fs::path f = bench_file();
    const bool blank_out = state.range(0) != 0;
    for (auto _ : state) save_document(f, big_document(), blank_out, false);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(f)));
}
BENCHMARK(BM_SaveDocument)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ask-to-save on an unchanged document: the whole text is compared.
void BM_ChangeTest(benchmark::State& state) {
    const auto& lines = big_document();
    SavedLines saved;
    saved.remember(lines);
    for (auto _ : state) benchmark::DoNotOptimize(saved.differs(lines));
}
BENCHMARK(BM_ChangeTest)->Unit(benchmark::kMillisecond);

void BM_RememberSavedLines(benchmark::State& state) {
    const auto& lines = big_document();
    SavedLines saved;
    for (auto _ : state) saved.remember(lines);
}
BENCHMARK(BM_RememberSavedLines)->Unit(benchmark::kMillisecond);

}  // namespace
