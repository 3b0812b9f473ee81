#include "document/colour_layer.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace quillo::document {

namespace {

// Stamps come from one counter for the whole program, so a stamp names one state of one row.
std::atomic<std::uint64_t> next_stamp{1};

std::size_t index_of(int row, int cell) {
    return std::size_t(row - 1) * kColourCells + std::size_t(cell - 1);
}

// Halves to even, as every rounding of the program.
int half_rounded(int n) {
    const int q = n / 2;
    if (n % 2 == 0) return q;
    return (q % 2 == 0) ? q : q + 1;  // n odd and positive: q + 0.5 goes to the even neighbour
}

}  // namespace

ColourGrid::ColourGrid()
    : cells_(std::size_t(kColourRows) * kColourCells), stamps_(kColourRows + 1) {
    const std::uint64_t s = next_stamp.fetch_add(1, std::memory_order_relaxed);
    std::fill(stamps_.begin(), stamps_.end(), s);
}

const ColourCell& ColourGrid::cell(int row, int cell) const {
    static const ColourCell none;
    if (!contains(row, cell)) return none;
    return cells_[index_of(row, cell)];
}

void ColourGrid::set(int row, int cell, const ColourCell& value) {
    if (!contains(row, cell)) return;
    auto& target = cells_[index_of(row, cell)];
    if (target == value) return;
    target = value;
    touch(row);
}

const ColourCell* ColourGrid::row_cells(int row) const {
    if (row < 1 || row > kColourRows) return nullptr;
    return cells_.data() + index_of(row, 1);
}

void ColourGrid::clear_flags() {
    for (int r = 1; r <= kColourRows; ++r) {
        bool changed = false;
        for (int c = 1; c <= kColourCells; ++c) {
            auto& cell = cells_[index_of(r, c)];
            if (cell.has_flag()) {
                cell.text_set = cell.back_set = false;
                changed = true;
            }
        }
        if (changed) touch(r);
    }
}

std::uint64_t ColourGrid::row_stamp(int row) const {
    if (row < 1 || row > kColourRows) return 0;
    return stamps_[std::size_t(row)];
}

void ColourGrid::touch(int row) {
    stamps_[std::size_t(row)] = next_stamp.fetch_add(1, std::memory_order_relaxed);
}

void ColourUndo::clear() {
    entries_.clear();
    forward_next_ = false;
}

void ColourUndo::record(const ColourGrid& layer, int column, int row) {
    if (!ColourGrid::contains(row, column)) return;
    entries_.push_back({column, row, layer.cell(row, column)});
    // The newest entries hold states before a change: the next undo must start from the end.
    forward_next_ = false;
}

void ColourUndo::undo(ColourGrid& layer) {
    auto exchange = [&](ColourUndoEntry& e) {
        const ColourCell now = layer.cell(e.row, e.column);
        layer.set(e.row, e.column, e.before);
        e.before = now;
    };
    if (forward_next_) {
        for (auto& e : entries_) exchange(e);
    } else {
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) exchange(*it);
    }
    forward_next_ = !forward_next_;
}

bool brush_cell(ColourState& colours, int mode, int column, int row) {
    if (mode < kBrushText || mode > kBrushRestore || !ColourGrid::contains(row, column))
        return false;
    colours.undo.record(colours.layer, column, row);
    ColourCell cell = colours.layer.cell(row, column);
    if (mode == kBrushText) {
        cell.text_set = true;
        cell.text = colours.chosen_text;
    } else if (mode == kBrushBack) {
        cell.back_set = true;
        cell.back = colours.chosen_back;
    } else {
        cell.text_set = cell.back_set = false;
    }
    colours.layer.set(row, column, cell);
    return true;
}

void clear_all_colours(ColourState& colours, int rows, int cells) {
    colours.undo.clear();
    rows = std::min(rows, kColourRows);
    cells = std::min(cells, kColourCells);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cells; ++c) {
            ColourCell cell = colours.layer.cell(r, c);
            if (!cell.has_flag()) continue;
            colours.undo.record(colours.layer, c, r);
            cell.text_set = cell.back_set = false;
            colours.layer.set(r, c, cell);
        }
    }
}

void convert_for_mode_change(ColourGrid& layer, int rows, int width, bool to_double_byte) {
    rows = std::min(rows, kColourRows);
    width = std::clamp(width, 0, kColourCells);
    for (int r = 1; r <= rows; ++r) {
        if (!to_double_byte) {
            // Cell c feeds cells 2c-1 and 2c: read from a copy so no source is overwritten first.
            std::array<ColourCell, kColourCells + 1> out;
            const ColourCell* now = layer.row_cells(r);
            std::copy(now, now + kColourCells, out.begin() + 1);
            const int pairs = std::min(half_rounded(width), kColourCells / 2);
            for (int c = 1; c <= pairs; ++c) out[2 * c - 1] = out[2 * c] = now[c - 1];
            for (int c = 1; c <= width; ++c) layer.set(r, c, out[c]);
        } else {
            // Cell c reads cells 2c-1 and 2c, never one already written.
            const int cells = width / 2;
            for (int c = 1; c <= cells; ++c) {
                const ColourCell& odd = layer.cell(r, 2 * c - 1);
                const ColourCell& even = layer.cell(r, 2 * c);
                ColourCell cell = layer.cell(r, c);
                if (odd.text_set) {
                    cell.text_set = true, cell.text = odd.text;
                } else if (even.text_set) {
                    cell.text_set = true, cell.text = even.text;
                } else {
                    cell.text_set = false;
                }
                if (odd.back_set) {
                    cell.back_set = true, cell.back = odd.back;
                } else if (even.back_set) {
                    cell.back_set = true, cell.back = even.back;
                } else {
                    cell.back_set = false;
                }
                layer.set(r, c, cell);
            }
            for (int c = cells + 1; c <= kColourCells; ++c) {
                ColourCell cell = layer.cell(r, c);
                cell.text_set = cell.back_set = false;
                layer.set(r, c, cell);
            }
        }
    }
}

}  // namespace quillo::document
