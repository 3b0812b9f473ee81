#pragma once
// A 24-bit raster with a brush colour, a font colour and opaque text output in the cell font.
// Pixels are stored as 0xFFRRGGBB words so that a Qt image can wrap the memory as it is.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillo::platform {

using Rgb = std::uint32_t;  // 0x00RRGGBB

class Raster {
  public:
    Raster(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void set_brush_colour(Rgb c) { brush_ = c; }
    void set_font_colour(Rgb c) { font_ = c; }
    Rgb brush_colour() const { return brush_; }
    Rgb font_colour() const { return font_; }

    // Draws GBK text with its top-left corner at (x, y): a byte below 128 is an 8-pixel cell, a
    // valid GBK pair a 16-pixel cell, any other byte an 8-pixel placeholder. The cell background
    // is painted with the brush colour (opaque). Pixels outside the raster are clipped.
    // Returns the x just after the text.
    int text_out(int x, int y, std::string_view gbk);

    // text_out that leaves alone the 8-pixel columns of the text whose index (0 = the column at
    // x) is set in `skip`; columns past its end are drawn. Pixels drawn are those text_out would
    // draw: the text is laid out from its first byte all the same.
    int text_out_except(int x, int y, std::string_view gbk, std::span<const bool> skip);

    // Fills a rectangle with the brush colour (clipped).
    void fill_rect(int x, int y, int w, int h);

    Rgb pixel(int x, int y) const;  // 0x00RRGGBB; 0 outside
    const std::uint32_t* scan_line(int y) const { return pixels_.data() + std::size_t(y) * width_; }
    const std::uint32_t* data() const { return pixels_.data(); }
    int bytes_per_line() const { return width_ * 4; }

  private:
    int width_;
    int height_;
    Rgb brush_ = 0xFFFFFF;
    Rgb font_ = 0x000000;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace quillo::platform
