#pragma once
// Layout of the glyph tables that tools/gen_cell_font writes into cell_font_data.cpp (in the
// build folder). The generator includes this header too, so both sides agree on the layout.

namespace quillo::platform::cell_font_data {

inline constexpr int kHalfGlyphBytes = 16;  // 8 x 16, one byte per row
inline constexpr int kFullGlyphBytes = 32;  // 16 x 16, two bytes per row
inline constexpr int kHalfGlyphCount = 128;

// Every GBK pair position has a slot: lead 0x81..0xFE, trail 0x40..0xFE without 0x7F.
inline constexpr int kLeadFirst = 0x81;
inline constexpr int kLeadLast = 0xFE;
inline constexpr int kTrailFirst = 0x40;
inline constexpr int kTrailLast = 0xFE;
inline constexpr int kLeadCount = kLeadLast - kLeadFirst + 1;         // 126
inline constexpr int kTrailCount = kTrailLast - kTrailFirst + 1 - 1;  // 190
inline constexpr int kFullSlots = kLeadCount * kTrailCount;           // 23940

// Each table is one string literal; the extra byte holds the literal's terminating zero.
extern const unsigned char kHalfWidthGlyphs[kHalfGlyphCount * kHalfGlyphBytes + 1];
extern const unsigned char kFullWidthGlyphs[kFullSlots * kFullGlyphBytes + 1];
extern const unsigned char kFullWidthPresent[kFullSlots + 1];  // 1 = the pair is a character
extern const unsigned char kPlaceholderGlyph[kHalfGlyphBytes + 1];

// Slot of the pair (lead, trail), or -1 when no GBK pair can sit there.
constexpr int slot_of(unsigned lead, unsigned trail) {
    if (lead < unsigned(kLeadFirst) || lead > unsigned(kLeadLast) ||
        trail < unsigned(kTrailFirst) || trail > unsigned(kTrailLast) || trail == 0x7F) {
        return -1;
    }
    int t = int(trail) - kTrailFirst - (trail > 0x7F ? 1 : 0);
    return (int(lead) - kLeadFirst) * kTrailCount + t;
}

}  // namespace quillo::platform::cell_font_data
