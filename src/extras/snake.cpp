#include "extras/snake.h"

#include <algorithm>
#include <bitset>

#include "canvas/constants.h"
#include "canvas/row_text.h"
#include "extras/snake_body.h"
#include "tools/points.h"

namespace quillo::extras {

namespace {

constexpr int kMaxCells = canvas::kMaxRowBytes / 2 + 1;  // a 2-byte cell whose first byte fits

SnakeSegment& entry(SnakeState& s, int i) {
    return s.segments[static_cast<std::size_t>(i)];
}
const SnakeSegment& entry(const SnakeState& s, int i) {
    return s.segments[static_cast<std::size_t>(i)];
}

// Writes two bytes over cell x of a row, leaving out bytes left of the row or past its end:
// the row's length never changes.
void put_cell(std::string& row, int x, char first, char second) {
    const long long at = 2LL * x - 1;
    const long long size = static_cast<long long>(row.size());
    if (at >= 1 && at <= size) row[static_cast<std::size_t>(at - 1)] = first;
    if (at + 1 >= 1 && at + 1 <= size) row[static_cast<std::size_t>(at)] = second;
}

std::string* board_row(canvas::CanvasState& c, int y) {
    if (y < 1 || y > std::min(c.height, canvas::kMaxRows)) return nullptr;
    return &c.layers.row(canvas::kWorking, y);
}

void blank_board(canvas::CanvasState& c) {
    const auto bytes = static_cast<std::size_t>(std::clamp(2 * c.width, 0, canvas::kMaxRowBytes));
    for (int r = 1; r <= std::min(c.height, canvas::kMaxRows); ++r)
        c.layers.row(canvas::kWorking, r).assign(bytes, ' ');
}

void lay_food(const SnakeState& s, canvas::CanvasState& c, std::string_view pen) {
    if (std::string* row = board_row(c, s.food_y)) {
        const std::string unit = pen_cell_unit(pen);
        put_cell(*row, s.food_x, unit[0], unit[1]);
    }
}

void move_one_cell(SnakeSegment& seg, int direction) {
    switch (direction) {
        case kRight:
            ++seg.x;
            break;
        case kDown:
            ++seg.y;
            break;
        case kLeft:
            --seg.x;
            break;
        default:
            --seg.y;
            break;
    }
}

bool collides(const SnakeState& s, const canvas::CanvasState& c, int right_edge) {
    const SnakeSegment& head = s.head();
    if (head.x < 1 || head.x > right_edge || head.y < 1 || head.y > c.height) return true;
    for (int i = 1; i < s.length; ++i)
        if (entry(s, i).x == head.x && entry(s, i).y == head.y) return true;
    return false;
}

void speed_up(SnakeState& s) {
    if (s.level > 1) {
        --s.level;
        s.speed_gauge = kSnakeMaxLevel - s.level;
        s.interval_ms = level_up_interval_ms(s.level);
    } else {
        s.interval_ms = std::max(1, canvas::round_half_even(s.interval_ms * 0.97));
        ++s.speed_gauge;
    }
    s.distance_gauge = 0;
    s.score += kSnakeLevelUpPoints;
}

}  // namespace

void start_snake(SnakeState& s, canvas::CanvasState& c, const SnakeSettings& settings,
                 std::string_view pen, platform::Random& rng) {
    const int n = std::clamp(settings.start_length, kSnakeMinStartLength, kSnakeMaxStartLength);
    s.length = n;
    s.level = std::clamp(settings.start_level, kSnakeMinLevel, kSnakeMaxLevel);
    s.interval_ms = start_interval_ms(s.level);
    s.level_up_distance =
        settings.level_up_distance >= 1 ? settings.level_up_distance : kSnakeDefaultLevelUp;
    s.speed_gauge = kSnakeMaxLevel - s.level;
    s.distance_gauge = 0;
    s.length_gauge = n;
    s.score = 0;

    blank_board(c);
    entry(s, n) = {1, c.height / 2, 1};
    for (int i = n - 1; i >= 1; --i)
        entry(s, i) = {entry(s, i + 1).x - 1, entry(s, n).y, n - i + 1};

    s.ate = false;
    s.collided = false;
    s.direction = kRight;
    s.body = snake_body_for_game(settings.body, pen);
    place_food(s, c, pen, rng);
}

bool place_food(SnakeState& s, canvas::CanvasState& c, std::string_view pen,
                platform::Random& rng) {
    const int h = std::clamp(c.height, 1, canvas::kMaxRows);
    const int w = std::clamp(c.width, 1, canvas::kMaxRowBytes);
    std::array<std::bitset<kMaxCells + 1>, canvas::kMaxRows + 1> taken{};
    for (int i = 1; i <= s.length; ++i) {
        const SnakeSegment& seg = entry(s, i);
        if (seg.y >= 1 && seg.y <= h && seg.x >= 1 && seg.x <= kMaxCells)
            taken[static_cast<std::size_t>(seg.y)][static_cast<std::size_t>(seg.x)] = true;
    }
    const auto free_at = [&](int v) {
        const tools::Cell cell = tools::scatter_cell(v, w);
        return !taken[static_cast<std::size_t>(cell.y)][static_cast<std::size_t>((cell.x + 1) / 2)];
    };
    // Drawing again until a free cell comes up would never end on a board the snake fills.
    bool any_free = false;
    for (int v = 0; v < h * w && !any_free; ++v) any_free = free_at(v);
    s.has_food = any_free;
    if (!any_free) return false;

    int v = rng.next_int(h * w);
    while (!free_at(v)) v = rng.next_int(h * w);
    const tools::Cell cell = tools::scatter_cell(v, w);
    s.food_x = (cell.x + 1) / 2;
    s.food_y = cell.y;
    lay_food(s, c, pen);
    return true;
}

StepResult step_snake(SnakeState& s, canvas::CanvasState& c, int right_edge, std::string_view pen,
                      platform::Random& rng) {
    const int n = s.length;
    if (!s.ate) {
        for (int i = 1; i < n; ++i) {
            entry(s, i).x = entry(s, i + 1).x;
            entry(s, i).y = entry(s, i + 1).y;
        }
    } else {
        for (int i = 1; i <= n; ++i) entry(s, i).text_index = n - i + 1;
        entry(s, n).x = entry(s, n - 1).x;
        entry(s, n).y = entry(s, n - 1).y;
    }
    move_one_cell(entry(s, n), s.direction);

    s.collided = collides(s, c, right_edge);
    if (s.collided) return StepResult::collided;

    const SnakeSegment& head = s.head();
    s.ate = s.has_food && head.x == s.food_x && head.y == s.food_y;
    if (s.ate) {
        s.score += kSnakeFoodPoints;
        place_food(s, c, pen, rng);
        if (n < kSnakeMaxSegments) ++s.length_gauge;
    }

    ++s.distance_gauge;
    s.score += step_points(s.level_up_distance);
    if (s.distance_gauge >= s.level_up_distance) speed_up(s);

    draw_snake(s, c);

    if (s.ate) {
        if (n < kSnakeMaxSegments) {
            // The new head slot; the next step moves it off the old head.
            s.length = n + 1;
            entry(s, n + 1) = {head.x, head.y, 1};
        } else {
            s.ate = false;  // the table is full: the snake stops growing
        }
    }
    return StepResult::moved;
}

void draw_snake(const SnakeState& s, canvas::CanvasState& c) {
    for (int i = 2; i <= s.length; ++i) {
        const SnakeSegment& seg = entry(s, i);
        if (std::string* row = board_row(c, seg.y)) {
            const auto piece = body_piece(s.body, seg.text_index);
            put_cell(*row, seg.x, piece[0], piece[1]);
        }
    }
    if (s.length >= 1) {
        const SnakeSegment& tail = entry(s, 1);
        if (std::string* row = board_row(c, tail.y)) put_cell(*row, tail.x, ' ', ' ');
    }
}

void redraw_snake_board(SnakeState& s, canvas::CanvasState& c, std::string_view pen,
                        platform::Random& rng) {
    blank_board(c);
    const bool food_on_board = s.has_food && s.food_y >= 1 && s.food_y <= c.height &&
                               2 * s.food_x - 1 <= std::clamp(c.width, 1, canvas::kMaxRowBytes);
    if (food_on_board)
        lay_food(s, c, pen);
    else
        place_food(s, c, pen, rng);
    draw_snake(s, c);
}

KeyEffect snake_key(SnakeState& s, int key) {
    if (const int d = direction_for_key(key)) s.direction = d;
    const KeyEffect effect = key_effect(key);
    if (effect == KeyEffect::resume && s.collided) return KeyEffect::none;
    return effect;
}

}  // namespace quillo::extras
