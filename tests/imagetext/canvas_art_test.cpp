#include "imagetext/canvas_art.h"

#include <gtest/gtest.h>

#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

using testing::picture_of;

Picture flat(int w, int h, Rgb c) {
    Picture p(w, h);
    for (auto& px : p.pixels) px = 0xFF000000u | c;
    return p;
}

TEST(CanvasArt, DoubleByteColourWordsSetTextColoursCellByCell) {
    document::ColourGrid colours;
    ConversionRules rules;
    rules.mode = Mode::colour_words;
    rules.word = WordSource::solid_block;
    rules.double_byte = true;
    const Picture p = picture_of(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0, 0xFFFFFF});
    const CanvasArt art = canvas_art(p, rules, colours);
    ASSERT_EQ(art.rows.size(), 2u);
    EXPECT_EQ(art.rows[0], "\xA8\x80\xA8\x80\xA8\x80");
    EXPECT_EQ(art.cells, 3);
    const document::ColourCell& c = colours.cell(2, 1);
    EXPECT_TRUE(c.text_set);
    EXPECT_FALSE(c.back_set);
    EXPECT_EQ(c.text, platform::colour_from_rgb(0x102030));
    EXPECT_EQ(colours.cell(1, 3).text, platform::colour_from_rgb(0x0000FF));
}

TEST(CanvasArt, SingleBytePixelsAreTwoCellsAndTablesSetBackgrounds) {
    document::ColourGrid colours;
    ConversionRules rules;
    rules.mode = Mode::colour_table;
    rules.word = WordSource::solid_block;
    const CanvasArt art = canvas_art(flat(10, 1, 0x00FF00), rules, colours);
    EXPECT_EQ(art.rows[0], std::string(20, 'M'));
    EXPECT_EQ(art.cells, 20);
    for (int cell : {1, 2, 19, 20}) {
        EXPECT_TRUE(colours.cell(1, cell).back_set);
        EXPECT_FALSE(colours.cell(1, cell).text_set);
        EXPECT_EQ(colours.cell(1, cell).back, platform::colour_from_rgb(0x00FF00));
    }
    EXPECT_FALSE(colours.cell(1, 21).has_flag());

    // The pen text twice; a full-width pen fills both cells once.
    rules.word = WordSource::pen;
    rules.pen_text = "L";
    EXPECT_EQ(canvas_art(flat(3, 1, 0), rules, colours).rows[0], "LLLLLL");
    rules.pen_text = "\xD6\xD0";
    EXPECT_EQ(canvas_art(flat(2, 1, 0), rules, colours).rows[0], "\xD6\xD0\xD6\xD0");
    rules.double_byte = true;
    rules.pen_text = "L";
    EXPECT_EQ(canvas_art(flat(2, 1, 0), rules, colours).rows[0], "L L ");
    rules.pen_text = "";
    EXPECT_EQ(canvas_art(flat(1, 1, 0), rules, colours).rows[0], "\xA8\x80");
}

TEST(CanvasArt, GreyModesAndTheHalfWidthTable) {
    document::ColourGrid colours;
    document::ColourCell old;
    old.text_set = old.back_set = true;
    colours.set(1, 1, old);
    ConversionRules rules;
    rules.mode = Mode::grey_words;
    rules.tables.kind = kHalfWidth;
    rules.tables.tables[1] = "#=-.";  // step 64
    // black, dark grey, light grey, white, black
    const Picture p = picture_of(5, 1, {0, 0x505050, 0xA0A0A0, 0xFFFFFF, 0});
    CanvasArt art = canvas_art(p, rules, colours);
    EXPECT_EQ(art.rows[0], "#=-.#");  // one byte and one cell a pixel
    EXPECT_EQ(art.cells, 5);
    EXPECT_FALSE(colours.cell(1, 1).has_flag());  // grey characters alone clear the colours

    rules.double_byte = true;  // two pixels share a cell; the odd one out is padded
    art = canvas_art(p, rules, colours);
    EXPECT_EQ(art.rows[0], "#=-.# ");
    EXPECT_EQ(art.cells, 3);

    rules.mode = Mode::colour_grey;
    art = canvas_art(p, rules, colours);
    EXPECT_EQ(colours.cell(1, 2).text, platform::colour_from_rgb(0xA0A0A0));  // pixel 3
    EXPECT_EQ(colours.cell(1, 3).text, platform::colour_from_rgb(0));         // pixel 5

    // A 16-level table that ends early gives spaces, so the columns stay in line.
    rules.tables.kind = kSixteenLevels;
    rules.tables.tables[0] = "\xB0\xA1";  // one character for the darkest level only
    art = canvas_art(p, rules, colours);
    EXPECT_EQ(art.rows[0], "\xB0\xA1      \xB0\xA1");
    rules.tables.tables[0] = "";  // no character at all: blank cells, no fault
    EXPECT_EQ(canvas_art(p, rules, colours).rows[0], std::string(10, ' '));
}

TEST(CanvasArt, RowsStopAtTheLastWholePixelWithin255Bytes) {
    document::ColourGrid colours;
    ConversionRules rules;
    rules.mode = Mode::colour_words;
    rules.word = WordSource::solid_block;
    rules.double_byte = true;
    CanvasArt art = canvas_art(flat(150, 81, 0x808080), rules, colours);
    EXPECT_EQ(art.rows.size(), 80u);
    EXPECT_EQ(art.pixels, 127);
    EXPECT_EQ(art.rows[0].size(), 254u);  // never half a character
    EXPECT_EQ(art.cells, 127);
    EXPECT_TRUE(colours.cell(80, 127).text_set);

    rules.double_byte = false;
    art = canvas_art(flat(150, 2, 0x808080), rules, colours);
    EXPECT_EQ(art.rows[1], std::string(254, 'M'));
    EXPECT_EQ(art.cells, 254);
    EXPECT_TRUE(colours.cell(2, 254).text_set);

    EXPECT_TRUE(canvas_art(Picture{}, rules, colours).rows.empty());
}

TEST(CanvasArt, TextSourceCharactersAndItsFallback) {
    document::ColourGrid colours;
    TextSource text({"ab\xD6\xD0"});
    ConversionRules rules;
    rules.mode = Mode::colour_words;
    rules.word = WordSource::text;
    rules.text = &text;
    EXPECT_EQ(canvas_art(flat(3, 1, 0), rules, colours).rows[0], "ab  ab");
    rules.double_byte = true;
    EXPECT_EQ(canvas_art(flat(3, 1, 0), rules, colours).rows[0],
              "ab\xD6\xD0"
              "ab");
    TextSource none;
    rules.text = &none;
    EXPECT_EQ(canvas_art(flat(1, 1, 0), rules, colours).rows[0], "\xA8\x80");
    rules.double_byte = false;
    EXPECT_EQ(canvas_art(flat(1, 1, 0), rules, colours).rows[0], "MM");
}

}  // namespace
}  // namespace quillo::imagetext
