// The text menu's cores: transforms of a 256-line text, blank-space commands and scrambling of a
// 10 MB document, find and replace in 10 MB.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "textops/blank_space.h"
#include "textops/reading_direction.h"
#include "textops/scramble.h"
#include "textops/text_search.h"

namespace {

using namespace quillo::textops;

// Lines of text art: full-width characters, ASCII and blanks, `marker` once per line if given.
Lines make_text(int lines, int min_len, int max_len, const std::string& marker = {}) {
    Lines v;
    v.reserve(static_cast<std::size_t>(lines));
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> kind(0, 9), lead(0xB0, 0xD7), trail(0xA1, 0xFE),
        ascii(0x21, 0x7E), len(min_len, max_len);
    for (int i = 0; i < lines; ++i) {
        std::string line;
        const int n = len(gen);
        while (static_cast<int>(line.size()) < n) {
            const int k = kind(gen);
            if (k < 5) {
                line.push_back(static_cast<char>(lead(gen)));
                line.push_back(static_cast<char>(trail(gen)));
            } else if (k < 8) {
                char c = static_cast<char>(ascii(gen));
                if (!marker.empty() && (c == marker[0] || c == marker[0] - 32)) c = '#';
                line.push_back(c);
            } else {
                line.push_back(' ');
            }
        }
        if (!marker.empty()) line.insert(line.size() / 2, " " + marker + " ");
        v.push_back(std::move(line));
    }
    return v;
}

const Lines& art256() {
    static const Lines v = make_text(256, 200, 200);
    return v;
}
// About 10 MB: 100 000 lines of about 100 bytes.
const Lines& ten_mb() {
    static const Lines v = make_text(100000, 80, 118);
    return v;
}
std::string joined(const Lines& lines) {
    std::string s;
    for (const auto& l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}
const std::string& ten_mb_text() {
    static const std::string s = joined(ten_mb());
    return s;
}
const std::string& ten_mb_with_hits() {
    static const std::string s = joined(make_text(100000, 80, 118, "qwz"));
    return s;
}

void BM_HorizontalToVertical256(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(transpose_reading(art256(), true, vertical_punctuation()));
}
BENCHMARK(BM_HorizontalToVertical256)->Unit(benchmark::kMillisecond);

void BM_VerticalToHorizontal256(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(transpose_reading(art256(), true, horizontal_punctuation()));
}
BENCHMARK(BM_VerticalToHorizontal256)->Unit(benchmark::kMillisecond);

void BM_Mirror256(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(mirror_text(art256(), false));
}
BENCHMARK(BM_Mirror256)->Unit(benchmark::kMillisecond);

void BM_AddBlankLines10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(add_blank_lines(ten_mb()));
}
BENCHMARK(BM_AddBlankLines10MB)->Unit(benchmark::kMillisecond);

void BM_AddBlankColumns10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(add_blank_columns(ten_mb(), false));
}
BENCHMARK(BM_AddBlankColumns10MB)->Unit(benchmark::kMillisecond);

void BM_RemoveBlankLines10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(remove_blank_lines(ten_mb()));
}
BENCHMARK(BM_RemoveBlankLines10MB)->Unit(benchmark::kMillisecond);

void BM_RemoveSpaces10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(remove_spaces(ten_mb()));
}
BENCHMARK(BM_RemoveSpaces10MB)->Unit(benchmark::kMillisecond);

void BM_ScrambleColumns10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(scramble_columns(ten_mb(), 1234567, true));
}
BENCHMARK(BM_ScrambleColumns10MB)->Unit(benchmark::kMillisecond);

void BM_RestoreColumns10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(restore_columns(ten_mb(), 1234567));
}
BENCHMARK(BM_RestoreColumns10MB)->Unit(benchmark::kMillisecond);

void BM_ScrambleRows10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(scramble_rows(ten_mb(), 1234567));
}
BENCHMARK(BM_ScrambleRows10MB)->Unit(benchmark::kMillisecond);

void BM_RestoreRows10MB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(restore_rows(ten_mb(), 1234567));
}
BENCHMARK(BM_RestoreRows10MB)->Unit(benchmark::kMillisecond);

// One line of 1 MB: every cell found by rank, not by erasing from the line.
void BM_ScrambleOneMegabyteLine(benchmark::State& state) {
    const std::string line = joined(make_text(10000, 100, 100));
    for (auto _ : state) benchmark::DoNotOptimize(scramble_columns(line, 1234567, true));
}
BENCHMARK(BM_ScrambleOneMegabyteLine)->Unit(benchmark::kMillisecond);

// Find next through the whole 10 MB: a word that is not there, down and up, either case.
void BM_FindNextMiss10MB(benchmark::State& state) {
    const SearchOptions options{state.range(0) != 0, state.range(1) != 0, false};
    for (auto _ : state) benchmark::DoNotOptimize(find_text(ten_mb_text(), "zqxj", options));
}
BENCHMARK(BM_FindNextMiss10MB)
    ->ArgsProduct({{1, 0}, {1, 0}})
    ->ArgNames({"down", "match_case"})
    ->Unit(benchmark::kMillisecond);

// A full-width word that is not there: every place its bytes appear inside other characters
// is looked at and turned down.
void BM_FindNextFullWidthMiss10MB(benchmark::State& state) {
    const SearchOptions options{state.range(0) != 0, false, false};
    for (auto _ : state)
        benchmark::DoNotOptimize(find_text(ten_mb_text(), "\xD7\xA1\xA1", options));
}
BENCHMARK(BM_FindNextFullWidthMiss10MB)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("down")
    ->Unit(benchmark::kMillisecond);

void BM_ReplaceAll100000Hits10MB(benchmark::State& state) {
    const SearchOptions options{true, false, state.range(0) != 0};
    std::size_t hits = 0;
    for (auto _ : state) {
        auto found = replace_all_hits(ten_mb_with_hits(), kNoHit, "qwz", options);
        hits = found.size();
        benchmark::DoNotOptimize(replace_hits(ten_mb_with_hits(), std::move(found), 3, "QWZ!"));
    }
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_ReplaceAll100000Hits10MB)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("whole_word")
    ->Unit(benchmark::kMillisecond);

}  // namespace
