#pragma once
// The image window's own state and rules, without widgets: the source picture, the working
// picture (whole or cut out), the resolution image and its sliders, the grey view, and the
// rubber band that cuts out a region. The Qt window shows what this holds and calls it.
#include <string>

#include "imagetext/picture.h"
#include "imagetext/resolution.h"

namespace quillo::imagetext {

// A line of the rubber band in picture pixels.
struct Line {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Line&) const = default;
};

struct RubberBand {
    Line top, bottom, left, right;  // Btop, Bbottom, Bleft, Bright
};

// Which slider moved last: the hint of the resolution image is worded after it.
enum class HintKind { size, width_slider, height_slider };

class ImageWindow {
  public:
    // ---- pictures ----
    const Picture& source() const { return source_; }
    const Picture& working() const { return working_; }
    const Picture& resolution() const { return resolution_; }
    // The working picture's width / height; 1 when it has no height.
    double aspect_ratio() const;

    // A newly opened picture: it becomes the source and the working picture, the resolution
    // image starts at its starting size, the colour view and the select mode are on.
    void open(Picture picture);
    // The open dialog was cancelled: the same resets with the picture kept.
    void reopen();

    // TurnToImage2: starting size and slider ranges for the working picture, then the
    // resolution image at that size.
    void turn_to_image2();
    // TurnToImage3: the resolution image enlarged 8 times.
    Picture preview() const;

    // ---- sliders ----
    int width_max() const { return width_max_; }
    int height_max() const { return height_max_; }
    int width_position() const { return width_; }
    int height_position() const { return height_; }
    bool proportional() const { return proportional_; }
    void set_proportional(bool on) { proportional_ = on; }
    // A slider moved (values are clamped to its range). With proportional scaling the width
    // slider moves the height slider too.
    void width_changed(int position);
    void height_changed(int position);
    HintKind hint_kind() const { return hint_kind_; }
    std::string resolution_hint() const;

    // ---- grey view ----
    bool colour() const { return colour_; }
    // tb_gray: colour to grey or back; the grey view stays on across size changes.
    void toggle_grey();

    // ---- cutting out ----
    bool select_mode() const { return select_mode_; }
    // tb_select switching select mode off brings back the whole picture.
    void toggle_select();
    // A drag moving over the source picture at (x, y): the first movement remembers the start;
    // later ones give the rubber band. Nothing happens outside select mode.
    bool drag_over(int x, int y);
    const RubberBand& rubber_band() const { return band_; }
    bool band_visible() const { return band_visible_; }
    // The drag ended: in select mode the area inside the lines, stretched to the band's size,
    // becomes the working picture. Returns true when it did. A band without pixels inside its
    // lines (a click, or less than 3 pixels across) cuts nothing.
    bool end_drag();
    void hide_band() { band_visible_ = false; }

  private:
    void rebuild();  // the resolution image at the slider positions
    Picture source_;
    Picture working_;
    Picture resolution_;
    int width_max_ = 0;
    int height_max_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool proportional_ = true;
    bool colour_ = true;
    bool select_mode_ = true;
    bool drag_start_ = true;
    int x0_ = 0;
    int y0_ = 0;
    int x_ = 0;
    int y_ = 0;
    bool band_visible_ = false;
    RubberBand band_;
    HintKind hint_kind_ = HintKind::size;
};

}  // namespace quillo::imagetext
