#include "script/qt/script_stepper.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <algorithm>
#include <exception>

#include "platform/scripted_ui.h"
#include "script/qt/script_runner.h"

namespace quillo::script {

ScriptStepper::ScriptStepper(ScriptRunner& runner, platform::ScriptedUi& ui,
                             const std::vector<Command>& commands, std::size_t first,
                             const std::optional<std::string>* dialog_failure)
    : runner_(runner), ui_(ui), commands_(commands), next_(first), dialog_failure_(dialog_failure) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

std::string ScriptStepper::window_name(const QWidget* w) {
    if (!w) return "(none)";
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    if (!w->windowTitle().isEmpty()) return "\"" + w->windowTitle().toStdString() + "\"";
    return "(unnamed)";
}

std::vector<QPointer<QWidget>> ScriptStepper::open_modal_windows() {
    std::vector<QPointer<QWidget>> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal()) out.emplace_back(w);
    return out;
}

std::optional<StepFailure> ScriptStepper::run() {
    QEventLoop loop;
    loop_ = &loop;
    qApp->installEventFilter(this);
    timer_.start();
    loop.exec();
    qApp->removeEventFilter(this);
    loop_ = nullptr;
    return failure_;
}

bool ScriptStepper::eventFilter(QObject* watched, QEvent* event) {
    // A modal window being shown may be about to block its opener in a loop of its own: the
    // next step must then run inside that loop.
    if (event->type() == QEvent::Show && !finished_ && watched->isWidgetType()) {
        const auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() && w->isModal()) timer_.start();
    }
    return false;
}

bool ScriptStepper::waits_in_new_window() const {
    const auto& before = running_.back();
    for (const auto& w : open_modal_windows())
        if (std::find(before.begin(), before.end(), w) == before.end()) return true;
    return false;
}

void ScriptStepper::step() {
    if (finished_) return;
    // A command that has not returned either waits in a modal window it opened - the script
    // goes on inside that window's loop - or is still busy, and steps on itself when done.
    if (!running_.empty() && !waits_in_new_window()) return;
    run_next();
}

int ScriptStepper::last_line() const {
    return commands_.empty() ? 1 : commands_.back().line;
}

void ScriptStepper::run_next() {
    if (next_ >= commands_.size()) {
        const auto open = open_modal_windows();
        if (!open.empty()) {
            QWidget* top = QApplication::activeModalWidget();
            finish(StepFailure{last_line(), "the script ended while the modal window " +
                                                window_name(top ? top : open.back().data()) +
                                                " is still open"});
        } else if (ui_.pending_answers()) {
            finish(StepFailure{last_line(), "an answer given by the script was never asked for"});
        } else {
            finish(std::nullopt);
        }
        return;
    }
    const Command& c = commands_[next_++];
    running_.push_back(open_modal_windows());
    std::optional<StepFailure> failure;
    try {
        runner_.run(c);
    } catch (const std::exception& e) {
        // CommandFailed, or something a handler let through: the script ends at this line.
        failure = StepFailure{c.line, e.what()};
    }
    running_.pop_back();
    if (!failure && dialog_failure_ && *dialog_failure_)
        failure = StepFailure{c.line, **dialog_failure_};
    if (failure) {
        finish(std::move(failure));
        return;
    }
    if (!finished_) timer_.start();
}

void ScriptStepper::finish(std::optional<StepFailure> failure) {
    if (finished_) return;
    finished_ = true;
    failure_ = std::move(failure);
    timer_.stop();
    // Close what is still open, innermost first, so that every handler waiting in a modal
    // window gets its answer (cancel) and returns.
    for (auto open = open_modal_windows(); !open.empty(); open = open_modal_windows()) {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w) w = open.back();
        if (auto* dialog = qobject_cast<QDialog*>(w.data()))
            dialog->reject();
        else
            w->close();
        if (w && w->isVisible()) break;  // it refuses to close
    }
    if (loop_) loop_->quit();
}

}  // namespace quillo::script
