#include "platform/cell_font.h"

#include "platform/cell_font_data.h"

namespace quillo::platform {

namespace cfd = cell_font_data;

const std::uint8_t* half_width_glyph(unsigned char byte) {
    if (byte >= cfd::kHalfGlyphCount) return cfd::kPlaceholderGlyph;
    return cfd::kHalfWidthGlyphs + std::size_t(byte) * cfd::kHalfGlyphBytes;
}

const std::uint8_t* full_width_glyph(unsigned char lead, unsigned char trail) {
    int slot = cfd::slot_of(lead, trail);
    if (slot < 0 || !cfd::kFullWidthPresent[slot]) return nullptr;
    return cfd::kFullWidthGlyphs + std::size_t(slot) * cfd::kFullGlyphBytes;
}

const std::uint8_t* placeholder_glyph() {
    return cfd::kPlaceholderGlyph;
}

}  // namespace quillo::platform
