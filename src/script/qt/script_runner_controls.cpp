// The runner's commands for the controls of dialogs: tab pages, mouse work at a point, values
// of sliders, spin boxes, combo boxes and lists, text selections and input boxes.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/gbk_qt.h"
#include "script/qt/runner_support.h"
#include "script/qt/script_runner.h"

namespace quillo::script {

namespace {

using Shown = platform::ScriptedUi::Shown;

std::string point_text(QPoint p) {
    return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}

// The child that a real pointer at `at` (in w's coordinates) would be over.
QWidget* widget_at(QWidget* w, QPoint at) {
    QWidget* child = w->childAt(at);
    return child ? child : w;
}

int whole_number(const std::string& name, const std::string& value) {
    const auto n = parse_number(value);
    if (!n) fail(name + " takes a whole number, not '" + value + "'");
    return static_cast<int>(*n);
}

void check_range(const std::string& name, double value, double low, double high) {
    if (value >= low && value <= high) return;
    auto shown = [](double v) { return QString::number(v).toStdString(); };
    fail("the value " + shown(value) + " is outside the range " + shown(low) + ".." + shown(high) +
         " of " + name);
}

// The row of a list whose shown text is `want`, or an invalid index.
QModelIndex find_row(const QAbstractItemView* view, const QString& want) {
    const QAbstractItemModel* model = view->model();
    if (!model) return {};
    const QModelIndex root = view->rootIndex();
    for (int r = 0; r < model->rowCount(root); ++r) {
        const QModelIndex i = model->index(r, 0, root);
        if (i.data(Qt::DisplayRole).toString() == want) return i;
    }
    return {};
}

std::string item_list(const QStringList& items) {
    std::string out;
    for (const QString& i : items) out += (out.empty() ? "" : ", ") + quoted(i);
    return out;
}

QStringList combo_items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out.append(combo->itemText(i));
    return out;
}

// Bytes of a text box's text in GBK; a line break of a multi-line box counts as CR LF, as the
// program's own text positions count it.
std::size_t gbk_length(const QString& s, bool line_breaks_are_crlf) {
    return platform::to_gbk(s).size() +
           (line_breaks_are_crlf ? static_cast<std::size_t>(s.count('\n')) : 0);
}

}  // namespace

bool ScriptRunner::click_tab_page(QWidget* page, const std::string& name) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    const int index = tabs ? tabs->indexOf(page) : -1;
    if (index < 0) return false;
    if (!tabs->isVisible() || !tabs->isTabVisible(index)) fail(name + " is not visible");
    if (!tabs->isEnabled() || !tabs->isTabEnabled(index)) fail(name + " is disabled");
    ensure_reachable(tabs, name);
    QTabBar* bar = tabs->tabBar();
    const QPoint at = bar->tabRect(index).center();
    if (bar->rect().contains(at)) {
        send_mouse(bar, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        send_mouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send_mouse(bar, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    } else {
        // A tab scrolled out of the bar: a person scrolls to it first, then clicks.
        tabs->setCurrentIndex(index);
    }
    if (tabs->currentIndex() != index) fail("the tab of " + name + " did not take the click");
    return true;
}

// ---- mouse at a point ----

void ScriptRunner::click_control_at(const Command& c, QPoint at, int clicks) {
    const std::string& name = text(c, 0);
    QWidget* w = visible_control(name);
    if (!w->rect().contains(at))
        fail(name + " has no point " + point_text(at) + ": it is " + std::to_string(w->width()) +
             " x " + std::to_string(w->height()) + " pixels");
    QPointer<QWidget> target = widget_at(w, at);
    const QPoint p = target->mapFrom(w, at);
    send_mouse(target, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    // A click may close the window it is in: every later event needs the control still there.
    if (target) send_mouse(target, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    if (target) send_mouse(target, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    if (clicks == 2) {
        if (target)
            send_mouse(target, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        if (target) send_mouse(target, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
}

void ScriptRunner::click_at(const Command& c) {
    click_control_at(c, {integer(c, 1), integer(c, 2)}, 1);
}

void ScriptRunner::double_click(const Command& c) {
    const QWidget* w = visible_control(text(c, 0));
    click_control_at(c, w->rect().center(), 2);
}

void ScriptRunner::double_click_at(const Command& c) {
    click_control_at(c, {integer(c, 1), integer(c, 2)}, 2);
}

void ScriptRunner::drag(const Command& c) {
    const std::string& name = text(c, 0);
    QWidget* w = visible_control(name);
    const QPoint from(integer(c, 1), integer(c, 2));
    const QPoint to(integer(c, 3), integer(c, 4));
    if (!w->rect().contains(from))
        fail(name + " has no point " + point_text(from) + ": it is " + std::to_string(w->width()) +
             " x " + std::to_string(w->height()) + " pixels");
    // The control pressed gets every move and the release, wherever the pointer goes, as with
    // a real mouse; the end point may lie outside it.
    QPointer<QWidget> target = widget_at(w, from);
    const QPoint offset = target->mapFrom(w, QPoint(0, 0));
    send_mouse(target, QEvent::MouseMove, from + offset, Qt::NoButton, Qt::NoButton);
    send_mouse(target, QEvent::MouseButtonPress, from + offset, Qt::LeftButton, Qt::LeftButton);
    settle();
    const QPoint d = to - from;
    const int steps = std::clamp(std::max(std::abs(d.x()), std::abs(d.y())) / 4, 1, 20);
    for (int s = 1; s <= steps && target; ++s) {
        send_mouse(target, QEvent::MouseMove, from + d * s / steps + offset, Qt::NoButton,
                   Qt::LeftButton);
        settle();
    }
    if (!target) fail("the control under the pointer went away during the drag");
    send_mouse(target, QEvent::MouseButtonRelease, to + offset, Qt::LeftButton, Qt::NoButton);
}

// ---- values ----

void ScriptRunner::set(const Command& c) {
    const std::string& name = text(c, 0);
    const std::string& value = text(c, 1);
    QWidget* w = visible_control(name);
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        const int n = whole_number(name, value);
        check_range(name, n, spin->minimum(), spin->maximum());
        spin->setValue(n);
    } else if (auto* real = qobject_cast<QDoubleSpinBox*>(w)) {
        bool ok = false;
        const double v = QString::fromStdString(value).toDouble(&ok);
        if (!ok) fail(name + " takes a number, not '" + value + "'");
        check_range(name, v, real->minimum(), real->maximum());
        real->setValue(v);
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        const int n = whole_number(name, value);
        check_range(name, n, slider->minimum(), slider->maximum());
        // As a drag of the thumb to that position.
        slider->setSliderDown(true);
        slider->setSliderPosition(n);
        slider->setSliderDown(false);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QString want = shown_form(bytes(c, 1));
        const int index = combo->findText(want);
        if (index >= 0) {
            // As a choice from the drop-down list.
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            emit combo->textActivated(want);
        } else if (combo->isEditable()) {
            combo->setEditText(want);
        } else {
            fail(name + " has no item " + quote_bytes(bytes(c, 1)) +
                 " (items: " + item_list(combo_items(combo)) + ")");
        }
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        const QModelIndex row = find_row(view, shown_form(bytes(c, 1)));
        if (!row.isValid()) fail(name + " has no item " + quote_bytes(bytes(c, 1)));
        // A click on the item, as a person chooses it.
        view->scrollTo(row);
        const QPoint at = view->visualRect(row).center();
        QWidget* port = view->viewport();
        send_mouse(port, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        send_mouse(port, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send_mouse(port, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        if (view->currentIndex() != row) fail(name + " did not take the click on its item");
    } else {
        fail(name +
             " takes no value (set works on sliders, track bars, scroll bars, spin boxes, "
             "combo boxes and list boxes)");
    }
}

void ScriptRunner::expect_value(const Command& c) {
    const std::string& name = text(c, 0);
    QWidget* w = find_widget(qname(c));
    if (!w) fail("no control named " + name);
    auto compare_number = [&](double have) {
        bool ok = false;
        const double want = QString::fromStdString(text(c, 1)).toDouble(&ok);
        if (!ok) fail(name + " holds a number, not '" + text(c, 1) + "'");
        if (std::abs(have - want) > 1e-9 * std::max(1.0, std::abs(want)))
            fail(name + " is " + QString::number(have).toStdString() + ", expected " + text(c, 1));
    };
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        compare_number(spin->value());
    } else if (auto* real = qobject_cast<QDoubleSpinBox*>(w)) {
        compare_number(real->value());
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        compare_number(slider->value());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        compare_shown("the value of " + name, combo->currentText(), bytes(c, 1));
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        compare_shown("the current item of " + name,
                      view->currentIndex().data(Qt::DisplayRole).toString(), bytes(c, 1));
    } else {
        fail(name + " has no value");
    }
}

void ScriptRunner::expect_items(const Command& c) {
    const std::string& name = text(c, 0);
    QWidget* w = find_widget(qname(c));
    int have = 0;
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        have = combo->count();
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        have = view->model()->rowCount(view->rootIndex());
    } else {
        fail(w ? name + " has no items" : "no control named " + name);
    }
    if (have != integer(c, 1))
        fail(name + " has " + std::to_string(have) + " items, expected " + text(c, 1));
}

void ScriptRunner::expect_selection(const Command& c) {
    const std::string& name = text(c, 0);
    QWidget* w = find_widget(qname(c));
    QString all;
    int start = 0, end = 0;
    bool multi_line = true;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        all = edit->text();
        start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        end = edit->hasSelectedText() ? edit->selectionEnd() : start;
        multi_line = false;
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        all = memo->toPlainText();
        start = memo->textCursor().selectionStart();
        end = memo->textCursor().selectionEnd();
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        all = rich->toPlainText();
        start = rich->textCursor().selectionStart();
        end = rich->textCursor().selectionEnd();
    } else {
        fail(w ? name + " is no text box" : "no control named " + name);
    }
    const std::size_t from = gbk_length(all.left(start), multi_line);
    const std::size_t length = gbk_length(all.mid(start, end - start), multi_line);
    if (static_cast<std::int64_t>(from) != number(c, 1) ||
        static_cast<std::int64_t>(length) != number(c, 2))
        fail("the selection of " + name + " starts at byte " + std::to_string(from) + " and is " +
             std::to_string(length) + " bytes long: " + quoted(all.mid(start, end - start)));
}

// ---- input boxes and files ----

void ScriptRunner::expect_prompt(const Command& c) {
    const auto& shown = ui_.shown();
    while (prompts_seen_ < shown.size() && shown[prompts_seen_].kind != Shown::input)
        ++prompts_seen_;
    if (prompts_seen_ == shown.size())
        fail("no input box was shown, expected " + quote_bytes(bytes(c, 1)));
    const Shown& box = shown[prompts_seen_++];
    compare_shown("the caption of the input box", QString::fromStdString(box.caption), bytes(c, 0));
    compare_shown("the prompt of the input box", QString::fromStdString(box.text), bytes(c, 1));
    compare_shown("the default of the input box", QString::fromStdString(box.default_text),
                  bytes(c, 2));
}

void ScriptRunner::expect_exists(const Command& c) {
    const auto path = resolve(text(c, 0));
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) fail(path.string() + " does not exist");
}

}  // namespace quillo::script
