#include "extras/snake_rules.h"

#include <algorithm>

#include "canvas/constants.h"
#include "canvas/row_text.h"

namespace quillo::extras {

int start_interval_ms(int level) {
    return 70 * level + 10;
}

int level_up_interval_ms(int level) {
    return 40 * level + 19;
}

int options_interval_ms(int level) {
    return 40 * level + 18;
}

int step_points(int level_up_distance) {
    if (level_up_distance < 1) level_up_distance = kSnakeDefaultLevelUp;
    return 1 + canvas::round_half_even(300.0 / level_up_distance);
}

int board_right_edge(int panel_width_px) {
    const int edge = canvas::round_half_even(panel_width_px / 16.0);
    return std::clamp(edge, 0, canvas::kMaxRowBytes / 2);
}

int direction_for_key(int key) {
    switch (key) {
        case kKeyLeft:
            return kLeft;
        case kKeyUp:
            return kUp;
        case kKeyRight:
            return kRight;
        case kKeyDown:
            return kDown;
        default:
            return 0;
    }
}

KeyEffect key_effect(int key) {
    return key == kKeyPause ? KeyEffect::pause : KeyEffect::resume;
}

std::string game_over_message(int score) {
    const std::string s = std::to_string(score);
    if (score < 10000) return "你的得分是" + s + ",看来很水皮耶。";
    if (score < 20000) return s + "分，成绩不错，继续努力！";
    return "好厉害呀，你拿了" + s + "分！";
}

}  // namespace quillo::extras
