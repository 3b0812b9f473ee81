#include "textops/canvas_transforms.h"

#include <algorithm>
#include <array>

#include "canvas/canvas_window.h"
#include "canvas/row_text.h"

namespace quillo::textops {

using canvas::kMaxRowBytes;
using canvas::kMaxRows;
using canvas::kWorking;

namespace {

// Byte i (0-based) of a row, a space past its end: rows are kept padded, and a short one reads
// as if it were.
char byte_at(std::string_view row, std::size_t i) {
    return i < row.size() ? row[i] : ' ';
}

// Appends bytes [from, from + count) of a row (0-based), padding with spaces.
void append_bytes(std::string& out, std::string_view row, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i) out += byte_at(row, i);
}

// Appends 2-byte cell `cell` (1-based) of a row.
void append_cell(std::string& out, std::string_view row, int cell) {
    const auto i = static_cast<std::size_t>(2 * cell - 2);
    out += byte_at(row, i);
    out += byte_at(row, i + 1);
}

std::string_view tail_after(std::string_view row, std::size_t bytes) {
    return bytes < row.size() ? row.substr(bytes) : std::string_view();
}

int clamp_rows(int n) {
    return std::clamp(n, 0, kMaxRows);
}

// The turn of a square of `side` cells whose first cell is `first`: new row r keeps its bytes
// before the square and after it, and takes cell first + side - r of rows 1..side in between.
void rotate_square(canvas::CanvasState& c, int side, int first) {
    std::array<std::string, kMaxRows + 1> old;
    for (int r = 1; r <= side; ++r) old[r] = c.layers.row(kWorking, r);
    const auto before = static_cast<std::size_t>(2 * (first - 1));
    const auto after = before + static_cast<std::size_t>(2 * side);
    for (int r = 1; r <= side; ++r) {
        std::string row;
        row.reserve(std::max(old[r].size(), after));
        append_bytes(row, old[r], 0, before);
        const int cell = first + side - r;
        for (int k = 1; k <= side; ++k) append_cell(row, old[k], cell);
        row += tail_after(old[r], after);
        c.layers.row(kWorking, r) = canvas::cut_to_row(std::move(row));
    }
}

}  // namespace

Transform transform_for_tag(int tag) {
    switch (tag) {
        case 1:
            return Transform::rotate_rear;
        case 2:
            return Transform::mirror_left_right;
        case 3:
            return Transform::rotate_front;
        case 4:
            return Transform::mirror_top_bottom;
        default:
            return Transform::none;
    }
}

int transform_rows(int board_height_pixels, int canvas_height) {
    const int shown = canvas::round_half_even(board_height_pixels / 16.0);
    return std::clamp(std::min(shown, canvas_height), 0, kMaxRows);
}

int mirrored_cells(int width) {
    return std::clamp(canvas::round_half_even(width / 2.0), 0, kMaxRowBytes / 2);
}

std::string mirror_row(std::string_view row, int width, bool double_byte) {
    std::string out;
    out.reserve(std::max(row.size(), static_cast<std::size_t>(std::max(width, 0)) + 1));
    std::size_t body = 0;
    if (double_byte) {
        const int cells = mirrored_cells(width);
        for (int cell = cells; cell >= 1; --cell) append_cell(out, row, cell);
        body = static_cast<std::size_t>(2 * cells);
    } else {
        body = static_cast<std::size_t>(std::clamp(width, 0, kMaxRowBytes));
        for (std::size_t i = body; i >= 1; --i) out += byte_at(row, i - 1);
    }
    out += tail_after(row, body);
    return canvas::cut_to_row(std::move(out));
}

void mirror_left_right(canvas::CanvasState& c, int n) {
    for (int r = 1; r <= clamp_rows(n); ++r) {
        auto& row = c.layers.row(kWorking, r);
        row = mirror_row(row, c.width, c.double_byte);
    }
}

void mirror_top_bottom(canvas::CanvasState& c, int n) {
    n = clamp_rows(n);
    for (int r = 1; r <= n / 2; ++r)
        std::swap(c.layers.row(kWorking, r), c.layers.row(kWorking, n - r + 1));
}

int square_side(int n, int width) {
    return std::clamp(std::min(n, width / 2), 0, kMaxRows);
}

void rotate_front(canvas::CanvasState& c, int n) {
    const int side = square_side(n, c.width);
    if (side > 0) rotate_square(c, side, 1);
}

void rotate_rear(canvas::CanvasState& c, int n) {
    // The last whole cell within the width: an odd last byte is no cell of the square.
    const int last_cell = std::clamp(c.width, 0, kMaxRowBytes) / 2;
    const int side = square_side(n, c.width);
    if (side > 0) rotate_square(c, side, last_cell - side + 1);
}

void apply_transform(canvas::CanvasState& c, Transform t, int n) {
    switch (t) {
        case Transform::rotate_rear:
            rotate_rear(c, n);
            break;
        case Transform::mirror_left_right:
            mirror_left_right(c, n);
            break;
        case Transform::rotate_front:
            rotate_front(c, n);
            break;
        case Transform::mirror_top_bottom:
            mirror_top_bottom(c, n);
            break;
        case Transform::none:
            break;
    }
}

bool fill_with_pen(canvas::CanvasState& c, std::string_view pen) {
    if (pen.empty()) return false;
    canvas::copy_layer(c, canvas::kCommitted, canvas::kUndo);
    const auto width = static_cast<std::size_t>(std::clamp(c.width, 0, kMaxRowBytes));
    const char first = pen[0];
    const char second = pen.size() >= 2 ? pen[1] : ' ';
    for (int r = 1; r <= std::clamp(c.height, 0, kMaxRows); ++r) {
        auto& row = c.layers.row(canvas::kCommitted, r);
        if (row.size() < width) row.resize(width, ' ');
        if (c.double_byte) {
            for (std::size_t i = 0; i + 1 < width; i += 2) {
                row[i] = first;
                row[i + 1] = second;
            }
        } else {
            std::fill_n(row.begin(), width, first);
        }
        c.layers.row(kWorking, r) = row;
    }
    return true;
}

}  // namespace quillo::textops
