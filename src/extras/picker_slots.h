#pragma once
// The six bookmark slots of the character picker: the pages from which characters were last
// taken and the character taken there, kept in the settings keys no1..no6 and w1..w6.
#include <array>
#include <string>
#include <string_view>

namespace quillo::extras {

inline constexpr int kPickerSlots = 6;

struct PickerSlot {
    std::string page;  // decimal page number, as the slot's page label shows it
    std::string text;  // GBK: the character taken there
};
using PickerSlots = std::array<PickerSlot, kPickerSlots>;

// The page a slot's text names. Text that is no page number (not a number, out of range, as a
// hand-edited settings file may hold) names the default page, so a slot always opens a page.
int slot_page(std::string_view text);

// Slots from the settings values; page values that name no page become the default page.
PickerSlots slots_from_settings(const std::array<std::string, kPickerSlots>& no,
                                const std::array<std::string, kPickerSlots>& w);
void slots_to_settings(const PickerSlots& slots, std::array<std::string, kPickerSlots>& no,
                       std::array<std::string, kPickerSlots>& w);

// Closing the picker after a pick from a page no slot holds: the slots move down one place (the
// last falls out) and the first takes that page and the character. True when the slots changed.
// An empty pick page (no pick yet) changes nothing.
bool remember_pick(PickerSlots& slots, std::string_view pick_page, std::string_view picked);

}  // namespace quillo::extras
