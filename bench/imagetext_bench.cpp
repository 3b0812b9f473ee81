// Image to text art: converting a 255 x 80 resolution image into a page and into a block for the
// canvas (goal: under 5 ms each), shrinking a decoded photo to the largest resolution image, and
// decoding a 4000 x 3000 JPEG at full size and with DCT scaling.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/colour_layer.h"
#include "imagetext/canvas_art.h"
#include "imagetext/image_page.h"
#include "imagetext/jpeg_reader.h"
#include "imagetext/picture.h"
#include "imagetext/picture_file.h"
#include "imagetext/resolution.h"

namespace {

using namespace quillo::imagetext;

Picture gradient(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(x, y, rgb_of((x * 7) & 0xFF, (y * 11) & 0xFF, (x * y) & 0xFF));
    return p;
}

ConversionRules rules_for(Mode mode, TextSource* text) {
    ConversionRules r;
    r.mode = mode;
    r.word = WordSource::text;
    r.text = text;
    r.double_byte = true;
    r.tables.tables = {
        "\x85\x96\xC7\xB6\xC0\xC1\x82\xF7\xB8\xF2\xBF\xAD\xC0\xB4\xEA\xB9"
        "\x87\xF3\xB9\xFA\xC0\xA7\xD4\xB0\xCB\xC4\xC8\xFD\xB6\xFE\xD2\xBB",
        "@%#*+=-:. ", ""};
    return r;
}

void BM_ImagePage_255x80(benchmark::State& state) {
    const Picture p = gradient(255, 80);
    TextSource text({"Quillo <text> & art \xD6\xD0\xCE\xC4", ""});
    const ConversionRules rules = rules_for(Mode(state.range(0)), &text);
    PageOptions options;
    options.title = "title";
    for (auto _ : state) benchmark::DoNotOptimize(image_page(p, options, rules));
}
BENCHMARK(BM_ImagePage_255x80)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

void BM_CanvasArt_255x80(benchmark::State& state) {
    const Picture p = gradient(255, 80);
    TextSource text({"Quillo text art \xD6\xD0\xCE\xC4"});
    const ConversionRules rules = rules_for(Mode(state.range(0)), &text);
    quillo::document::ColourGrid colours;
    for (auto _ : state) benchmark::DoNotOptimize(canvas_art(p, rules, colours));
}
BENCHMARK(BM_CanvasArt_255x80)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

void BM_Stretch_2000x1500_To_192x144(benchmark::State& state) {
    const Picture p = gradient(2000, 1500);
    for (auto _ : state) benchmark::DoNotOptimize(stretch(p, 192, 144));
}
BENCHMARK(BM_Stretch_2000x1500_To_192x144)->Unit(benchmark::kMillisecond);

void BM_Preview_192x144(benchmark::State& state) {
    const Picture p = gradient(192, 144);
    for (auto _ : state) benchmark::DoNotOptimize(stretch(p, 192 * 8, 144 * 8));
}
BENCHMARK(BM_Preview_192x144)->Unit(benchmark::kMillisecond);

const std::string& photo() {
    static const std::string jpeg = encode_jpeg(gradient(4000, 3000), 85);
    return jpeg;
}

// 0: full size; 1: the image window's scale; 2: the batch scale for a 192 x 144 result.
void BM_DecodeJpeg_4000x3000(benchmark::State& state) {
    const std::string& jpeg = photo();
    const int min_side = state.range(0) == 0 ? 0 : state.range(0) == 1 ? kShownMinSide : 144;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            read_jpeg({reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()}, {},
                      min_side, min_side));
}
BENCHMARK(BM_DecodeJpeg_4000x3000)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
