#pragma once
// Colour values as the settings, colour files and pages store them: Windows COLORREF values
// 0x00BBGGRR, and system colours 0x800000nn (negative as signed 32-bit) resolved to the fixed
// RGB values of the classic Windows scheme.
#include <cstdint>

#include "platform/raster.h"

namespace quillo::platform {

using WinColour = std::int32_t;

inline constexpr WinColour kClBtnFace = static_cast<WinColour>(0x8000000F);
inline constexpr WinColour kClWindow = static_cast<WinColour>(0x80000005);
inline constexpr WinColour kClWindowText = static_cast<WinColour>(0x80000008);
inline constexpr WinColour kClBlack = 0x000000;
inline constexpr WinColour kClWhite = 0xFFFFFF;

bool is_system_colour(WinColour c);

// 0x00RRGGBB for painting.
Rgb resolve_colour(WinColour c);

// Plain 0x00BBGGRR value for an RGB colour.
WinColour colour_from_rgb(Rgb rgb);

}  // namespace quillo::platform
