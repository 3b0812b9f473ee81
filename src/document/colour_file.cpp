#include "document/colour_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>

#include "document/save_file.h"
#include "document/text_file.h"
#include "platform/errors.h"

namespace quillo::document {

namespace {

void append_int(std::string& out, long long v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
    out += "\r\n";
}

// Lines of the file one at a time; CR LF, lone LF and lone CR end a line.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}
    bool at_end() const { return rest_.empty(); }
    std::optional<std::string_view> next() {
        if (rest_.empty()) return std::nullopt;
        std::size_t i = 0;
        while (i < rest_.size() && rest_[i] != '\r' && rest_[i] != '\n') ++i;
        const std::string_view line = rest_.substr(0, i);
        if (i < rest_.size()) {
            i += (rest_[i] == '\r' && i + 1 < rest_.size() && rest_[i + 1] == '\n') ? 2 : 1;
        }
        rest_.remove_prefix(i);
        return line;
    }

  private:
    std::string_view rest_;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// A signed decimal that fits 32 bits, blanks around it allowed; nothing else.
std::optional<std::int32_t> decimal(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    long long v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<std::int32_t> next_decimal(LineReader& in) {
    const auto line = in.next();
    if (!line) return std::nullopt;
    return decimal(*line);
}

platform::WinColour label_colour(LineReader& in) {
    const auto line = in.next();
    return platform::str_to_int(line ? *line : std::string_view{});
}

}  // namespace

std::filesystem::path colour_file_name(const std::filesystem::path& text_file) {
    std::filesystem::path p = text_file;
    p += ".clo";
    return p;
}

std::string format_colour_file(const ColourGrid& grid, int rows, int cells, bool double_byte,
                               platform::WinColour chosen_text, platform::WinColour chosen_back) {
    std::string out;
    const long long records = std::max(rows, 0) * 1LL * std::max(cells, 0);
    out.reserve(std::size_t(std::min(records, 1LL << 24)) * 8 + 64);
    append_int(out, rows);
    append_int(out, cells);
    out += double_byte ? "#2\r\n" : "#1\r\n";
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cells; ++c) {
            const ColourCell& cell = grid.cell(r, c);
            if (cell.text_set && cell.back_set) {
                out += "*3\r\n";
                append_int(out, cell.text);
                append_int(out, cell.back);
            } else if (cell.text_set) {
                out += "*1\r\n";
                append_int(out, cell.text);
            } else if (cell.back_set) {
                out += "*2\r\n";
                append_int(out, cell.back);
            } else {
                out += "@\r\n";
            }
        }
    }
    append_int(out, chosen_text);
    append_int(out, chosen_back);
    return out;
}

void write_colour_file(const std::filesystem::path& path, const ColourGrid& grid, int rows,
                       int cells, bool double_byte, platform::WinColour chosen_text,
                       platform::WinColour chosen_back) {
    // The colour file beside a good document must never be left half-written either.
    write_file_atomically(
        path, format_colour_file(grid, rows, cells, double_byte, chosen_text, chosen_back));
}

ColourFileResult read_colour_file_bytes(std::string_view bytes, ColourGrid& grid, bool double_byte,
                                        const ModeQuestion& question) {
    ColourFileResult result;
    LineReader in(bytes);
    const auto rows = next_decimal(in);
    if (!rows) return result;
    const auto cells = next_decimal(in);
    if (!cells) return result;
    const auto mode_line = in.next();
    if (!mode_line || mode_line->empty() || mode_line->front() != '#') return result;
    result.header_read = true;
    result.rows = *rows;
    result.cells = *cells;
    const char mode = mode_line->size() > 1 ? (*mode_line)[1] : '\0';
    result.file_mode = mode == '1' ? 1 : mode == '2' ? 2 : 0;
    if (question &&
        ((result.file_mode == 1 && double_byte) || (result.file_mode == 2 && !double_byte))) {
        result.mode_switched = question(result.file_mode == 2);
    }

    // Loops run over the file's numbers but stop at its end, so a huge R or C costs no more
    // than the lines there are; only cells inside the layer are touched.
    const long long last_row = result.rows, last_cell = result.cells;
    const int layer_cells = static_cast<int>(std::min<long long>(last_cell, kColourCells));
    // With no cells a row has no records: a huge R alone must not spin through empty rows.
    for (long long r = 1; r <= last_row && last_cell > 0; ++r) {
        for (long long c = 1; c <= last_cell; ++c) {
            if (in.at_end()) {
                // Lines past the end read as empty, and an empty line is an uncoloured record.
                for (long long rr = r; rr <= std::min<long long>(last_row, kColourRows); ++rr) {
                    for (int cc = rr == r ? int(std::min<long long>(c, kColourCells + 1)) : 1;
                         cc <= layer_cells; ++cc) {
                        ColourCell cell = grid.cell(int(rr), cc);
                        cell.text_set = cell.back_set = false;
                        grid.set(int(rr), cc, cell);
                    }
                }
                r = last_row;
                break;
            }
            const std::string_view marker = *in.next();
            const bool inside = r <= kColourRows && c <= kColourCells;
            ColourCell cell = inside ? grid.cell(int(r), int(c)) : ColourCell{};
            const bool wants_text = marker == "*1" || marker == "*3";
            const bool wants_back = marker == "*2" || marker == "*3";
            cell.text_set = cell.back_set = false;
            bool bad = false;
            if (wants_text) {
                if (const auto v = next_decimal(in)) {
                    cell.text_set = true;
                    cell.text = *v;
                } else {
                    bad = true;
                }
            }
            if (wants_back && !bad) {
                if (const auto v = next_decimal(in)) {
                    cell.back_set = true;
                    cell.back = *v;
                } else {
                    bad = true;
                }
            }
            if (bad) cell.text_set = cell.back_set = false;
            if (inside) grid.set(int(r), int(c), cell);
            if (bad) return result;
        }
    }
    result.records_read = true;
    result.chosen_text = label_colour(in);
    result.chosen_back = label_colour(in);
    result.labels_read = true;
    return result;
}

ColourFileResult read_colour_file(const std::filesystem::path& path, ColourGrid& grid,
                                  bool double_byte, const ModeQuestion& question) {
    const std::string bytes = read_file_bytes(path);
    return read_colour_file_bytes(bytes, grid, double_byte, question);
}

}  // namespace quillo::document
