#include "document/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "document/text_file.h"
#include "platform/gbk.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

// Keys in the order they appear in the file.
std::vector<std::string> keys_of(const IniFile& ini) {
    std::vector<std::string> keys;
    for (const auto& line : ini.lines()) {
        const auto eq = line.find('=');
        if (!line.empty() && line[0] == '[') keys.push_back(line);
        if (eq != std::string::npos) keys.push_back(line.substr(0, eq));
    }
    return keys;
}

TEST(SettingsFile, MissingKeysAndNonNumbersGiveTheDefaults) {
    const IniFile ini = IniFile::from_bytes(
        "[display]\ndecide_form_mode=2\nform_mode=1\ndraw_back_color=blue\n"
        "pen_font_color=255\n[select]\nw2=" +
        std::string(300, 'x') + "\n[game]\ndifficult=40000\n");
    const Settings s = read_settings(ini);
    const Settings d;
    EXPECT_EQ(s.decide_form_mode, 2);
    EXPECT_FALSE(s.form_mode);  // read only when decide_form_mode is 3
    EXPECT_TRUE(start_in_text_view(s));
    EXPECT_EQ(s.draw_back_color, static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(s.pen_font_color, 255);
    EXPECT_EQ(s.w[1].size(), kMaxPickerTextBytes);
    EXPECT_EQ(s.difficult, 40000);
    EXPECT_EQ(s.pen_single, d.pen_single);
    EXPECT_EQ(s.pen_sing_bakup, d.pen_single);
    EXPECT_EQ(s.snake_body,
              platform::utf8_to_gbk(
                  "欢迎使用QUILLO 贪吃蛇游戏，想使用自己喜欢的话作为蛇的身体，请在此写下来吧！"));
    EXPECT_EQ(s.name[0], "Tarnel");
    EXPECT_EQ(s.sourcefile[0], "add.ht_");
    EXPECT_TRUE(s.save_ini);

    Settings three;
    three.decide_form_mode = 3;
    three.form_mode = false;
    EXPECT_FALSE(start_in_text_view(three));
    three.form_mode = true;
    EXPECT_TRUE(start_in_text_view(three));
    EXPECT_TRUE(start_in_text_view(
        read_settings(IniFile::from_bytes("[display]\ndecide_form_mode=3\nform_mode=1\n"))));
}

TEST(SettingsFile, NumbersOutsideTheirRangeGiveTheDefaults) {
    const auto read = [](const std::string& text) {
        return read_settings(IniFile::from_bytes(text));
    };
    const Settings d;
    // A damaged pen slot must not make the pen row grow to it.
    EXPECT_EQ(read("[pen]\npen_st=100000000\n").pen_st, d.pen_st);
    EXPECT_EQ(read("[pen]\npen_st=2147483647\n").pen_st, d.pen_st);
    EXPECT_EQ(read("[pen]\npen_st=-1\n").pen_st, d.pen_st);
    EXPECT_EQ(read("[pen]\npen_st=171\n").pen_st, d.pen_st);
    EXPECT_EQ(read("[pen]\npen_st=170\n").pen_st, 170);
    EXPECT_EQ(read("[pen]\npen_st=0\n").pen_st, 0);  // the eraser

    EXPECT_EQ(read("[game]\nsnake_speed=7\n").snake_speed, d.snake_speed);
    EXPECT_EQ(read("[game]\nsnake_speed=-1\n").snake_speed, d.snake_speed);
    EXPECT_EQ(read("[game]\nsnake_speed=6\n").snake_speed, 6);
    EXPECT_EQ(read("[game]\nsnake_speed=0\n").snake_speed, 0);
    EXPECT_EQ(read("[game]\ndifficult=0\n").difficult, d.difficult);
    EXPECT_EQ(read("[game]\ndifficult=-200\n").difficult, d.difficult);
    EXPECT_EQ(read("[game]\ndifficult=1\n").difficult, 1);
    EXPECT_EQ(read("[picture]\nGray_pen_kind=4\n").gray_pen_kind, d.gray_pen_kind);
    EXPECT_EQ(read("[picture]\nGray_pen_kind=0\n").gray_pen_kind, d.gray_pen_kind);
    EXPECT_EQ(read("[picture]\nGray_pen_kind=3\n").gray_pen_kind, 3);
    // An empty body is the game's to fill from the pen.
    EXPECT_EQ(read("[game]\nsnake_body=\nbody_mood=1\n").snake_body, "");

    // Every value means something here: other start-up views are the text view, and any
    // 32-bit number is a colour.
    EXPECT_EQ(read("[display]\ndecide_form_mode=7\n").decide_form_mode, 7);
    EXPECT_EQ(read("[display]\ndraw_back_color=-1\n").draw_back_color, -1);
}

TEST(SettingsFile, ThePublishingListIsNeverWrittenAtExit) {
    Settings s;
    s.name[0] = "changed";
    IniFile ini;
    write_settings(s, exit_values_from(s), ini);
    EXPECT_FALSE(ini.find("upload_web", "name1").has_value());
    EXPECT_FALSE(ini.find("upload_web", "sourcefile1").has_value());
    EXPECT_EQ(ini.read_string("upload_web", "other_editer", ""), s.other_editer);
}

TEST(SettingsFile, ExitValuesTakeThePlaceOfTheOnesRead) {
    Settings s;
    ExitValues v = exit_values_from(s);
    v.canvas_text_colour = 0x112233;  // written as draw_font_color
    v.font_label_colour = 0x0000FF;   // the chosen text colour: pen_font_color
    v.colour_at_start = false;
    v.text_view = true;
    s.color_mode = true;  // multicolour now, but the options box was not checked
    IniFile ini;
    write_settings(s, v, ini);
    EXPECT_EQ(ini.read_int("display", "draw_font_color", 0), 0x112233);
    EXPECT_EQ(ini.read_int("display", "pen_font_color", 0), 0x0000FF);
    EXPECT_FALSE(ini.read_bool("display", "color_mode", true));
    EXPECT_TRUE(ini.read_bool("display", "form_mode", false));
    // The next start takes the chosen text colour as the canvas text colour.
    EXPECT_EQ(read_settings(ini).pen_font_color, 0x0000FF);
}

TEST(SettingsFile, RoundTripThroughAFileKeepsEveryValueAndForeignLines) {
    const fs::path dir =
        fs::temp_directory_path() / ("quillo_settings_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path path = dir / kSettingsFileName;

    Settings s;
    EXPECT_FALSE(write_settings_file(path, s, exit_values_from(s)));  // missing: loss message
    EXPECT_FALSE(fs::exists(path));

    IniFile fresh;
    write_every_setting(shipped_settings(), fresh);
    fresh.write_string("mine", "keep", "this");
    fresh.save(path);

    s.pen_single = " \xA1\xF6 \xA1\xF6";  // first slot blank
    s.pen_sing_bakup = s.pen_single;
    s.pen_st = 7;
    s.blank_out = true;
    s.w[5] = "\xB0\xA1 ";
    s.gray_pen[2] = "@%#*+=-:. ";
    s.gray_pen_kind = 3;
    s.draw_back_color = static_cast<std::int32_t>(0x8000000F);
    ExitValues v = exit_values_from(s);
    v.canvas_back_colour = 0x00FFFF;
    ASSERT_TRUE(write_settings_file(path, s, v));

    const Settings back = read_settings_file(path);
    EXPECT_EQ(back.pen_single, s.pen_single);
    EXPECT_EQ(back.pen_st, 7);
    EXPECT_TRUE(back.blank_out);
    EXPECT_EQ(back.w[5], s.w[5]);
    EXPECT_EQ(back.gray_pen[2], s.gray_pen[2]);
    EXPECT_EQ(back.gray_pen_kind, 3);
    EXPECT_EQ(back.draw_back_color, 0x00FFFF);
    EXPECT_EQ(IniFile::load(path).read_string("mine", "keep", ""), "this");
    fs::remove_all(dir);
}

TEST(SettingsFile, ShippedFileHoldsEveryKeyWithReadableText) {
    const IniFile shipped = IniFile::load(fs::path(QUILLO_SOURCE_DIR) / "src" / "resources" /
                                          "program_dir" / kSettingsFileName);
    IniFile every;
    write_every_setting(Settings{}, every);
    for (const auto& key : keys_of(every)) {
        if (key[0] == '[') continue;
        bool found = false;
        for (const char* section :
             {"display", "pen", "file", "game", "select", "upload_web", "htm_file", "picture"})
            found = found || shipped.find(section, key).has_value();
        EXPECT_TRUE(found) << key;
    }
    const Settings s = read_settings(shipped);
    EXPECT_NE(s.pen_font_color, s.draw_back_color);
    const std::string bytes = read_file_bytes(fs::path(QUILLO_SOURCE_DIR) / "src" / "resources" /
                                              "program_dir" / kSettingsFileName);
    std::size_t lf = 0, crlf = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') ++lf;
        if (bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r') ++crlf;
    }
    EXPECT_GT(lf, 60u);
    EXPECT_EQ(lf, crlf);  // CR LF line ends only
}

}  // namespace
}  // namespace quillo::document
