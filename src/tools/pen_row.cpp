#include "tools/pen_row.h"

#include <algorithm>

#include "canvas/constants.h"
#include "canvas/row_text.h"
#include "canvas/virtual_keys.h"

namespace quillo::tools {

std::string load_slot(std::string_view row, int k, bool double_byte) {
    if (k < 1) return {};
    const std::size_t start = static_cast<std::size_t>(3 * k - 3);
    if (start >= row.size()) return {};
    return std::string(row.substr(start, double_byte ? 2 : 1));
}

std::string store_slot(std::string_view row, int k, std::string_view box) {
    if (k < 1 || k > canvas::kMaxPenSlot) return std::string(row);
    const std::size_t before = static_cast<std::size_t>(3 * k - 3);
    const std::size_t after = static_cast<std::size_t>(3 * k);
    std::string out(row.substr(0, std::min(before, row.size())));
    // A slot beyond a short row still lands at its own place.
    out.resize(before, ' ');
    if (!box.empty() && static_cast<unsigned char>(box[0]) < 129) {
        out += box[0];
        out += "  ";
    } else {
        out += box;
        out += ' ';
    }
    if (after < row.size()) out += row.substr(after);
    return out;
}

std::string complete_pen_box(std::string box, std::string_view row, int slot, bool double_byte) {
    if (double_byte && box.size() == 1) box += ' ';
    if (box.empty()) box = load_slot(row, slot, double_byte);
    return box;
}

std::string refill_pen(std::string_view row, int slot, bool double_byte) {
    std::string pen = load_slot(row, slot, double_byte);
    if (double_byte) return pen.empty() ? std::string("  ") : pen;
    if (pen.empty() || static_cast<unsigned char>(pen[0]) >= 129) return " ";
    return pen;
}

bool key_keeps_pen_box(int key) {
    using namespace canvas;
    switch (key) {
        case kVkBackspace:
        case kVkEnter:
        case kVkShift:
        case kVkControl:
        case kVkAlt:
        case kVkPause:
        case kVkCapsLock:
        case kVkPageUp:
        case kVkPageDown:
        case kVkEnd:
        case kVkHome:
        case kVkInsert:
        case kVkDelete:
        case kVkDivide:
            return true;
        default:
            return key >= kVkF1 && key <= kVkF12;
    }
}

int hovered_slot_at(int x) {
    return canvas::round_half_even(x * 1.13) / 27 + 1;
}

int pen_box_left(int slot) {
    return slot == 0 ? 19 : canvas::round_half_even(slot * 23.9) + 20;
}

int pen_row_left() {
    return pen_box_left(1);
}

int pen_row_byte_x(int b) {
    return pen_box_left(b / 3 + 1) - pen_row_left() + 8 * (b % 3);
}

int last_slot_for_width(int window_width) {
    return std::min(canvas::round_half_even((window_width - 90) / 24.0), canvas::kMaxPenSlot);
}

bool pen_row_right(PenRow& p, int last_slot, bool double_byte) {
    const int next = p.slot + 1;
    if (next > last_slot) {
        p.slot = last_slot;
        return false;
    }
    if (next >= 2) p.row = store_slot(p.row, p.slot, p.box);
    p.slot = next;
    p.box = load_slot(p.row, next, double_byte);
    return true;
}

bool pen_row_left(PenRow& p, bool double_byte) {
    const int next = p.slot - 1;
    if (next < 0) {
        p.slot = 0;
        return false;
    }
    p.slot = next;
    if (next > 0) {
        p.row = store_slot(p.row, next + 1, p.box);
        p.box = load_slot(p.row, next, double_byte);
    } else {
        p.box = "  ";
    }
    return true;
}

void pen_row_pick(PenRow& p, int hovered, bool double_byte) {
    p.box = complete_pen_box(std::move(p.box), p.row, p.slot, double_byte);
    p.row = store_slot(p.row, p.slot, p.box);
    p.slot = hovered;
    p.box = load_slot(p.row, hovered, double_byte);
}

void pen_row_eraser(PenRow& p, bool double_byte) {
    p.box = complete_pen_box(std::move(p.box), p.row, p.slot, double_byte);
    p.row = store_slot(p.row, p.slot, p.box);
    p.slot = 0;
    p.box = "  ";
}

}  // namespace quillo::tools
