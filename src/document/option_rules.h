#pragma once
// The rules of the options dialog that need no window: which buttons stand for which settings,
// the snake's body text, and what OK takes back into the settings.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/settings.h"

namespace quillo::document {

// Pieces of the snake body built from the pen, and the length a typed body must exceed.
inline constexpr int kPenBodyRepeats = 254;
inline constexpr std::size_t kTypedBodyMinBytes = 254;

// Level-up buttons diff1..diff4 ("很快", "较快", "较慢", "永不") and their distances.
inline constexpr int kLevelUpDistances[] = {100, 200, 300, 40000};

// The button (1..4) shown for a level-up distance: the distance / 100 rounded to the nearest
// (halves to even), 1 to 3 as they are, anything else 4.
int difficulty_button(int level_up_distance);
// The distance of a button (1..4); anything else is the last.
int level_up_distance(int button);

// The start-up button (1 Radio_draw, 2 Radio_text, 3 Radio_last_window) for a
// decide_form_mode; any other value starts in the text view, so it shows as 2.
int start_view_button(int decide_form_mode);

// "使用笔框内字符": the pen's cell (its first two bytes, one byte and a space, "●" for an empty
// pen) 254 times.
std::string snake_body_from_pen(std::string_view pen);
// "重新定义输入": the lines joined without separators, repeated until the text is longer than
// 254 bytes. Nothing typed counts as "●", so that the repetition ends.
std::string snake_body_from_lines(const std::vector<std::string>& lines);

enum class BodyChoice { pen, typed, keep };

// What the dialog holds when OK is pressed, for the settings it carries.
struct OptionChoices {
    int start_speed = 2;  // TrackBar_speed_1
    int difficulty = 2;   // diff1..diff4
    BodyChoice body = BodyChoice::keep;
    std::string pen;                       // GBK: the pen text, for BodyChoice::pen
    std::vector<std::string> typed_lines;  // GBK: Memo1, for BodyChoice::typed
    bool bake_up = false;
    bool blank_out = false;
    bool save_ini = true;
    bool ascii_check = false;
    std::string other_editer;
    int start_view = 1;  // Radio_draw, Radio_text, Radio_last_window
    std::int32_t memo_font_colour = 0;
    std::int32_t memo_back_colour = 0;
};

// OK's changes to the settings: game speed, level-up distance, snake body (body_mood follows
// "使用上次使用过的文字"), the file options, the hand-off program, the start-up view and the
// text window's colours.
void apply_option_choices(Settings& s, const OptionChoices& c);

}  // namespace quillo::document
