#pragma once
// The numbers the image window shows and obeys: the starting size of the resolution image, the
// slider ranges, the page-size estimate and the limits for publishing and for placing the text
// art on the canvas.
#include <cstdint>
#include <string>
#include <string_view>

namespace quillo::imagetext {

// The sliders keep the resolution image within this size.
inline constexpr int kMaxResolutionWidth = 192;
inline constexpr int kMaxResolutionHeight = 144;
// A page holds about this many bytes per pixel.
inline constexpr int kPageBytesPerPixel = 35;
// Page-size limits: publishing, and placing on the canvas.
inline constexpr std::int64_t kSendLimit = 40000;
inline constexpr std::int64_t kDrawLimit = 350000;
// The canvas takes at most this many pixels a row (the selection colour layer's 150 cells in
// double-byte mode) and 80 rows.
inline constexpr int kDrawMaxWidth = 150;
inline constexpr int kDrawMaxHeight = 80;

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// a / b to the nearest integer, halves to even (b > 0).
std::int64_t divide_half_even(std::int64_t a, std::int64_t b);

// Starting size of the resolution image for a working picture of wo x ho pixels: 42 columns for
// a picture more than 1.5 times wider than high, else 28 rows, the other side in proportion;
// a smaller picture keeps its own size. A side that would round to 0 is 1.
Size starting_size(int wo, int ho);

// Slider maxima: the larger of the picture's side and the starting size, at most 192 x 144.
int width_slider_max(int wo, int start_w);
int height_slider_max(int ho, int start_h);

// The height that follows the width slider while proportional scaling is on: width / ratio,
// truncated, with ratio = wo / ho (1 when ho is 0).
int proportional_height(int width, int wo, int ho);

// W x H x 35 bytes as "7000Byte", "170.9KB" or "1.5MB".
std::string page_size_estimate(int w, int h);
std::int64_t page_bytes(int w, int h);

// tb_send: the page is at most 40000 bytes.
bool send_allowed(int w, int h);
// tb_draw: the page is at most 350000 bytes, the picture at most 150 x 80 pixels, and the mode
// is not "colours and grey characters at once".
bool draw_allowed(int w, int h, bool colour_and_word_mode);

// The window caption for a picture file: a path of more than 30 characters is shown as its
// first 3 characters, "..." and its last 24 (UTF-8 characters, never cut inside one).
std::string picture_caption(std::string_view path);
inline constexpr std::string_view kWindowCaption = "Quillo——图画变成彩色文字画！";

// Read-outs and hints (UTF-8).
std::string size_hint(int w, int h);           // "SIZE:" + h + "×" + w
std::string org_panel(int w, int h);           // "Org:" + w + "×" + h
std::string now_panel(int w, int h);           // "Now:" + w + "×" + h
std::string file_size_panel(int w, int h);     // "FileSize:" + estimate
std::string width_slider_hint(int w, int h);   // after the width slider
std::string height_slider_hint(int w, int h);  // after the height slider

}  // namespace quillo::imagetext
