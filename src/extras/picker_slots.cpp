#include "extras/picker_slots.h"

#include <algorithm>

#include "extras/picker_pages.h"
#include "platform/errors.h"

namespace quillo::extras {

int slot_page(std::string_view text) {
    try {
        const int page = platform::str_to_int(text);
        if (is_picker_page(page)) return page;
    } catch (const platform::ConversionError&) {
    }
    return kDefaultPage;
}

PickerSlots slots_from_settings(const std::array<std::string, kPickerSlots>& no,
                                const std::array<std::string, kPickerSlots>& w) {
    PickerSlots slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        // The label shows the page it opens, so a repaired value is also what is saved.
        slots[i].page = std::to_string(slot_page(no[i]));
        slots[i].text = w[i];
    }
    return slots;
}

void slots_to_settings(const PickerSlots& slots, std::array<std::string, kPickerSlots>& no,
                       std::array<std::string, kPickerSlots>& w) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        no[i] = slots[i].page;
        w[i] = slots[i].text;
    }
}

bool remember_pick(PickerSlots& slots, std::string_view pick_page, std::string_view picked) {
    if (pick_page.empty()) return false;
    const bool held = std::any_of(slots.begin(), slots.end(),
                                  [&](const PickerSlot& s) { return s.page == pick_page; });
    if (held) return false;
    std::move_backward(slots.begin(), slots.end() - 1, slots.end());
    slots[0] = {std::string(pick_page), std::string(picked)};
    return true;
}

}  // namespace quillo::extras
