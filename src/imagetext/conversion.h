#pragma once
// What each pixel of the resolution image becomes: the four conversion modes and the three
// sources of the characters that are not chosen by grey value.
#include <string>
#include <string_view>

#include "imagetext/grey_tables.h"
#include "imagetext/picture.h"
#include "imagetext/text_source.h"

namespace quillo::imagetext {

// The Tag of the mode radio buttons.
enum class Mode {
    grey_words = 1,    // RB_Color2Word: grey characters, one colour
    colour_words = 2,  // RB_Color2Color: the word in the pixel's colour
    colour_grey = 3,   // RB_ColorandWord: grey characters in the pixel's colour
    colour_table = 4,  // RB_ColorTable: the word on a table cell of the pixel's colour
};

enum class WordSource {
    solid_block,  // RB_Word_black: "█"
    pen,          // RB_Word_Pen: the main window's pen text
    text,         // RB_word_text: successive characters of the source text
};

// "█" in GBK.
inline constexpr std::string_view kSolidBlock = "\xA8\x80";

// Everything a conversion reads besides the picture.
struct ConversionRules {
    Mode mode = Mode::grey_words;
    WordSource word = WordSource::text;
    GreyTables tables;
    std::string pen_text;        // GBK, the main window's pen box
    TextSource* text = nullptr;  // rewound at the start of every conversion
    bool double_byte = false;    // the main window's mode: cells of 2 bytes or of 1
};

inline bool uses_grey(Mode m) {
    return m == Mode::grey_words || m == Mode::colour_grey;
}

// Six upper-case hexadecimal digits RRGGBB of a pixel.
std::string pixel_hex(Rgb pixel);

}  // namespace quillo::imagetext
