#pragma once

namespace quillo::canvas {

inline constexpr int kMaxRows = 80;       // rows a row layer holds
inline constexpr int kMaxRowBytes = 255;  // bytes a row holds
inline constexpr int kLayerCount = 5;

// Pen slots are 3 bytes each; the pen row shows at most twice the widest canvas (double-byte
// mode), so no slot beyond this one can be seen, hovered or stored.
inline constexpr int kMaxPenSlot = 2 * kMaxRowBytes / 3;

// Row layers, always referred to by number.
inline constexpr int kCommitted = 1;
inline constexpr int kWorking = 2;
inline constexpr int kUndo = 3;
inline constexpr int kSnapshot = 4;
inline constexpr int kSelection = 5;

// Pixel geometry of a cell.
inline constexpr int kRowPitch = 16;
inline constexpr int kHalfWidth = 8;
inline constexpr int kFullWidth = 16;

// The canvas image is a fixed bitmap; the panel shows its top-left part.
inline constexpr int kImageSize = 2000;

}  // namespace quillo::canvas
