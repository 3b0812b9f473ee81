#include "imagetext/qt/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillo::imagetext {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::show_picture(const Picture& picture) {
    if (picture.empty())
        image_ = QImage();
    else
        image_ = QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                        picture.height, picture.width * 4, QImage::Format_RGB32);
    resize(image_.size());
    update();
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    if (!image_.isNull()) painter.drawImage(event->rect().topLeft(), image_, event->rect());
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    if (on_drag_over)
        on_drag_over(event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    if (on_drag_over)
        on_drag_over(event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    if (on_drag_over)
        on_drag_over(event->position().toPoint().x(), event->position().toPoint().y());
    if (on_end_drag) on_end_drag();
}

}  // namespace quillo::imagetext
