#pragma once
// Zoom of the canvas view by whole factors. A factor counts screen pixels per canvas pixel, so
// cells stay crisp (nearest neighbour) and the default follows the screen's device pixel ratio:
// factor 2 on a screen of ratio 2 shows the canvas as large as factor 1 does on an ordinary one.
// Every coordinate rule of the canvas stays in canvas pixels; only the view is scaled.
#include <cstdint>

namespace quillo::interop {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;

// The factor for a screen of this device pixel ratio: the ratio rounded (halves to even),
// within 1..4.
int default_zoom(double device_pixel_ratio);
int zoom_in(int factor);
int zoom_out(int factor);

// The canvas pixel under a position given in widget units (device-independent pixels): the
// widget shows each canvas pixel as `factor` screen pixels and each unit is `ratio` of them.
int canvas_pixel(double widget_position, int factor, double ratio);

// Widget units covered by `canvas_pixels` at this factor (rounded to the nearest unit).
int widget_units(int canvas_pixels, int factor, double ratio);

// Canvas pixels inside `units` widget units (whole pixels only).
int canvas_pixels(int units, int factor, double ratio);

// Copies a width x height block of pixels, each repeated factor x factor times. Strides are
// in pixels.
void scale_pixels(const std::uint32_t* src, int src_stride, int width, int height, int factor,
                  std::uint32_t* dst, int dst_stride);

}  // namespace quillo::interop
