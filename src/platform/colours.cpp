#include "platform/colours.h"

#include <iterator>

namespace quillo::platform {

namespace {

// The classic Windows scheme ("Windows Standard"), 0x00RRGGBB, by system colour index.
constexpr Rgb kSystemColours[] = {
    0xD4D0C8,  //  0 scroll bar
    0x3A6EA5,  //  1 background
    0x0A246A,  //  2 active caption
    0x808080,  //  3 inactive caption
    0xD4D0C8,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x0A246A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xD4D0C8,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xD4D0C8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3D dark shadow
    0xD4D0C8,  // 22 3D light
    0x000000,  // 23 info text
    0xFFFFE1,  // 24 info background
    0xB5B5B5,  // 25 (unused)
    0x000080,  // 26 hot light
    0xA6CAF0,  // 27 gradient active caption
    0xC0C0C0,  // 28 gradient inactive caption
    0x316AC5,  // 29 menu highlight
    0xD4D0C8,  // 30 menu bar
};

constexpr std::uint32_t swap_red_blue(std::uint32_t v) {
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

}  // namespace

bool is_system_colour(WinColour c) {
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u;
}

Rgb resolve_colour(WinColour c) {
    auto v = static_cast<std::uint32_t>(c);
    if (is_system_colour(c)) {
        std::uint32_t index = v & 0x00FFFFFFu;
        if (index >= std::size(kSystemColours)) return 0x000000;
        return kSystemColours[index];
    }
    // Palette-relative and other flagged values: the low 24 bits still name the colour.
    return swap_red_blue(v & 0x00FFFFFFu);
}

WinColour colour_from_rgb(Rgb rgb) {
    return static_cast<WinColour>(swap_red_blue(rgb & 0x00FFFFFFu));
}

}  // namespace quillo::platform
