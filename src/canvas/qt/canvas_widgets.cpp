#include "canvas/qt/canvas_widgets.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "canvas/constants.h"
#include "interop/canvas_zoom.h"
#include "platform/gbk.h"
#include "tools/pen_row.h"

namespace quillo::canvas {

void Blackboard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
}

void PenRowLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetrics metrics(font());
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    const QString row = text();
    const int right = event->rect().right();
    int byte = 0;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const int x = tools::pen_row_byte_x(byte);
        if (x > right) break;
        const QChar c = row[i];
        // Half-width characters and bytes that are no character take one byte, the rest two.
        byte += c.unicode() < 0x80 || platform::is_stray_code_point(c.unicode()) ? 1 : 2;
        if (c != QLatin1Char(' ')) painter.drawText(x, baseline, QString(c));
    }
}

CanvasImage::CanvasImage(const platform::Raster& raster, QWidget* parent)
    : QWidget(parent), raster_(raster) {
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(raster.width(), raster.height());
}

void paint_zoomed(QPainter& painter, const platform::Raster& raster, const QRect& area, int factor,
                  double ratio, std::vector<std::uint32_t>& buffer) {
    const int left = std::max(interop::canvas_pixel(area.left(), factor, ratio), 0);
    const int top = std::max(interop::canvas_pixel(area.top(), factor, ratio), 0);
    const int right =
        std::min(interop::canvas_pixel(area.right() + 1, factor, ratio) + 1, raster.width());
    const int bottom =
        std::min(interop::canvas_pixel(area.bottom() + 1, factor, ratio) + 1, raster.height());
    if (left >= right || top >= bottom) return;
    const int w = (right - left) * factor;
    const int h = (bottom - top) * factor;
    if (buffer.size() < std::size_t(w) * std::size_t(h)) buffer.resize(std::size_t(w) * h);
    interop::scale_pixels(raster.scan_line(top) + left, raster.width(), right - left, bottom - top,
                          factor, buffer.data(), w);
    QImage image(reinterpret_cast<const uchar*>(buffer.data()), w, h, w * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(left * factor / ratio, top * factor / ratio), image);
}

void CanvasImage::set_zoom(int factor) {
    zoom_ = std::clamp(factor, interop::kMinZoom, interop::kMaxZoom);
    const double ratio = devicePixelRatioF();
    resize(interop::widget_units(raster_.width(), zoom_, ratio),
           interop::widget_units(raster_.height(), zoom_, ratio));
    update();
}

QPoint CanvasImage::canvas_point(const QPointF& p) const {
    const double ratio = devicePixelRatioF();
    return {interop::canvas_pixel(p.x(), zoom_, ratio), interop::canvas_pixel(p.y(), zoom_, ratio)};
}

void CanvasImage::update_rows(int first, int last) {
    if (zoom_ == 1 && devicePixelRatioF() == 1.0) {
        update(0, (first - 1) * kRowPitch, raster_.width(), (last - first + 1) * kRowPitch);
        return;
    }
    // Rounded to widget units: one unit more on each side covers what the rounding moved.
    const double ratio = devicePixelRatioF();
    const int y = interop::widget_units((first - 1) * kRowPitch, zoom_, ratio);
    const int bottom = interop::widget_units(last * kRowPitch, zoom_, ratio);
    update(0, std::max(y - 1, 0), width(), bottom - y + 2);
}

void CanvasImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    if (zoom_ != 1 || devicePixelRatioF() != 1.0) {
        paint_zoomed(painter, raster_, r, zoom_, devicePixelRatioF(), zoomed_);
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(raster_.data()), raster_.width(),
                       raster_.height(), raster_.bytes_per_line(), QImage::Format_RGB32);
    painter.drawImage(r.topLeft(), image, r);
}

void CanvasImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = canvas_point(event->position());
    if (on_mouse_move) on_mouse_move(p.x(), p.y());
}

void CanvasImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = canvas_point(event->position());
    if (event->button() == Qt::LeftButton && on_mouse_down) on_mouse_down(p.x(), p.y());
    QWidget::mousePressEvent(event);
}

void CanvasImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = canvas_point(event->position());
    if (on_mouse_up) on_mouse_up(p.x(), p.y());
    // The click follows the release, as the platform delivers it.
    if (on_click) on_click();
}

OverlayImage::OverlayImage(QWidget* parent) : QWidget(parent) {
    setObjectName("write_in_imag");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QString::fromUtf8("点击右键可弹出功能菜单"));
    hide();
}

void OverlayImage::reset(int width, int height) {
    raster_ = platform::Raster(std::max(width, 1), std::max(height, 1));
    raster_.fill_rect(0, 0, raster_.width(), raster_.height());
    const double ratio = devicePixelRatioF();
    resize(interop::widget_units(width, zoom_, ratio), interop::widget_units(height, zoom_, ratio));
    update();
}

void OverlayImage::set_zoom(int factor) {
    zoom_ = std::clamp(factor, interop::kMinZoom, interop::kMaxZoom);
    const double ratio = devicePixelRatioF();
    resize(interop::widget_units(raster_.width(), zoom_, ratio),
           interop::widget_units(raster_.height(), zoom_, ratio));
    move_to(canvas_x_, canvas_y_);
    update();
}

void OverlayImage::move_to(int x, int y) {
    canvas_x_ = x;
    canvas_y_ = y;
    const double ratio = devicePixelRatioF();
    move(interop::widget_units(x, zoom_, ratio), interop::widget_units(y, zoom_, ratio));
}

QPoint OverlayImage::canvas_point(const QPointF& p) const {
    const double ratio = devicePixelRatioF();
    return {interop::canvas_pixel(p.x(), zoom_, ratio), interop::canvas_pixel(p.y(), zoom_, ratio)};
}

void OverlayImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    if (zoom_ != 1 || devicePixelRatioF() != 1.0) {
        paint_zoomed(painter, raster_, r, zoom_, devicePixelRatioF(), zoomed_);
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(raster_.data()), raster_.width(),
                       raster_.height(), raster_.bytes_per_line(), QImage::Format_RGB32);
    painter.drawImage(r.topLeft(), image, r);
}

void OverlayImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (on_context_menu) on_context_menu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    const QPoint p = canvas_point(event->position());
    if (on_drag_over) on_drag_over(p.x(), p.y());
}

void OverlayImage::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint p = canvas_point(event->position());
    if (on_drag_over) on_drag_over(p.x(), p.y());
}

void OverlayImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    if (on_end_drag) on_end_drag();
}

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName("StatusBar1");
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize StatusBar::sizeHint() const {
    return {600, fontMetrics().height() + 8};
}

void StatusBar::set_panel_text(int panel, const QString& text) {
    if (panel < 0 || panel >= kStatusPanelCount) return;
    texts_[static_cast<std::size_t>(panel)] = text;
    update();
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    int left = 0;
    for (int i = 0; i < kStatusPanelCount; ++i) {
        const int w = i == kStatusPanelCount - 1 ? width() - left
                                                 : kStatusPanelWidths[static_cast<std::size_t>(i)];
        const QRect r(left, 1, w - 2, height() - 2);
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        const int align = i < 3 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
        p.drawText(r.adjusted(3, 0, -2, 0), align, texts_[static_cast<std::size_t>(i)]);
        left += w;
    }
}

void StatusBar::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    setToolTip(QString::fromUtf8(status_hint_at(x)));
    if (on_mouse_move) on_mouse_move(x);
}

void StatusBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        if (on_mouse_move) on_mouse_move(event->position().toPoint().x());
        if (on_click) on_click();
    }
}

}  // namespace quillo::canvas
