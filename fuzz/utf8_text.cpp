// Reading a UTF-8 text: any bytes either name the line of their first bad byte and give nothing,
// or give GBK lines split as the document reader splits them, which a UTF-8 copy gives back
// unchanged. The lines exported as ANSI text come back through the ANSI import cell for cell.
#include "interop/utf8_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/row_text.h"
#include "document/ansi_import.h"
#include "document/document.h"
#include "fuzz_check.h"
#include "interop/ansi_export.h"
#include "interop/gbk_codes.h"
#include "platform/colours.h"
#include "platform/gbk.h"

using namespace quillo;

namespace {

int line_of(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    return line;
}

bool has_controls(const std::string& s) {
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Export the rows as ANSI text and import them again, in either byte mode.
void ansi_round_trip(const std::vector<std::string>& lines, bool double_byte) {
    std::vector<std::string> rows;
    std::size_t width = 1;
    for (const auto& l : lines) {
        rows.push_back(canvas::double_byte_normalise(l, double_byte));
        width = std::max(width, rows.back().size());
    }
    if (double_byte) width += width % 2;
    if (width > 150 || rows.size() > 80 || rows.empty()) return;
    for (auto& r : rows) r.resize(width, ' ');
    document::ColourGrid layer;
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
        for (int c = 1; c <= static_cast<int>(width); ++c)
            if ((r * 7 + c) % 5 == 0)
                layer.set(r, c,
                          {true, c % 2 == 0, static_cast<std::int32_t>(r * 40503 + c),
                           static_cast<std::int32_t>(c * 2654435761u & 0xFFFFFF)});
    interop::AnsiCanvas canvas;
    canvas.rows = rows;
    canvas.width = static_cast<int>(width);
    canvas.double_byte = double_byte;
    canvas.layer = &layer;
    canvas.multicolour = true;
    canvas.canvas_back = 0x123456;
    const interop::AnsiText text = interop::write_ansi(canvas, "\r\n");
    const interop::Utf8Reading back = interop::read_utf8_text(text.bytes);
    FUZZ_CHECK(back.bad_line == 0);
    std::string gbk;
    for (const auto& l : back.lines) gbk += l + "\r\n";
    const auto in = document::import_ansi(gbk, double_byte, static_cast<int>(width));
    FUZZ_CHECK(!in.error && in.cut_rows == 0);
    FUZZ_CHECK(in.rows == rows);
    // Every cell shows its colours, except the second cell of a full-width character in
    // single-byte mode, which takes the first one's (no escape fits inside a character).
    const std::size_t cell_bytes = double_byte ? 2 : 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        bool second_half = false;
        for (std::size_t c = 0; c < width / cell_bytes; ++c) {
            const bool skip = !double_byte && second_half;
            second_half = !double_byte && !second_half && c + 1 < width &&
                          platform::gbk_pair_to_unicode(static_cast<unsigned char>(rows[r][c]),
                                                        static_cast<unsigned char>(rows[r][c + 1]));
            if (skip) continue;
            const auto want = interop::shown_colours(canvas, int(r) + 1, int(c) + 1);
            const auto& got = in.cells[r][c];
            FUZZ_CHECK(platform::resolve_colour(got.text_colour) == want.text);
            FUZZ_CHECK(platform::resolve_colour(got.back_colour) == want.back);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const interop::Utf8Reading r = interop::read_utf8_text(bytes);
    std::string_view body = bytes;
    if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
    const std::size_t mark = bytes.size() - body.size();
    if (r.bad_line > 0) {
        FUZZ_CHECK(r.lines.empty() && r.replaced == 0);
        FUZZ_CHECK(r.bad_offset >= mark && r.bad_offset < size);
        FUZZ_CHECK(interop::first_invalid_utf8(body) == r.bad_offset - mark);
        FUZZ_CHECK(r.bad_line == line_of(body, r.bad_offset - mark));
        return 0;
    }
    FUZZ_CHECK(interop::first_invalid_utf8(body) == std::string_view::npos);
    FUZZ_CHECK(r.lines.size() == document::split_lines(body).size());
    FUZZ_CHECK((r.replaced == 0) == (r.first_replaced_line == 0));
    for (const auto& l : r.lines) {
        FUZZ_CHECK(l.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(interop::is_valid_gbk(l));
    }
    // What was read is GBK text: its UTF-8 copy reads back to the same lines.
    const interop::Utf8Writing copy = interop::write_utf8_text(r.lines, "\n");
    FUZZ_CHECK(copy.stray_bytes == 0);
    const interop::Utf8Reading again = interop::read_utf8_text(copy.bytes);
    FUZZ_CHECK(again.bad_line == 0 && again.replaced == 0 && again.lines == r.lines);

    if (std::none_of(r.lines.begin(), r.lines.end(), has_controls)) {
        ansi_round_trip(r.lines, false);
        ansi_round_trip(r.lines, true);
    }
    return 0;
}
