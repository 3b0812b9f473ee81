#pragma once
// The pen row: a row of pen characters, one slot every 3 bytes. Slot k begins at byte 3k - 2.
// Slot 0 is the eraser.
#include <string>
#include <string_view>

namespace quillo::tools {

// The bytes a slot gives the pen box: 2 in double-byte mode, 1 otherwise; empty below slot 1.
std::string load_slot(std::string_view row, int k, bool double_byte);

// The row with the pen box stored into slot k: a box starting with a byte below 129 is stored
// as that byte and two spaces; otherwise the whole box and one space. Slots below 1 or beyond
// canvas::kMaxPenSlot store nothing, so the row never grows past what it can show.
std::string store_slot(std::string_view row, int k, std::string_view box);

// The box as every key, pen-row click and eraser leave it: a lone byte in double-byte mode
// gains a space; an empty box takes the selected slot's character.
std::string complete_pen_box(std::string box, std::string_view row, int slot, bool double_byte);

// The pen put back when a press finds the box empty: the selected slot's character, or spaces
// where that gives nothing usable.
std::string refill_pen(std::string_view row, int slot, bool double_byte);

// True for the keys (virtual-key codes) that leave the pen box as it is: Backspace, Enter,
// Shift, Ctrl, Alt, Pause, Caps Lock, Page Up, Page Down, End, Home, Insert, Delete, "/" of
// the numeric pad and F1 to F12. Every other key empties the box first, so that what it types
// or pastes (Ctrl+V) becomes the new pen.
bool key_keeps_pen_box(int key);

// Slot under x pixels of the pen row.
int hovered_slot_at(int x);
// Left edge of the pen box over a slot; the eraser has its own place.
int pen_box_left(int slot);
// Left edge of the pen row in its bar: the place of the box over slot 1.
int pen_row_left();
// Where byte b (0-based) of the pen row is drawn, in pixels from the row's left edge. Slot k
// starts exactly under the pen box over it, and the hover mapping finds k there; the bytes of
// one slot follow each other 8 pixels apart, as cells of the canvas do.
int pen_row_byte_x(int b);
// The last slot the arrow keys reach in a main window this wide (never past kMaxPenSlot).
int last_slot_for_width(int window_width);

struct PenRow {
    std::string row;  // pen_single or pen_double
    int slot = 1;     // selected slot, 0 = eraser
    std::string box;  // text of the pen box
};

// Right arrow: the box moves one slot on, keeping what it held in the slot it leaves.
// False when it stays (the slot is held at last_slot).
bool pen_row_right(PenRow& p, int last_slot, bool double_byte);
// Left arrow: the box moves one slot back; slot 0 makes it the eraser. False at slot 0.
bool pen_row_left(PenRow& p, bool double_byte);
// A click on the pen row: the box is kept in its slot and the hovered slot is picked.
void pen_row_pick(PenRow& p, int hovered, bool double_byte);
// The eraser: the box is kept in its slot and the pen becomes two spaces.
void pen_row_eraser(PenRow& p, bool double_byte);

}  // namespace quillo::tools
