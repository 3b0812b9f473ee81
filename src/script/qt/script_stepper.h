#pragma once
// Runs a script's commands one at a time from the event loop. A handler that opens a modal
// window with QDialog::exec() (or any nested event loop) does not block the script: the
// following commands run inside that window's own loop, address its controls and may close it,
// and the handler that opened it then resumes.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "script/script.h"

class QEventLoop;
class QWidget;

namespace quillo::platform {
class ScriptedUi;
}

namespace quillo::script {

class ScriptRunner;

struct StepFailure {
    int line = 0;
    std::string message;
};

class ScriptStepper : public QObject {
  public:
    // `dialog_failure` is set by the program when a dialog found no answer; it is read after
    // every command.
    ScriptStepper(ScriptRunner& runner, platform::ScriptedUi& ui,
                  const std::vector<Command>& commands, std::size_t first,
                  const std::optional<std::string>* dialog_failure = nullptr);

    // Runs from `first` to the end of the script or its first failure. At the end, a modal
    // window still open or an answer never asked for is a failure too. Modal windows still open
    // when the script stops are closed (rejected), so the handlers that opened them return.
    std::optional<StepFailure> run();

    // A name for a window in failure messages: its component name, else its caption.
    static std::string window_name(const QWidget* w);

    // The modal windows shown now, oldest first as far as Qt tells.
    static std::vector<QPointer<QWidget>> open_modal_windows();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step();
    void run_next();
    void finish(std::optional<StepFailure> failure);
    bool waits_in_new_window() const;
    int last_line() const;

    ScriptRunner& runner_;
    platform::ScriptedUi& ui_;
    const std::vector<Command>& commands_;
    std::size_t next_;
    const std::optional<std::string>* dialog_failure_;
    QTimer timer_;
    QEventLoop* loop_ = nullptr;
    bool finished_ = false;
    std::optional<StepFailure> failure_;
    // For each command still running, innermost last: the modal windows open when it started.
    // A modal window open now that is not among them means the command waits in its loop.
    std::vector<std::vector<QPointer<QWidget>>> running_;
};

}  // namespace quillo::script
