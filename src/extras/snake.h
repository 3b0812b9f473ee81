#pragma once
// The snake game played on the working layer: its state, the start of a game and one step.
// The step timer of the window only calls step_snake; everything else is here, so a game can be
// played through without a display.
#include <array>
#include <string>
#include <string_view>

#include "canvas/canvas_state.h"
#include "extras/snake_rules.h"
#include "platform/random.h"

namespace quillo::extras {

struct SnakeSegment {
    int x = 0;           // cell column (2-byte cells)
    int y = 0;           // row
    int text_index = 1;  // which 2-byte piece of the body text it shows
};

// What a new game starts from.
struct SnakeSettings {
    int start_length = kSnakeMinStartLength;  // 2..30
    int start_level = 2;                      // 0..6; smaller is faster
    int level_up_distance = kSnakeDefaultLevelUp;
    std::string body;  // GBK, as the settings hold it
};

struct SnakeState {
    // Entries 1..length are in use; entry `length` is the head, entry 1 the blank tail that
    // wipes the cell the snake leaves.
    std::array<SnakeSegment, kSnakeMaxSegments + 1> segments{};
    int length = 0;
    int level = 2;
    int interval_ms = 150;
    int level_up_distance = kSnakeDefaultLevelUp;
    int score = 0;
    std::string body;  // the body text of this game (already repeated)
    int direction = kRight;
    bool ate = false;       // the head reached the food: the snake grows on the next step
    bool collided = false;  // the last step ended the game
    bool has_food = false;  // false only when no free cell was left for it
    int food_x = 0;
    int food_y = 0;
    // The gauges the window shows.
    int speed_gauge = 0;
    int distance_gauge = 0;
    int length_gauge = 0;

    const SnakeSegment& head() const { return segments[static_cast<std::size_t>(length)]; }
};

// The board is rows 1..canvas height of the working layer and 2-byte cells 1..right_edge,
// whatever the double-byte mode.

// Starts a game: blanks the working layer, lays the snake left of the board with its head on
// the first cell of the middle row, heading right, and places the food.
void start_snake(SnakeState& s, canvas::CanvasState& c, const SnakeSettings& settings,
                 std::string_view pen, platform::Random& rng);

enum class StepResult { moved, collided };

// One step: move, test for a collision (the board is left as it was), eat, count, speed up
// and draw.
StepResult step_snake(SnakeState& s, canvas::CanvasState& c, int right_edge, std::string_view pen,
                      platform::Random& rng);

// Puts a new food on a cell of rows 1..canvas height that no segment holds and lays the pen
// there. With no such cell left there is no food. Returns whether food was placed.
bool place_food(SnakeState& s, canvas::CanvasState& c, std::string_view pen, platform::Random& rng);

// Writes the segments into the working layer: the body pieces, and two spaces for the tail.
void draw_snake(const SnakeState& s, canvas::CanvasState& c);

// After the canvas changed size under a running game: the working layer is blanked again and
// the snake and its food are drawn on it (a food now off the rows is placed anew).
void redraw_snake_board(SnakeState& s, canvas::CanvasState& c, std::string_view pen,
                        platform::Random& rng);

// A key pressed in the pen box: arrows turn the head at once (the last key before a step
// counts); the result says whether the step timer is to stop, to run again or to stay as it
// is. After a collision no key runs it again.
KeyEffect snake_key(SnakeState& s, int key);

}  // namespace quillo::extras
