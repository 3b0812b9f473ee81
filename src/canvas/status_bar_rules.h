#pragma once
// The status bar's six panels: widths, the hint shown over each and what a click does.
#include <array>
#include <string>

namespace quillo::canvas {

inline constexpr int kStatusPanelCount = 6;
inline constexpr std::array<int, kStatusPanelCount> kStatusPanelWidths{25, 25, 25, 120, 70, 250};

// Panel under x (panels are laid side by side from x = 0; the last one takes the rest).
int status_panel_at(int x);

// Hint (UTF-8) shown over the panel under x.
const char* status_hint_at(int x);

enum class StatusClick { none, byte_mode, view_mode, colour_mode };

// What a click at x asks for; the caller checks the conditions (drawing mode, word wrap, menu).
StatusClick status_click_at(int x);

// "X:%2d Y:%2d"
std::string coordinate_text(int column, int row);

}  // namespace quillo::canvas
