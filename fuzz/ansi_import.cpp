// ANSI import: any bytes give at most 80 rows of at most 255 bytes and a colour layer that fits
// the selection buffer.
#include "document/ansi_import.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"

using namespace quillo::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool double_byte = in.ConsumeBool();
    const int canvas_width = in.ConsumeIntegralInRange(1, 255);
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    const AnsiImport a = import_ansi(bytes, double_byte, canvas_width);

    FUZZ_CHECK(a.rows.size() <= static_cast<std::size_t>(kAnsiMaxRows));
    FUZZ_CHECK(a.cells.size() <= static_cast<std::size_t>(kAnsiMaxRows));
    for (const auto& row : a.rows) FUZZ_CHECK(row.size() <= 255);
    for (const auto& row : a.cells)
        FUZZ_CHECK(row.size() <= static_cast<std::size_t>(kAnsiMaxCells));
    FUZZ_CHECK(a.longest >= 0);
    FUZZ_CHECK(a.right >= 0 && a.right <= kAnsiMaxCells);
    FUZZ_CHECK(a.lines_left_out >= 0 && a.cut_rows >= 0 && a.bytes_left_out >= 0);
    if (!a.error) {
        FUZZ_CHECK(a.bottom == static_cast<int>(a.rows.size()));
        FUZZ_CHECK(a.cut_rows <= a.bottom);
        FUZZ_CHECK(a.bytes_left_out <= static_cast<long long>(size));
    }
    return 0;
}
