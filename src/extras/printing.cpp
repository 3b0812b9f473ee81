#include "extras/printing.h"

#include <algorithm>
#include <cmath>

#include "document/colour_runs.h"
#include "platform/gbk.h"

namespace quillo::extras {

namespace {

// Bytes of the character that starts at `pos`: 2 for a GBK pair, else 1.
int char_bytes(std::string_view line, std::size_t pos) {
    const auto b = static_cast<unsigned char>(line[pos]);
    if (b < 0x80 || pos + 1 >= line.size()) return 1;
    return platform::gbk_pair_to_unicode(b, static_cast<unsigned char>(line[pos + 1])) != 0 ? 2 : 1;
}

// Where a printed line that starts at `begin` ends: as many whole characters as fit in `room`
// bytes, at least one, and no further than `extent` (the last character may reach past it).
int cut_at(std::string_view line, int begin, int room, int extent) {
    const int limit = std::min(extent, begin + room);
    int pos = begin;
    while (pos < limit) {
        const int n = char_bytes(line, std::size_t(pos));
        if (pos + n > limit && limit < extent && pos > begin) break;
        pos += n;
    }
    return pos;
}

}  // namespace

int line_pitch(int dpi) {
    return (16 * dpi + 50) / 100;
}

double font_pixels(int dpi) {
    return dpi * 12.0 / 72.0;
}

PrintLayout layout_print(const std::vector<std::string>& lines, const std::vector<int>& extents,
                         const PageGeometry& page) {
    PrintLayout out;
    const int dpi = std::max(1, page.dpi);
    const double width = std::max(1, page.width);
    const double height = std::max(1, page.height);
    const double em = font_pixels(dpi);

    int widest = 0;
    for (std::size_t i = 0; i < lines.size() && i < extents.size(); ++i)
        widest = std::max(widest, std::clamp(extents[i], 0, int(lines[i].size())));
    if (widest * em / 2 > width) out.scale = std::max(kMinPrintScale, width / (widest * em / 2));

    out.em = em * out.scale;
    out.column = out.em / 2;
    out.pitch = out.scale == 1.0 ? line_pitch(dpi)
                                 : std::max(1, int(std::lround(line_pitch(dpi) * out.scale)));
    // The last line on a page must show its whole height.
    out.lines_per_page = std::max(1, int(std::floor((height - out.em) / out.pitch)) + 1);
    const int room = std::max(1, int(std::floor(width / out.column + 1e-9)));

    int slot = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int extent = i < extents.size() ? std::clamp(extents[i], 0, int(line.size())) : 0;
        int begin = 0;
        do {
            const int end = cut_at(line, begin, room, extent);
            out.lines.push_back({int(i), begin, end, slot / out.lines_per_page,
                                 (slot % out.lines_per_page) * out.pitch});
            ++slot;
            begin = end;
        } while (begin < extent);
    }
    out.pages = std::max(1, (slot + out.lines_per_page - 1) / out.lines_per_page);
    return out;
}

int plain_extent(std::string_view line) {
    const std::size_t last = line.find_last_not_of(' ');
    return last == std::string_view::npos ? 0 : int(last + 1);
}

std::vector<int> plain_extents(const std::vector<std::string>& lines) {
    std::vector<int> out;
    out.reserve(lines.size());
    for (const auto& line : lines) out.push_back(plain_extent(line));
    return out;
}

std::vector<int> coloured_extents(const document::ColourGrid& layer, int cells,
                                  const std::vector<std::string>& rows, bool double_byte) {
    int widest = 0;
    std::vector<document::ColourRun> runs;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        widest = std::max(widest, plain_extent(rows[i]));
        document::colour_runs(layer, int(i) + 1, cells, rows[i], double_byte, runs);
        if (!runs.empty()) widest = std::max(widest, runs.back().byte_end);
    }
    return std::vector<int>(rows.size(), widest);
}

void print_chars(std::string_view line, int begin, int end, std::vector<PrintChar>& out) {
    out.clear();
    const int stop = std::min(end, int(line.size()));
    for (int pos = std::max(0, begin); pos < stop;) {
        const int n = char_bytes(line, std::size_t(pos));
        const auto b = static_cast<unsigned char>(line[std::size_t(pos)]);
        char32_t code = b;
        if (n == 2)
            code = platform::gbk_pair_to_unicode(b, static_cast<unsigned char>(line[pos + 1]));
        else if (b >= 0x80)
            code = U'\uFFFD';
        out.push_back({pos, code, n});
        pos += n;
    }
}

void colour_spans(const document::ColourGrid& layer, int row, int cells, std::string_view text,
                  bool double_byte, bool restore, platform::WinColour canvas_text,
                  platform::WinColour canvas_back, int begin, int end,
                  std::vector<PrintSpan>& out) {
    out.clear();
    std::vector<document::ColourRun> runs;
    document::colour_runs(layer, row, cells, text, double_byte, runs, true);
    const platform::Rgb plain_text = platform::resolve_colour(canvas_text);
    const platform::Rgb plain_back = platform::resolve_colour(canvas_back);
    int covered = begin;
    for (const auto& run : runs) {
        const int b = std::max(run.byte_begin, begin);
        const int e = std::min(run.byte_end, end);
        if (b >= e) continue;
        PrintSpan span{b, e, plain_text, true, plain_back};
        if (!restore && run.cell.text_set) span.text = platform::resolve_colour(run.cell.text);
        if (!restore && run.cell.back_set) span.back = platform::resolve_colour(run.cell.back);
        out.push_back(span);
        covered = std::max(covered, e);
    }
    // Bytes beyond the cells the colour layer reaches show in the canvas colours.
    if (covered < end) out.push_back({covered, end, plain_text, true, plain_back});
}

}  // namespace quillo::extras
