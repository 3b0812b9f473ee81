#include "document/option_rules.h"

#include <iterator>

#include "canvas/row_text.h"
#include "extras/snake_body.h"

namespace quillo::document {

int difficulty_button(int level_up_distance) {
    const int n = canvas::round_half_even(level_up_distance / 100.0);
    return n >= 1 && n <= 3 ? n : 4;
}

int level_up_distance(int button) {
    constexpr int count = static_cast<int>(std::size(kLevelUpDistances));
    return kLevelUpDistances[(button >= 1 && button <= count ? button : count) - 1];
}

int start_view_button(int decide_form_mode) {
    return decide_form_mode == 1 || decide_form_mode == 3 ? decide_form_mode : 2;
}

std::string snake_body_from_pen(std::string_view pen) {
    const std::string unit = extras::pen_cell_unit(pen);
    std::string body;
    body.reserve(unit.size() * kPenBodyRepeats);
    for (int i = 0; i < kPenBodyRepeats; ++i) body += unit;
    return body;
}

std::string snake_body_from_lines(const std::vector<std::string>& lines) {
    std::string unit;
    for (const auto& l : lines) unit += l;
    if (unit.empty()) unit = extras::kSnakeDot;
    std::string body;
    while (body.size() <= kTypedBodyMinBytes) body += unit;
    return body;
}

void apply_option_choices(Settings& s, const OptionChoices& c) {
    s.snake_speed = c.start_speed;
    s.difficult = level_up_distance(c.difficulty);
    if (c.body == BodyChoice::pen) s.snake_body = snake_body_from_pen(c.pen);
    if (c.body == BodyChoice::typed) s.snake_body = snake_body_from_lines(c.typed_lines);
    s.body_mood = c.body == BodyChoice::keep;
    s.txt_font_color = c.memo_font_colour;
    s.txt_back_color = c.memo_back_colour;
    s.bake_up = c.bake_up;
    s.blank_out = c.blank_out;
    s.save_ini = c.save_ini;
    s.ascii_check = c.ascii_check;
    s.other_editer = c.other_editer;
    s.decide_form_mode = c.start_view;
}

}  // namespace quillo::document
