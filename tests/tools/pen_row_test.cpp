#include "tools/pen_row.h"

#include <gtest/gtest.h>

#include "canvas/constants.h"

namespace quillo::tools {
namespace {

const std::string kSingle = "1  2  3  4  5  ";
const std::string kDouble = "11 22 \xD6\xD0 44 ";

TEST(PenRowSlots, LoadAndStore) {
    EXPECT_EQ(load_slot(kSingle, 2, false), "2");
    EXPECT_EQ(load_slot(kDouble, 3, true), "\xD6\xD0");
    EXPECT_EQ(load_slot(kDouble, 2, true), "22");
    EXPECT_EQ(load_slot(kSingle, 0, false), "");
    EXPECT_EQ(load_slot(kSingle, 9, false), "");
    // A half-width box takes one byte and two spaces, a full-width one the box and a space.
    EXPECT_EQ(store_slot(kSingle, 2, "x"), "1  x  3  4  5  ");
    EXPECT_EQ(store_slot(kSingle, 2, "xy"), "1  x  3  4  5  ");
    EXPECT_EQ(store_slot(kDouble, 1, "\xB0\xA1"), "\xB0\xA1 22 \xD6\xD0 44 ");
    EXPECT_EQ(store_slot(kSingle, 0, "x"), kSingle);
    // Beyond the end of a short row the slot still lands at byte 3k - 2.
    EXPECT_EQ(store_slot("1  ", 3, "z"), "1     z  ");
    // ... up to the last slot a pen row can show; a wild slot number stores nothing.
    EXPECT_EQ(store_slot("1  ", canvas::kMaxPenSlot, "z").size(), 3u * canvas::kMaxPenSlot);
    EXPECT_EQ(store_slot("1  ", canvas::kMaxPenSlot + 1, "z"), "1  ");
    EXPECT_EQ(store_slot("1  ", 100000000, "z"), "1  ");
    EXPECT_EQ(store_slot("1  ", 2147483647, "z"), "1  ");
    PenRow wild{kSingle, 100000000, "x"};
    pen_row_pick(wild, 2, false);
    EXPECT_EQ(wild.row, kSingle);
    EXPECT_EQ(wild.box, "2");
    pen_row_eraser(wild, false);
    EXPECT_EQ(wild.row, "1  2  3  4  5  ");
}

TEST(PenBox, CompletionRefillAndShiftRule) {
    // Double-byte mode: one byte gains a space (typing "a" and then Shift makes "a ").
    EXPECT_EQ(complete_pen_box("a", kDouble, 2, true), "a ");
    EXPECT_EQ(complete_pen_box("", kDouble, 2, true), "22");
    EXPECT_EQ(complete_pen_box("a", kSingle, 2, false), "a");
    EXPECT_EQ(complete_pen_box("", kSingle, 4, false), "4");
    // Refill after a press with an empty pen.
    EXPECT_EQ(refill_pen(kDouble, 3, true), "\xD6\xD0");
    EXPECT_EQ(refill_pen(kDouble, 0, true), "  ");
    EXPECT_EQ(refill_pen(kSingle, 3, false), "3");
    EXPECT_EQ(refill_pen(kDouble, 3, false), " ");  // half of a full-width character
    EXPECT_EQ(refill_pen(kSingle, 40, false), " ");
}

TEST(PenBox, GeometryOfTheRow) {
    EXPECT_EQ(pen_box_left(0), 19);
    EXPECT_EQ(pen_box_left(1), 44);  // round(23.9) + 20
    EXPECT_EQ(pen_box_left(2), 68);  // round(47.8) + 20
    EXPECT_EQ(hovered_slot_at(0), 1);
    EXPECT_EQ(hovered_slot_at(23), 1);        // round(25.99) = 26
    EXPECT_EQ(hovered_slot_at(24), 2);        // round(27.12) = 27
    EXPECT_EQ(last_slot_for_width(800), 30);  // round(29.58)
    EXPECT_EQ(last_slot_for_width(100000), canvas::kMaxPenSlot);
}

TEST(PenBox, StandsOverTheGlyphOfItsSlot) {
    // The row starts where the box over slot 1 stands; the eraser's box is left of it.
    EXPECT_EQ(pen_row_left(), pen_box_left(1));
    EXPECT_LE(pen_box_left(0) + 24, pen_row_left());
    for (int k = 1; k <= canvas::kMaxPenSlot; ++k) {
        const int glyph = pen_row_byte_x(3 * k - 3);
        EXPECT_EQ(pen_row_left() + glyph, pen_box_left(k)) << k;
        // A full-width glyph is 16 pixels wide: the pointer anywhere over it hovers slot k.
        for (int x = glyph + 1; x < glyph + 16; ++x) ASSERT_EQ(hovered_slot_at(x), k) << x;
        // The bytes of a slot are 8 pixels apart.
        EXPECT_EQ(pen_row_byte_x(3 * k - 1) - glyph, 16);
    }
}

TEST(PenRowKeys, ArrowsStoreLoadAndStopAtTheLimits) {
    PenRow p{kSingle, 1, "x"};
    // From slot 1 the box moves on without storing (the new slot is 2 or more: stores slot 1).
    EXPECT_TRUE(pen_row_right(p, 3, false));
    EXPECT_EQ(p.slot, 2);
    EXPECT_EQ(p.box, "2");
    EXPECT_EQ(p.row, "x  2  3  4  5  ");
    p.box = "y";
    EXPECT_TRUE(pen_row_right(p, 3, false));
    EXPECT_EQ(p.row, "x  y  3  4  5  ");
    EXPECT_FALSE(pen_row_right(p, 3, false));  // the last slot that fits keeps the slot
    EXPECT_EQ(p.slot, 3);
    EXPECT_EQ(p.box, "3");

    p.box = "z";
    EXPECT_TRUE(pen_row_left(p, false));  // stores into the slot to the right
    EXPECT_EQ(p.row, "x  y  z  4  5  ");
    EXPECT_EQ(p.slot, 2);
    EXPECT_EQ(p.box, "y");
    EXPECT_TRUE(pen_row_left(p, false));
    EXPECT_TRUE(pen_row_left(p, false));
    EXPECT_EQ(p.slot, 0);
    EXPECT_EQ(p.box, "  ");  // the eraser
    EXPECT_FALSE(pen_row_left(p, false));
    EXPECT_EQ(p.slot, 0);
}

TEST(PenRowClicks, PickAndEraser) {
    PenRow p{kDouble, 2, "a"};
    pen_row_pick(p, 4, true);
    EXPECT_EQ(p.row, "11 a  \xD6\xD0 44 ");  // completed to "a " and stored
    EXPECT_EQ(p.slot, 4);
    EXPECT_EQ(p.box, "44");
    p.box = "\xB0\xA1";
    pen_row_eraser(p, true);
    EXPECT_EQ(p.row, "11 a  \xD6\xD0 \xB0\xA1 ");
    EXPECT_EQ(p.slot, 0);
    EXPECT_EQ(p.box, "  ");
    // From the eraser a pick stores nothing.
    pen_row_pick(p, 1, true);
    EXPECT_EQ(p.row, "11 a  \xD6\xD0 \xB0\xA1 ");
    EXPECT_EQ(p.box, "11");
}

}  // namespace
}  // namespace quillo::tools
