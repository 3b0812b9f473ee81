#include "imagetext/image_window.h"

#include <algorithm>
#include <cstdlib>

namespace quillo::imagetext {

double ImageWindow::aspect_ratio() const {
    return working_.height == 0 ? 1.0 : double(working_.width) / double(working_.height);
}

void ImageWindow::open(Picture picture) {
    source_ = std::move(picture);
    reopen();
}

void ImageWindow::reopen() {
    working_ = source_;
    colour_ = true;
    band_visible_ = false;
    select_mode_ = true;
    drag_start_ = true;
    turn_to_image2();
}

void ImageWindow::turn_to_image2() {
    const Size start = starting_size(working_.width, working_.height);
    width_max_ = width_slider_max(working_.width, start.width);
    height_max_ = height_slider_max(working_.height, start.height);
    width_ = std::clamp(start.width, 0, width_max_);
    height_ = std::clamp(start.height, 0, height_max_);
    rebuild();
    hint_kind_ = HintKind::size;
}

void ImageWindow::rebuild() {
    resolution_ = stretch(working_, width_, height_);
    // The resolution image always shows what the toggle says, also after a new cut-out.
    if (!colour_) turn_gray(resolution_);
}

Picture ImageWindow::preview() const {
    return stretch(resolution_, resolution_.width * 8, resolution_.height * 8);
}

void ImageWindow::width_changed(int position) {
    width_ = std::clamp(position, 0, width_max_);
    if (proportional_)
        height_ = std::clamp(proportional_height(width_, working_.width, working_.height), 0,
                             height_max_);
    rebuild();
    hint_kind_ = HintKind::width_slider;
}

void ImageWindow::height_changed(int position) {
    height_ = std::clamp(position, 0, height_max_);
    rebuild();
    hint_kind_ = HintKind::height_slider;
}

std::string ImageWindow::resolution_hint() const {
    switch (hint_kind_) {
        case HintKind::width_slider:
            return width_slider_hint(width_, height_);
        case HintKind::height_slider:
            return height_slider_hint(width_, height_);
        case HintKind::size:
            break;
    }
    return size_hint(width_, height_);
}

void ImageWindow::toggle_grey() {
    colour_ = !colour_;
    rebuild();
}

void ImageWindow::toggle_select() {
    if (select_mode_) {
        select_mode_ = false;
        band_visible_ = false;
        working_ = source_;
        turn_to_image2();
    } else {
        select_mode_ = true;
    }
}

bool ImageWindow::drag_over(int x, int y) {
    if (!select_mode_) return false;
    if (drag_start_) {
        x0_ = x_ = x;
        y0_ = y_ = y;
        drag_start_ = false;
    } else {
        x_ = x;
        y_ = y;
    }
    const int left = std::min(x0_, x_), top = std::min(y0_, y_);
    const int w = std::abs(x_ - x0_), h = std::abs(y_ - y0_);
    band_.top = {left, y0_, w, 0};
    band_.bottom = {left, y_, w, 0};
    band_.left = {x0_, top, 0, h};
    band_.right = {x_, top, 0, h};
    band_visible_ = true;
    return true;
}

bool ImageWindow::end_drag() {
    const bool started = !drag_start_;
    drag_start_ = true;
    if (!select_mode_ || !started) return false;
    const int min_x = std::min(x0_, x_), max_x = std::max(x0_, x_);
    const int min_y = std::min(y0_, y_), max_y = std::max(y0_, y_);
    if (max_x - min_x <= 2 || max_y - min_y <= 2) {
        band_visible_ = false;
        return false;
    }
    working_ = stretch_region(source_, min_x + 1, min_y + 1, max_x - 1, max_y - 1, max_x - min_x,
                              max_y - min_y);
    turn_to_image2();
    return true;
}

}  // namespace quillo::imagetext
