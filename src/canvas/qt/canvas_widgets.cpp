#include "canvas/qt/canvas_widgets.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "canvas/constants.h"
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

void CanvasImage::update_rows(int first, int last) {
    update(0, (first - 1) * kRowPitch, raster_.width(), (last - first + 1) * kRowPitch);
}

void CanvasImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage image(reinterpret_cast<const uchar*>(raster_.data()), raster_.width(),
                       raster_.height(), raster_.bytes_per_line(), QImage::Format_RGB32);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), image, r);
}

void CanvasImage::mouseMoveEvent(QMouseEvent* event) {
    if (on_mouse_move)
        on_mouse_move(event->position().toPoint().x(), event->position().toPoint().y());
}

void CanvasImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_mouse_down)
        on_mouse_down(event->position().toPoint().x(), event->position().toPoint().y());
    QWidget::mousePressEvent(event);
}

void CanvasImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (on_mouse_up) on_mouse_up(event->position().toPoint().x(), event->position().toPoint().y());
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
    resize(width, height);
    update();
}

void OverlayImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage image(reinterpret_cast<const uchar*>(raster_.data()), raster_.width(),
                       raster_.height(), raster_.bytes_per_line(), QImage::Format_RGB32);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), image, r);
}

void OverlayImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (on_context_menu) on_context_menu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    const QPoint p = event->position().toPoint();
    if (on_drag_over) on_drag_over(p.x(), p.y());
}

void OverlayImage::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint p = event->position().toPoint();
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
