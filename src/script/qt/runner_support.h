#pragma once
// What the script runner's commands share: reading arguments, failing, comparing what a control
// shows, delivering mouse events and finding controls by (qualified) name.
#include <QMouseEvent>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>

#include "script/script.h"

class QAction;
class QWidget;

namespace quillo::script {

[[noreturn]] void fail(const std::string& what);

inline std::int64_t number(const Command& c, std::size_t k) {
    return *parse_number(c.args[k].text);
}
inline int integer(const Command& c, std::size_t k) {
    return static_cast<int>(number(c, k));
}
inline bool boolean(const Command& c, std::size_t k) {
    return *parse_bool(c.args[k].text);
}
inline const std::string& text(const Command& c, std::size_t k) {
    return c.args[k].text;
}
inline const std::string& bytes(const Command& c, std::size_t k) {
    return c.args[k].bytes;
}
inline QString qname(const Command& c) {
    return QString::fromStdString(c.args[0].text);
}

// Widget texts carry document bytes through the lossless codec, so compare in that form.
QString shown_form(const std::string& gbk);
std::string quoted(const QString& s);
void compare_shown(const std::string& what, const QString& actual, const std::string& expected);

void send_mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                Qt::MouseButtons buttons);

// "WINDOW.NAME" -> {WINDOW, NAME}; an unqualified name -> {"", NAME}.
std::pair<QString, QString> split_name(const QString& name);

// Actions (menu items) of any window, or of the window a qualified name names.
QAction* find_action(const QString& name);

// A modal window that keeps a person from reaching w, if any.
QWidget* blocking_modal_window(const QWidget* w);

}  // namespace quillo::script
