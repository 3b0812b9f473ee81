// Load window then store window with no row changed gives the document back unchanged, for any
// lines, canvas heights, scroll positions, modes and trim settings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "canvas/canvas_state.h"
#include "canvas/canvas_window.h"
#include "document/document.h"
#include "fuzz_check.h"

using namespace quillo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    auto c = std::make_unique<canvas::CanvasState>();
    c->height = in.ConsumeIntegralInRange(1, canvas::kMaxRows);
    c->width = in.ConsumeIntegralInRange(1, canvas::kMaxRowBytes);
    c->double_byte = in.ConsumeBool();
    c->blank_out = in.ConsumeBool();
    const int extra = in.ConsumeIntegralInRange(0, 100);
    document::Document doc;
    const int line_count = in.ConsumeIntegralInRange(1, 200);
    for (int i = 0; i < line_count && in.remaining_bytes() > 0; ++i) {
        // Mostly short lines, some beyond the 255 bytes a row holds.
        const std::size_t max = in.ConsumeBool() ? 600 : 40;
        doc.lines.push_back(in.ConsumeRandomLengthString(max));
    }
    if (doc.lines.empty()) doc.lines.emplace_back();
    const int p = in.ConsumeIntegralInRange(1, doc.line_count() + extra);
    const document::Document before = doc;

    canvas::load_window(*c, doc, p);
    FUZZ_CHECK(c->width >= 1 && c->width <= canvas::kMaxRowBytes);
    for (int r = 1; r <= c->height; ++r)
        FUZZ_CHECK(c->layers.row(canvas::kCommitted, r).size() <= canvas::kMaxRowBytes);
    canvas::store_window(*c, doc, p);
    FUZZ_CHECK(doc.lines == before.lines);

    // A second round from the stored document is the same again.
    canvas::load_window(*c, doc, p);
    canvas::store_window(*c, doc, p);
    FUZZ_CHECK(doc.lines == before.lines);
    return 0;
}
