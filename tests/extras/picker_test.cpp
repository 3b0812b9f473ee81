#include <gtest/gtest.h>

#include "extras/picker_pages.h"
#include "extras/picker_slots.h"

namespace quillo::extras {
namespace {

std::string pair(int lead, int trail) {
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

TEST(PickerPages, HalfWidthPageHoldsBytes32To223AndPicksOneByte) {
    const PageRows rows = build_page(kHalfWidthPage);
    for (const auto& row : rows) EXPECT_EQ(row.size(), 64u);
    EXPECT_EQ(cell_bytes(rows, 1, 1), pair(1, 32));
    EXPECT_EQ(cell_bytes(rows, 2, 2), pair(1, 'A'));
    EXPECT_EQ(cell_bytes(rows, 6, 32), pair(1, 223));
    EXPECT_EQ(pick_text(cell_bytes(rows, 2, 2)), "A");
    EXPECT_EQ(pick_text(cell_bytes(rows, 1, 1)), " ");
    // DEL and the bytes of 128 or more would not stand alone in a document.
    EXPECT_EQ(pick_text(cell_bytes(rows, 3, 32)), "");  // 127
    EXPECT_EQ(pick_text(cell_bytes(rows, 4, 1)), "");   // 128
    EXPECT_EQ(pick_text(cell_bytes(rows, 6, 32)), "");
}

TEST(PickerPages, SymbolPagesShowTwoLeadBytesOfNinetySixCells) {
    const PageRows rows = build_page(161);
    EXPECT_EQ(cell_bytes(rows, 1, 1), pair(161, 160));
    EXPECT_EQ(cell_bytes(rows, 3, 32), pair(161, 255));
    EXPECT_EQ(cell_bytes(rows, 4, 1), pair(162, 160));
    EXPECT_EQ(cell_bytes(rows, 6, 32), pair(162, 255));
    EXPECT_EQ(pick_text(cell_bytes(rows, 1, 2)), "\xA1\xA1");  // ideographic space
    EXPECT_EQ(pick_text(cell_bytes(rows, 1, 4)), "\xA1\xA3");  // 。
    EXPECT_EQ(pick_text(cell_bytes(rows, 1, 1)), "");          // trail 160: no character
    EXPECT_EQ(pick_text(cell_bytes(rows, 3, 32)), "");         // trail 255
    int characters = 0;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 32; ++c) characters += !pick_text(cell_bytes(rows, r, c)).empty();
    EXPECT_EQ(characters, 94);

    // Page 167 shows lead byte 168 beside it like the other symbol pages: the pinyin letters.
    const PageRows p167 = build_page(167);
    EXPECT_EQ(cell_bytes(p167, 4, 2), pair(168, 161));
    EXPECT_EQ(pick_text(cell_bytes(p167, 4, 2)), "\xA8\xA1");  // ā
    EXPECT_EQ(cell_bytes(p167, 6, 32), pair(168, 255));
}

TEST(PickerPages, Page168SkipsTheRowsOfPage167AndLeavesRowSixEmpty) {
    const PageRows rows = build_page(168);
    EXPECT_EQ(cell_bytes(rows, 1, 1), pair(168, 64));
    EXPECT_EQ(cell_bytes(rows, 3, 32), pair(168, 159));
    EXPECT_EQ(cell_bytes(rows, 4, 1), pair(168, 192));
    EXPECT_EQ(cell_bytes(rows, 5, 32), pair(168, 255));
    EXPECT_EQ(rows[5], std::string(64, ' '));
    for (int c = 1; c <= 32; ++c) EXPECT_EQ(pick_text(cell_bytes(rows, 6, c)), "");
}

TEST(PickerPages, PlainPagesHoldTrailBytes64To255) {
    for (int page : {129, 160, 169, 254}) {
        const PageRows rows = build_page(page);
        EXPECT_EQ(cell_bytes(rows, 1, 1), pair(page, 64)) << page;
        EXPECT_EQ(cell_bytes(rows, 2, 32), pair(page, 127)) << page;
        EXPECT_EQ(cell_bytes(rows, 6, 32), pair(page, 255)) << page;
        EXPECT_EQ(pick_text(cell_bytes(rows, 2, 32)), "") << page;  // trail 127
    }
    EXPECT_EQ(pick_text(cell_bytes(build_page(176), 4, 2)), "\xB0\xA1");  // 啊
    // Outside the grid there is no cell.
    const PageRows rows = build_page(176);
    EXPECT_EQ(cell_bytes(rows, 0, 1), "");
    EXPECT_EQ(cell_bytes(rows, 7, 1), "");
    EXPECT_EQ(cell_bytes(rows, 1, 33), "");
    EXPECT_EQ(pick_text("\xB0"), "");
}

TEST(PickerPages, StepsAndLists) {
    EXPECT_EQ(next_page(kHalfWidthPage), 129);
    EXPECT_EQ(next_page(200), 201);
    EXPECT_EQ(next_page(254), 254);
    EXPECT_EQ(previous_page(129), kHalfWidthPage);
    EXPECT_EQ(previous_page(kHalfWidthPage), kHalfWidthPage);
    EXPECT_EQ(previous_page(200), 199);

    const auto l1 = list1_items();
    ASSERT_EQ(l1.size(), 126u - 9u);
    EXPECT_EQ(l1.front().page, 129);
    EXPECT_EQ(l1.front().text, pair(129, 64));
    EXPECT_EQ(l1[31].page, 160);
    EXPECT_EQ(l1[32].page, 170);
    EXPECT_EQ(l1.back().page, 254);
    const auto l2 = list2_items();
    ASSERT_EQ(l2.size(), 4u);
    EXPECT_EQ(l2[3].page, 167);
    EXPECT_EQ(l2[0].text, pair(161, 162));
    const auto l3 = list3_items();
    ASSERT_EQ(l3.size(), 3u);
    EXPECT_EQ(l3[0].page, kHalfWidthPage);
    EXPECT_EQ(l3[1].page, 168);
    EXPECT_EQ(l3[2].page, 169);
}

TEST(PickerHitTest, CellsAtTheEdgesOfTheGrid) {
    EXPECT_EQ(column_at(0), 1);
    EXPECT_EQ(column_at(15), 1);
    EXPECT_EQ(column_at(16), 2);
    EXPECT_EQ(column_at(511), 32);
    EXPECT_EQ(column_at(512), std::nullopt);
    EXPECT_EQ(column_at(-1), std::nullopt);

    auto at = [](int x, int y) {
        const auto c = cell_at(x, y);
        return c ? std::pair{c->row, c->column} : std::pair{0, 0};
    };
    EXPECT_EQ(at(0, 0), std::pair(1, 1));
    EXPECT_EQ(at(511, 95), std::pair(6, 32));
    EXPECT_EQ(at(31, 16), std::pair(2, 2));
    EXPECT_EQ(at(0, 96), std::pair(0, 0));
    EXPECT_EQ(at(0, -1), std::pair(0, 0));

    // The panel is a 24-pixel square over the cell, 4 pixels beyond it on every side.
    EXPECT_EQ(point_place(1, 1).left, -4);
    EXPECT_EQ(point_place(1, 1).top, -4);
    EXPECT_EQ(point_place(6, 32).left, 492);
    EXPECT_EQ(point_place(6, 32).top, 76);
}

TEST(PickerSlots, BadSettingsValuesOpenTheDefaultPage) {
    EXPECT_EQ(slot_page("176"), 176);
    EXPECT_EQ(slot_page(" 1"), kHalfWidthPage);
    EXPECT_EQ(slot_page("254"), 254);
    for (const char* bad : {"", "abc", "0", "2", "128", "255", "-161", "99999999999", "16x"})
        EXPECT_EQ(slot_page(bad), kDefaultPage) << bad;

    const std::array<std::string, 6> no{"abc", "300", "176", "", "1", "0161"};
    const std::array<std::string, 6> w{"*", "x", "\xB0\xA1", "", "A", "*"};
    const PickerSlots slots = slots_from_settings(no, w);
    EXPECT_EQ(slots[0].page, "161");
    EXPECT_EQ(slots[1].page, "161");
    EXPECT_EQ(slots[2].page, "176");
    EXPECT_EQ(slots[3].page, "161");
    EXPECT_EQ(slots[4].page, "1");
    EXPECT_EQ(slots[5].page, "161");
    EXPECT_EQ(slots[2].text, "\xB0\xA1");
}

TEST(PickerSlots, APickFromANewPagePushesTheOldestSlotOut) {
    PickerSlots slots;
    for (int i = 0; i < 6; ++i) slots[i] = {std::to_string(170 + i), std::string(1, 'a' + i)};
    const PickerSlots before = slots;

    EXPECT_FALSE(remember_pick(slots, "", "x"));  // no pick since start-up
    EXPECT_FALSE(remember_pick(slots, "173", "x"));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(slots[i].page, before[i].page);

    EXPECT_TRUE(remember_pick(slots, "200", "\xC8\xA1"));
    EXPECT_EQ(slots[0].page, "200");
    EXPECT_EQ(slots[0].text, "\xC8\xA1");
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(slots[i].page, before[i - 1].page);
        EXPECT_EQ(slots[i].text, before[i - 1].text);
    }

    std::array<std::string, 6> no, w;
    slots_to_settings(slots, no, w);
    EXPECT_EQ(no[0], "200");
    EXPECT_EQ(w[5], "e");
}

}  // namespace
}  // namespace quillo::extras
