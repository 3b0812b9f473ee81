#include "tools/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/canvas_window.h"
#include "canvas/row_text.h"

namespace quillo::tools {

namespace {

using canvas::larger_of;
using canvas::smaller_of;

// Rounds halves to even like every rounding of the program, but stays defined for the huge
// values a wild aspect ratio can give: they land far off the canvas either way.
int round_cell(double v) {
    constexpr double kFar = 1e8;
    if (!(v > -kFar)) return static_cast<int>(-kFar);
    if (v > kFar) return static_cast<int>(kFar);
    return canvas::round_half_even(v);
}

void reset_working(canvas::CanvasState& c) {
    canvas::copy_layer(c, canvas::kCommitted, canvas::kWorking);
}

// The ellipse alone keeps inside the canvas columns: a 2-byte cell counts while its first byte
// is on the canvas.
int last_ellipse_column(const canvas::CanvasState& c) {
    return c.double_byte ? (c.width + 1) / 2 : c.width;
}

void plot_in_canvas(canvas::CanvasState& c, int x, int y, std::string_view pen) {
    if (x <= last_ellipse_column(c)) plot(c, x, y, pen);
}

}  // namespace

void plot(canvas::CanvasState& c, int x, int y, std::string_view pen) {
    if (on_canvas(c, x, y)) canvas::lay_pen(c, canvas::kWorking, x, y, pen);
}

void rectangle(canvas::CanvasState& c, Cell a, Cell b, std::string_view pen) {
    reset_working(c);
    const int left = smaller_of(a.x, b.x), right = larger_of(a.x, b.x);
    const int top = smaller_of(a.y, b.y), bottom = larger_of(a.y, b.y);
    // Loops run over the on-canvas part only: a pointer far outside must not cost a long loop.
    for (int y = larger_of(top, 1); y <= smaller_of(bottom, c.height); ++y) {
        plot(c, a.x, y, pen);
        plot(c, b.x, y, pen);
    }
    const int last = larger_of(right - 1, left);
    for (int x = larger_of(left, 1); x <= smaller_of(last, last_column(c)); ++x) {
        plot(c, x, a.y, pen);
        plot(c, x, b.y, pen);
    }
}

void line(canvas::CanvasState& c, Cell a, Cell b, std::string_view pen) {
    reset_working(c);
    if (a.y == b.y) {
        const int to = smaller_of(larger_of(a.x, b.x), last_column(c));
        for (int x = larger_of(smaller_of(a.x, b.x), 1); x <= to; ++x) plot(c, x, a.y, pen);
        return;
    }
    const double k = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
    if (k > -1 && k < 1) {
        const int to = smaller_of(larger_of(a.y, b.y), c.height);
        for (int y = larger_of(smaller_of(a.y, b.y), 1); y <= to; ++y)
            plot(c, round_cell((y - a.y) * k + a.x), y, pen);
    } else {
        const int to = smaller_of(larger_of(a.x, b.x), last_column(c));
        for (int x = larger_of(smaller_of(a.x, b.x), 1); x <= to; ++x)
            plot(c, x, round_cell((x - a.x) / k + a.y), pen);
    }
}

int circle_centre_column(int x1, bool double_byte) {
    if (!double_byte) return x1;
    return canvas::round_half_even(x1 / 2.0) * 2 - 1;
}

void circle(canvas::CanvasState& c, Cell a, Cell b, double aspect, std::string_view pen) {
    reset_working(c);
    const long long dx = static_cast<long long>(a.x) - b.x;
    const long long dy = static_cast<long long>(a.y) - b.y;
    ellipse_plot(c, circle_centre_column(a.x, c.double_byte), a.y, dx * dx + dy * dy, aspect, pen);
}

Extents ellipse_extents(double r, double a) {
    if (a < 1) {
        // The angle is in degrees: taken as radians it turns negative and nothing is drawn.
        const double angle = 45.0 * a * std::numbers::pi / 180.0;
        return {round_cell(std::sin(angle) * r), round_cell(std::cos(angle) * r - 1)};
    }
    const int e = round_cell((2 - 1 / a) * 0.707107 * r);
    return {e, e};
}

void ellipse_plot(canvas::CanvasState& c, int cx, int cy, long long r2, double a,
                  std::string_view pen) {
    const double r = std::sqrt(static_cast<double>(r2));
    const Extents e = ellipse_extents(r, a);
    // Only on-canvas rows and columns are walked; each pass mirrors within its own row or column.
    const long long y_from = std::max<long long>(static_cast<long long>(cy) - e.vy, 1);
    const long long y_to = std::min<long long>(static_cast<long long>(cy) + e.vy, c.height);
    for (long long y = y_from; y <= y_to; ++y) {
        const long long t = r2 - (cy - y) * (cy - y);
        const int x = t < 0 ? cx : round_cell(cx - std::sqrt(static_cast<double>(t)) * a);
        plot_in_canvas(c, x, static_cast<int>(y), pen);
        plot_in_canvas(c, static_cast<int>(std::clamp<long long>(2LL * cx - x, -1, 1LL << 30)),
                       static_cast<int>(y), pen);
    }
    const long long x_from = std::max<long long>(static_cast<long long>(cx) - e.hx, 1);
    const long long x_to =
        std::min<long long>(static_cast<long long>(cx) + e.hx, last_ellipse_column(c));
    for (long long x = x_from; x <= x_to; ++x) {
        const double d = (cx - x) / a;
        const double t = static_cast<double>(r2) - d * d;
        const int y = t < 0 ? cy : cy - round_cell(std::sqrt(t));
        plot_in_canvas(c, static_cast<int>(x), y, pen);
        plot_in_canvas(c, static_cast<int>(x),
                       static_cast<int>(std::clamp<long long>(2LL * cy - y, -1, 1LL << 30)), pen);
    }
}

}  // namespace quillo::tools
