#pragma once
// Every preference of the program, with the value it takes when the settings file lacks it.
#include <array>
#include <cstdint>
#include <string>

namespace quillo::document {

struct Settings {
    // [display]
    int decide_form_mode = 1;  // start-up view: 1 drawing, 2 normal text, 3 as last closed
    bool form_mode = false;    // normal text mode when last closed
    bool color_mode = false;   // multicolour mode at start-up
    std::int32_t draw_back_color = static_cast<std::int32_t>(0x8000000F);  // canvas background
    std::int32_t pen_font_color = static_cast<std::int32_t>(0x8000000F);   // canvas text colour
    std::int32_t pen_back_color = 0;
    std::int32_t draw_font_color = 0;
    std::int32_t txt_back_color = static_cast<std::int32_t>(0x8000000F);
    std::int32_t txt_font_color = 0;
    bool chinese = false;
    // [pen]
    std::string pen_single = "1  2  3  4  5  6  7  8  9  0  1  2  3  4  5  6  7  8  9  0";
    std::string pen_double = "11 22 33 44 55 66 77 88 99 00 1  2  3  4  5  6  7  8  9  0";
    std::string pen_sing_bakup = pen_single;  // copies of the pen rows, written back at exit
    std::string pen_doub_bakup = pen_double;
    int pen_st = 1;
    // [file]
    bool bake_up = false;
    bool blank_out = false;
    bool save_ini = true;
    bool ascii_check = false;
    // [game]
    int snake_speed = 2;
    std::string snake_body;  // GBK; set by the constructor
    bool body_mood = false;
    int difficult = 200;
    // [select]
    std::array<std::string, 6> no{"161", "161", "161", "161", "161", "161"};
    std::array<std::string, 6> w{"*", "*", "*", "*", "*", "*"};
    // [upload_web]
    std::array<std::string, 5> name{"Tarnel", "", "", "", ""};
    // Site 1 sends visitors where the makers gather shared works (output::kMakerUploadLocation).
    std::array<std::string, 5> adr{"https://github.com/quillo-editor/quillo/discussions", "", "",
                                   "", ""};
    std::array<std::string, 5> sourcefile{"add.ht_", "", "", "", ""};
    std::string other_editer = "quillo.exe";
    // [htm_file]
    bool foodstop = false;
    // [picture]
    std::array<std::string, 3> gray_pen{"", "", ""};
    int gray_pen_kind = 1;

    Settings();
};

// The values of the settings file shipped with the program: the defaults above, except that
// the canvas text is black so that a first start shows readable text.
Settings shipped_settings();

}  // namespace quillo::document
