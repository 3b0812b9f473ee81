#pragma once
// The settings file "quillo.ini": every key read with its default at start-up, and the keys the
// program writes back at exit, in their fixed order.
#include <cstdint>
#include <filesystem>

#include "document/ini_file.h"
#include "document/settings.h"

namespace quillo::document {

inline constexpr char kSettingsFileName[] = "quillo.ini";
// Shown at exit when the settings file is missing (UTF-8).
inline constexpr char kSettingsLostMessage[] = "\"quillo.ini\"文件丢失！导致系统设置不能保存！";
// Texts of the character picker are kept to this many bytes.
inline constexpr std::size_t kMaxPickerTextBytes = 255;

// Every key; a missing key or a value that is no number where one is expected gives the
// default of Settings. `form_mode` is read only when `decide_form_mode` is 3. The pen-row
// copies are set equal to the pen rows.
Settings read_settings(const IniFile& ini);
// A missing or unreadable file gives the defaults, without a message.
Settings read_settings_file(const std::filesystem::path& path);

// The start-up view the settings ask for: 3 follows `form_mode`, 1 is the canvas, anything
// else the text view.
bool start_in_text_view(const Settings& s);

// Values the main window holds at exit that are written in place of the ones read.
struct ExitValues {
    int decide_form_mode = 1;             // the start-up view choice
    bool text_view = false;               // n_view checked now -> form_mode
    bool colour_at_start = false;         // CBox_color_start (not n_color) -> color_mode
    std::int32_t canvas_back_colour = 0;  // -> draw_back_color
    std::int32_t canvas_text_colour = 0;  // -> draw_font_color
    std::int32_t back_label_colour = 0;   // Lb_back_color -> pen_back_color
    std::int32_t font_label_colour = 0;   // Lb_font_color -> pen_font_color
    std::int32_t memo_back_colour = 0;    // source_memo -> txt_back_color
    std::int32_t memo_font_colour = 0;    // source_memo -> txt_font_color
    bool double_byte = false;             // usechinese1 -> chinese
};
// The exit values of a run in which nothing was changed after `s` was read.
ExitValues exit_values_from(const Settings& s);

// The keys the program writes at exit, in its order: [display], [pen], [file], [game],
// [select], [htm_file], [upload_web] other_editer only, [picture] as Gray_Pen1..Gray_Pen_kind.
// Everything not in `v` comes from `s` (the integrator keeps pen rows, options and so on there).
void write_settings(const Settings& s, const ExitValues& v, IniFile& ini);

// Every key read_settings reads, in reading order: the content of a fresh settings file.
void write_every_setting(const Settings& s, IniFile& ini);

// Exit: false (and nothing written) when the file does not exist, the case of
// kSettingsLostMessage; otherwise the keys are written and the file saved atomically.
// Throws platform::FileError when the file cannot be written.
bool write_settings_file(const std::filesystem::path& path, const Settings& s, const ExitValues& v);

}  // namespace quillo::document
