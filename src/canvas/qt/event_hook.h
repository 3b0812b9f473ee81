#pragma once
// Forwards the events of a widget to a handler of the main window, as the classic OnClick,
// OnKeyDown... properties of a control did.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace quillo::canvas {

class EventHook : public QObject {
  public:
    EventHook(QObject* parent, std::function<bool(QEvent*)> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

  private:
    std::function<bool(QEvent*)> handler_;
};

// The handler returns true when it used the event up.
inline void hook(QWidget* widget, QObject* owner, std::function<bool(QEvent*)> handler) {
    widget->installEventFilter(new EventHook(owner, std::move(handler)));
}

}  // namespace quillo::canvas
