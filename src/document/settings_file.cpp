#include "document/settings_file.h"

#include <climits>
#include <string>

#include "canvas/constants.h"
#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

std::string numbered(const char* key, int n) {
    return key + std::to_string(n);
}

// A number outside the range its use can take (a damaged or hand-edited file) reads as the
// default, as a value that is no number does.
int read_int_within(const IniFile& ini, const char* section, const char* key, int fallback,
                    int lowest, int highest) {
    const int v = ini.read_int(section, key, fallback);
    return v < lowest || v > highest ? fallback : v;
}

// Speed levels of the snake game and the kinds of grey-level character tables.
constexpr int kSlowestSnakeLevel = 6;
constexpr int kGreyTableKinds = 3;

}  // namespace

Settings read_settings(const IniFile& ini) {
    const Settings d;
    Settings s;
    // Every number has a meaning here (any but 1 and 3 is the text view), and every 32-bit
    // value below is a colour, so these need no range.
    s.decide_form_mode = ini.read_int("display", "decide_form_mode", d.decide_form_mode);
    if (s.decide_form_mode == 3) s.form_mode = ini.read_bool("display", "form_mode", d.form_mode);
    s.color_mode = ini.read_bool("display", "color_mode", d.color_mode);
    s.draw_back_color = ini.read_int("display", "draw_back_color", d.draw_back_color);
    s.pen_font_color = ini.read_int("display", "pen_font_color", d.pen_font_color);
    s.pen_back_color = ini.read_int("display", "pen_back_color", d.pen_back_color);
    s.draw_font_color = ini.read_int("display", "draw_font_color", d.draw_font_color);
    s.txt_back_color = ini.read_int("display", "txt_back_color", d.txt_back_color);
    s.txt_font_color = ini.read_int("display", "txt_font_color", d.txt_font_color);
    s.chinese = ini.read_bool("display", "chinese", d.chinese);

    s.pen_single = ini.read_string("pen", "pen_single", d.pen_single);
    s.pen_double = ini.read_string("pen", "pen_double", d.pen_double);
    s.pen_sing_bakup = s.pen_single;
    s.pen_doub_bakup = s.pen_double;
    s.pen_st = read_int_within(ini, "pen", "pen_st", d.pen_st, 0, canvas::kMaxPenSlot);

    s.bake_up = ini.read_bool("file", "bake_up", d.bake_up);
    s.blank_out = ini.read_bool("file", "blank_out", d.blank_out);
    s.save_ini = ini.read_bool("file", "save_ini", d.save_ini);
    s.ascii_check = ini.read_bool("file", "ascii_check", d.ascii_check);

    s.snake_speed =
        read_int_within(ini, "game", "snake_speed", d.snake_speed, 0, kSlowestSnakeLevel);
    s.snake_body = ini.read_string("game", "snake_body", d.snake_body);
    s.body_mood = ini.read_bool("game", "body_mood", d.body_mood);
    // Steps between two speed-ups: at least one.
    s.difficult = read_int_within(ini, "game", "difficult", d.difficult, 1, INT_MAX);

    for (int i = 0; i < 6; ++i) {
        s.no[i] = ini.read_string("select", numbered("no", i + 1), d.no[i]);
        s.w[i] = ini.read_string("select", numbered("w", i + 1), d.w[i]);
        if (s.w[i].size() > kMaxPickerTextBytes) s.w[i].resize(kMaxPickerTextBytes);
    }

    for (int i = 0; i < 5; ++i)
        s.name[i] = ini.read_string("upload_web", numbered("name", i + 1), d.name[i]);
    for (int i = 0; i < 5; ++i)
        s.adr[i] = ini.read_string("upload_web", numbered("adr", i + 1), d.adr[i]);
    for (int i = 0; i < 5; ++i)
        s.sourcefile[i] =
            ini.read_string("upload_web", numbered("sourcefile", i + 1), d.sourcefile[i]);
    s.other_editer = ini.read_string("upload_web", "other_editer", d.other_editer);

    s.foodstop = ini.read_bool("htm_file", "foodstop", d.foodstop);
    for (int i = 0; i < 3; ++i)
        s.gray_pen[i] = ini.read_string("picture", numbered("Gray_pen", i + 1), d.gray_pen[i]);
    s.gray_pen_kind =
        read_int_within(ini, "picture", "Gray_pen_kind", d.gray_pen_kind, 1, kGreyTableKinds);
    return s;
}

Settings read_settings_file(const fs::path& path) {
    try {
        return read_settings(IniFile::load(path));
    } catch (const platform::FileError&) {
        return Settings{};
    }
}

bool start_in_text_view(const Settings& s) {
    if (s.decide_form_mode == 3) return s.form_mode;
    return s.decide_form_mode != 1;
}

ExitValues exit_values_from(const Settings& s) {
    ExitValues v;
    v.decide_form_mode = s.decide_form_mode;
    v.text_view = start_in_text_view(s);
    v.colour_at_start = s.color_mode;
    v.canvas_back_colour = s.draw_back_color;
    v.canvas_text_colour = s.pen_font_color;  // the canvas text colour is read from pen_font_color
    v.back_label_colour = s.pen_back_color;
    v.font_label_colour = s.pen_font_color;
    v.memo_back_colour = s.txt_back_color;
    v.memo_font_colour = s.txt_font_color;
    v.double_byte = s.chinese;
    return v;
}

void write_settings(const Settings& s, const ExitValues& v, IniFile& ini) {
    ini.write_int("display", "decide_form_mode", v.decide_form_mode);
    ini.write_bool("display", "form_mode", v.text_view);
    ini.write_bool("display", "color_mode", v.colour_at_start);
    ini.write_int("display", "draw_back_color", v.canvas_back_colour);
    ini.write_int("display", "draw_font_color", v.canvas_text_colour);
    ini.write_int("display", "pen_back_color", v.back_label_colour);
    ini.write_int("display", "pen_font_color", v.font_label_colour);
    ini.write_int("display", "txt_back_color", v.memo_back_colour);
    ini.write_int("display", "txt_font_color", v.memo_font_colour);
    ini.write_bool("display", "chinese", v.double_byte);

    ini.write_string("pen", "pen_single", s.pen_single);
    ini.write_string("pen", "pen_double", s.pen_double);
    ini.write_string("pen", "pen_sing_bakup", s.pen_sing_bakup);
    ini.write_string("pen", "pen_doub_bakup", s.pen_doub_bakup);
    ini.write_int("pen", "pen_st", s.pen_st);

    ini.write_bool("file", "bake_up", s.bake_up);
    ini.write_bool("file", "save_ini", s.save_ini);
    ini.write_bool("file", "ascii_check", s.ascii_check);
    ini.write_bool("file", "blank_out", s.blank_out);

    ini.write_string("game", "snake_body", s.snake_body);
    ini.write_int("game", "difficult", s.difficult);
    ini.write_int("game", "snake_speed", s.snake_speed);
    ini.write_bool("game", "body_mood", s.body_mood);

    for (int i = 0; i < 6; ++i) {
        ini.write_string("select", numbered("no", i + 1), s.no[i]);
        ini.write_string("select", numbered("w", i + 1), s.w[i]);
    }

    ini.write_bool("htm_file", "foodstop", s.foodstop);
    ini.write_string("upload_web", "other_editer", s.other_editer);

    for (int i = 0; i < 3; ++i)
        ini.write_string("picture", numbered("Gray_Pen", i + 1), s.gray_pen[i]);
    ini.write_int("picture", "Gray_Pen_kind", s.gray_pen_kind);
}

void write_every_setting(const Settings& s, IniFile& ini) {
    ini.write_int("display", "decide_form_mode", s.decide_form_mode);
    ini.write_bool("display", "form_mode", s.form_mode);
    ini.write_bool("display", "color_mode", s.color_mode);
    ini.write_int("display", "draw_back_color", s.draw_back_color);
    ini.write_int("display", "pen_font_color", s.pen_font_color);
    ini.write_int("display", "pen_back_color", s.pen_back_color);
    ini.write_int("display", "draw_font_color", s.draw_font_color);
    ini.write_int("display", "txt_back_color", s.txt_back_color);
    ini.write_int("display", "txt_font_color", s.txt_font_color);
    ini.write_bool("display", "chinese", s.chinese);

    ini.write_string("pen", "pen_single", s.pen_single);
    ini.write_string("pen", "pen_double", s.pen_double);
    ini.write_string("pen", "pen_sing_bakup", s.pen_sing_bakup);
    ini.write_string("pen", "pen_doub_bakup", s.pen_doub_bakup);
    ini.write_int("pen", "pen_st", s.pen_st);

    ini.write_bool("file", "bake_up", s.bake_up);
    ini.write_bool("file", "blank_out", s.blank_out);
    ini.write_bool("file", "save_ini", s.save_ini);
    ini.write_bool("file", "ascii_check", s.ascii_check);

    ini.write_int("game", "snake_speed", s.snake_speed);
    ini.write_string("game", "snake_body", s.snake_body);
    ini.write_bool("game", "body_mood", s.body_mood);
    ini.write_int("game", "difficult", s.difficult);

    for (int i = 0; i < 6; ++i) {
        ini.write_string("select", numbered("no", i + 1), s.no[i]);
        ini.write_string("select", numbered("w", i + 1), s.w[i]);
    }

    for (int i = 0; i < 5; ++i) ini.write_string("upload_web", numbered("name", i + 1), s.name[i]);
    for (int i = 0; i < 5; ++i) ini.write_string("upload_web", numbered("adr", i + 1), s.adr[i]);
    for (int i = 0; i < 5; ++i)
        ini.write_string("upload_web", numbered("sourcefile", i + 1), s.sourcefile[i]);
    ini.write_string("upload_web", "other_editer", s.other_editer);

    ini.write_bool("htm_file", "foodstop", s.foodstop);
    for (int i = 0; i < 3; ++i)
        ini.write_string("picture", numbered("Gray_pen", i + 1), s.gray_pen[i]);
    ini.write_int("picture", "Gray_pen_kind", s.gray_pen_kind);
}

bool write_settings_file(const fs::path& path, const Settings& s, const ExitValues& v) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return false;
    IniFile ini = IniFile::load(path);
    write_settings(s, v, ini);
    if (ini.modified()) ini.save(path);
    return true;
}

}  // namespace quillo::document
