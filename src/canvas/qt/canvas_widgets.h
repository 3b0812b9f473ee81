#pragma once
// The widgets that make up the canvas area: the panel `blackboard`, the image `Image1` that
// blits the canvas raster, and the status bar `StatusBar1` with its six panels.
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "canvas/status_bar_rules.h"
#include "platform/raster.h"

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
    const platform::Raster& raster_;
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

    std::function<void(int x, int y)> on_drag_over;
    std::function<void()> on_end_drag;
    std::function<void(const QPoint& global)> on_context_menu;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    platform::Raster raster_{1, 1};
    bool dragging_ = false;
};

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
