#pragma once
// The numbers of the snake game: step intervals, points, the board's right edge, the keys and
// the message that ends a game.
#include <string>

namespace quillo::extras {

inline constexpr int kSnakeMaxSegments = 250;  // entries of the segment table
inline constexpr int kSnakeMinStartLength = 2;
inline constexpr int kSnakeMaxStartLength = 30;
inline constexpr int kSnakeMinLevel = 0;  // fastest start
inline constexpr int kSnakeMaxLevel = 6;  // slowest start
inline constexpr int kSnakeDefaultLevelUp = 200;
inline constexpr int kSnakeFoodPoints = 150;
inline constexpr int kSnakeLevelUpPoints = 250;
inline constexpr int kSpeedGaugeMax = 12;
inline constexpr int kLengthGaugeMax = 100;

// Directions of the head.
inline constexpr int kRight = 1;
inline constexpr int kDown = 2;
inline constexpr int kLeft = 3;
inline constexpr int kUp = 4;

// Key codes the game reads (the classic virtual-key numbers, also shown in Edit1).
inline constexpr int kKeyPause = 19;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Step interval of a new game at a level.
int start_interval_ms(int level);
// Step interval after a speed-up brought the level down to `level`.
int level_up_interval_ms(int level);
// Step interval the options dialog sets for the level of the running game.
int options_interval_ms(int level);
// Points for every step: 4 for a level-up distance of 100, 3 for 200, 2 for 300, 1 for 40000.
int step_points(int level_up_distance);

// The last column of the board for a board panel of that many pixels (16 pixels a cell). A
// cell past byte 255 of a row could never be shown, so the board ends before it.
int board_right_edge(int panel_width_px);

// The direction a key sets, or 0 for a key that does not steer.
int direction_for_key(int key);

// What a key pressed in the pen box does to the step timer.
enum class KeyEffect { none, pause, resume };
KeyEffect key_effect(int key);

// The message that ends a game with that score (UTF-8).
std::string game_over_message(int score);

}  // namespace quillo::extras
