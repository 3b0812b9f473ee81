#include "script/qt/runner_support.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

#include "platform/qt/gbk_qt.h"
#include "script/qt/script_runner.h"

namespace quillo::script {

void fail(const std::string& what) {
    throw CommandFailed(what);
}

QString shown_form(const std::string& gbk) {
    return platform::to_qstring(gbk);
}

std::string quoted(const QString& s) {
    return quote_bytes(platform::to_gbk(s));
}

void compare_shown(const std::string& what, const QString& actual, const std::string& expected) {
    if (actual == shown_form(expected)) return;
    fail(what + " is " + quoted(actual) + ", expected " + quote_bytes(expected));
}

void send_mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

std::pair<QString, QString> split_name(const QString& name) {
    const auto dot = name.indexOf('.');
    if (dot <= 0 || dot + 1 == name.size()) return {QString(), name};
    return {name.left(dot), name.mid(dot + 1)};
}

namespace {

// The windows a name may be looked for in: the one it names, or all.
// The windows a name may be looked for in: the one it names, or all - the modal window open
// first, as its controls are the ones a person can reach.
QList<QWidget*> windows_for(const QString& window) {
    QList<QWidget*> out;
    QWidget* modal = window.isEmpty() ? QApplication::activeModalWidget() : nullptr;
    if (modal) out.append(modal);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != modal && (window.isEmpty() || top->objectName() == window)) out.append(top);
    return out;
}

}  // namespace

QWidget* find_widget(const QString& qualified) {
    const auto [window, name] = split_name(qualified);
    QWidget* hidden = nullptr;
    for (QWidget* top : windows_for(window)) {
        QList<QWidget*> found = top->findChildren<QWidget*>(name);
        if (window.isEmpty() && top->objectName() == name) found.prepend(top);
        for (QWidget* w : found) {
            // A window's children include the windows it owns; a qualified name means its own.
            if (!window.isEmpty() && w->window() != top) continue;
            if (w->isVisible()) return w;
            if (!hidden) hidden = w;
        }
    }
    return hidden;
}

QAction* find_action(const QString& qualified) {
    const auto [window, name] = split_name(qualified);
    for (QWidget* top : windows_for(window))
        if (QAction* a = top->findChild<QAction*>(name)) return a;
    return nullptr;
}

QWidget* blocking_modal_window(const QWidget* w) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return nullptr;
    // The modal window itself and windows it owns stay reachable.
    for (const QWidget* p = w ? w->window() : nullptr; p; p = p->parentWidget())
        if (p == modal) return nullptr;
    return modal;
}

}  // namespace quillo::script
