#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "platform/gbk.h"

namespace {

using namespace quillo::platform;

// 10 MB of text art: mostly full-width characters and ASCII, with a few stray bytes.
const std::string& mixed_gbk() {
    static const std::string text = [] {
        std::string s;
        s.reserve(10 << 20);
        std::mt19937 gen(1);
        std::uniform_int_distribution<int> kind(0, 99), lead(0xB0, 0xD7), trail(0xA1, 0xFE),
            ascii(0x20, 0x7E), high(0x80, 0xFF);
        while (s.size() < (10u << 20)) {
            int k = kind(gen);
            if (k < 60) {
                s.push_back(static_cast<char>(lead(gen)));
                s.push_back(static_cast<char>(trail(gen)));
            } else if (k < 98) {
                s.push_back(static_cast<char>(ascii(gen)));
            } else {
                s.push_back(static_cast<char>(high(gen)));
            }
        }
        return s;
    }();
    return text;
}

void BM_GbkToUtf16(benchmark::State& state) {
    const std::string& in = mixed_gbk();
    for (auto _ : state) benchmark::DoNotOptimize(gbk_to_utf16(in));
    state.SetBytesProcessed(state.iterations() * in.size());
}
BENCHMARK(BM_GbkToUtf16)->Unit(benchmark::kMillisecond);

void BM_Utf16ToGbk(benchmark::State& state) {
    const std::u16string in = gbk_to_utf16(mixed_gbk());
    for (auto _ : state) benchmark::DoNotOptimize(utf16_to_gbk(in));
    state.SetBytesProcessed(state.iterations() * mixed_gbk().size());
}
BENCHMARK(BM_Utf16ToGbk)->Unit(benchmark::kMillisecond);

void BM_GbkToUtf8(benchmark::State& state) {
    const std::string& in = mixed_gbk();
    for (auto _ : state) benchmark::DoNotOptimize(gbk_to_utf8(in));
    state.SetBytesProcessed(state.iterations() * in.size());
}
BENCHMARK(BM_GbkToUtf8)->Unit(benchmark::kMillisecond);

void BM_Utf8ToGbk(benchmark::State& state) {
    const std::string in = gbk_to_utf8(mixed_gbk());
    for (auto _ : state) benchmark::DoNotOptimize(utf8_to_gbk(in));
    state.SetBytesProcessed(state.iterations() * mixed_gbk().size());
}
BENCHMARK(BM_Utf8ToGbk)->Unit(benchmark::kMillisecond);

}  // namespace
