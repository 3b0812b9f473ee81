// Colour files: any bytes read without fault; a grid written and read back gives the same cells,
// sizes, mode and chosen colours.
#include "document/colour_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"

using namespace quillo::document;

namespace {

// Grids are large: they are made once and reset by copying, which is far cheaper under ASan
// than a fresh allocation every run.
const ColourGrid& blank() {
    static const ColourGrid g;
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ColourGrid grid, back, again;
    grid = blank();
    back = blank();
    FuzzedDataProvider in(data, size);
    const bool double_byte = in.ConsumeBool();
    const bool answer = in.ConsumeBool();

    // Half of the runs read the rest as a colour file, the other half build a grid from it.
    if (in.ConsumeBool()) {
        const std::string bytes = in.ConsumeRemainingBytesAsString();
        bool asked = false;
        try {
            const auto r = read_colour_file_bytes(bytes, grid, double_byte, [&](bool to_double) {
                FUZZ_CHECK(to_double != double_byte);
                asked = true;
                return answer;
            });
            FUZZ_CHECK(r.mode_switched == (asked && answer));
            FUZZ_CHECK(!r.records_read || r.header_read);
            FUZZ_CHECK(r.labels_read == r.records_read);
            // Cells outside R x C are not touched.
            if (r.rows >= 0 && r.rows < kColourRows)
                for (int c = 1; c <= kColourCells; ++c)
                    FUZZ_CHECK(grid.cell(r.rows + 1, c) == ColourCell{});
            if (r.cells >= 0 && r.cells < kColourCells)
                for (int row = 1; row <= kColourRows; ++row)
                    FUZZ_CHECK(grid.cell(row, r.cells + 1) == ColourCell{});
        } catch (const quillo::platform::ConversionError&) {
        }
        return 0;
    }

    // Mostly small files (a full layer takes 20 000 records), sometimes one at the layer's edge.
    int rows = in.ConsumeIntegralInRange(0, 12);
    if (rows > 8) rows += kColourRows - 11;
    int cells = in.ConsumeIntegralInRange(0, 12);
    if (cells > 8) cells += kColourCells - 11;
    const auto chosen_text = in.ConsumeIntegral<std::int32_t>();
    const auto chosen_back = in.ConsumeIntegral<std::int32_t>();
    while (in.remaining_bytes() > 0) {
        const int row = in.ConsumeIntegralInRange(0, kColourRows + 1);
        const int c = in.ConsumeIntegralInRange(0, kColourCells + 1);
        ColourCell cell;
        cell.text_set = in.ConsumeBool();
        cell.back_set = in.ConsumeBool();
        cell.text = in.ConsumeIntegral<std::int32_t>();
        cell.back = in.ConsumeIntegral<std::int32_t>();
        grid.set(row, c, cell);
    }
    const std::string file =
        format_colour_file(grid, rows, cells, double_byte, chosen_text, chosen_back);

    const auto r = read_colour_file_bytes(file, back, double_byte, [](bool) {
        FUZZ_CHECK(!"no question when the modes agree");
        return false;
    });
    FUZZ_CHECK(r.header_read && r.records_read && r.labels_read);
    FUZZ_CHECK(r.rows == rows && r.cells == cells);
    FUZZ_CHECK(r.file_mode == (double_byte ? 2 : 1));
    FUZZ_CHECK(r.chosen_text == chosen_text && r.chosen_back == chosen_back);
    for (int row = 1; row <= std::min(rows + 1, kColourRows); ++row) {
        for (int c = 1; c <= std::min(cells + 1, kColourCells); ++c) {
            const ColourCell& want = grid.cell(row, c);
            const ColourCell& got = back.cell(row, c);
            if (row > rows || c > cells) {
                FUZZ_CHECK(got == ColourCell{});
                continue;
            }
            FUZZ_CHECK(got.text_set == want.text_set && got.back_set == want.back_set);
            if (want.text_set) FUZZ_CHECK(got.text == want.text);
            if (want.back_set) FUZZ_CHECK(got.back == want.back);
        }
    }
    // Reading again over the filled grid changes nothing.
    again = back;
    read_colour_file_bytes(file, again, double_byte, {});
    for (int row = 1; row <= std::min(rows, kColourRows); ++row)
        for (int c = 1; c <= std::min(cells, kColourCells); ++c)
            FUZZ_CHECK(again.cell(row, c) == back.cell(row, c));
    return 0;
}
