#pragma once
// The widgets that make up the canvas area: the panel `blackboard`, the image `Image1` that
// blits the canvas raster, and the status bar `StatusBar1` with its six panels.
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "canvas/status_bar_rules.h"
#include "platform/raster.h"

class QPainter;

namespace quillo::canvas {

class Blackboard : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    std::function<void()> on_resize;

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The pen row `Label1`: its text laid out slot by slot, so that each slot's character stands
// under the pen box whenever the box is over that slot.
class PenRowLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class CanvasImage : public QWidget {
    Q_OBJECT
  public:
    CanvasImage(const platform::Raster& raster, QWidget* parent);

    // Refreshes the pixels of rows first..last (1-based) on screen.
    void update_rows(int first, int last);

    // Shows each canvas pixel as factor x factor screen pixels. Mouse positions reach the
    // handlers in canvas pixels at every factor.
    void set_zoom(int factor);
    int zoom() const { return zoom_; }

    std::function<void(int x, int y)> on_mouse_move;
    std::function<void(int x, int y)> on_mouse_down;
    std::function<void(int x, int y)> on_mouse_up;
    std::function<void()> on_click;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint canvas_point(const QPointF& widget_position) const;
    const platform::Raster& raster_;
    int zoom_ = 1;
    std::vector<std::uint32_t> zoomed_;  // scaled pixels of the last paint, kept for the next
};

// The floating selection `write_in_imag`: an image of its own over the canvas. A press, moves
// and a release on it are its drag-over and end-drag events; the right button opens its menu.
class OverlayImage : public QWidget {
    Q_OBJECT
  public:
    explicit OverlayImage(QWidget* parent);

    platform::Raster& raster() { return raster_; }
    // A new image of the given size (brush-coloured until drawn).
    void reset(int width, int height);

    // Zoom as CanvasImage::set_zoom. The block's place is kept in canvas pixels: move_to puts
    // it there, canvas_x/canvas_y read it back exactly at every factor.
    void set_zoom(int factor);
    void move_to(int canvas_x, int canvas_y);
    int canvas_x() const { return canvas_x_; }
    int canvas_y() const { return canvas_y_; }

    std::function<void(int x, int y)> on_drag_over;
    std::function<void()> on_end_drag;
    std::function<void(const QPoint& global)> on_context_menu;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint canvas_point(const QPointF& widget_position) const;
    platform::Raster raster_{1, 1};
    bool dragging_ = false;
    int zoom_ = 1;
    int canvas_x_ = 0;
    int canvas_y_ = 0;
    std::vector<std::uint32_t> zoomed_;
};

// Paints the part of `raster` under the widget rectangle `area` at the zoom factor (nearest
// neighbour, screen pixel for screen pixel). `buffer` is reused from paint to paint.
void paint_zoomed(QPainter& painter, const platform::Raster& raster, const QRect& area, int factor,
                  double ratio, std::vector<std::uint32_t>& buffer);

class StatusBar : public QWidget {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget* parent);

    void set_panel_text(int panel, const QString& text);
    QString panel_text(int panel) const { return texts_[static_cast<std::size_t>(panel)]; }

    std::function<void(int x)> on_mouse_move;
    std::function<void()> on_click;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

  private:
    std::array<QString, kStatusPanelCount> texts_;
};

}  // namespace quillo::canvas
