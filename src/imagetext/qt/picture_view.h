#pragma once
// A picture shown at its own size: the source picture tImage1 (which reports drags for cutting
// out a region), the resolution image tImage2 and the preview TImage3.
#include <QImage>
#include <QWidget>
#include <functional>

#include "imagetext/picture.h"

namespace quillo::imagetext {

class PictureView : public QWidget {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent);

    // Shows the picture's memory as it is; the picture must outlive the view's next call.
    void show_picture(const Picture& picture);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override { return image_.size(); }

    // Dragging with the left button: every movement, then the end of the drag.
    std::function<void(int x, int y)> on_drag_over;
    std::function<void()> on_end_drag;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    bool dragging_ = false;
};

}  // namespace quillo::imagetext
