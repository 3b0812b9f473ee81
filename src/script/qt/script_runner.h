#pragma once
// Runs script commands against the real windows: mouse and key commands become Qt events
// delivered to the named controls, so the same handlers run as for real input.
#include <QPoint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/scripted_ui.h"
#include "script/script.h"

class QString;
class QWidget;

namespace quillo::canvas {
class TForm1;
}

namespace quillo::script {

// A command that did not do or find what it should; the message names what failed.
class CommandFailed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The scripted UI services, with the application clipboard as the one clipboard, so that
// the text box and the commands share it as they do in the real program.
class ScriptUi : public platform::ScriptedUi {
  public:
    std::string clipboard_text() override;
    void set_clipboard_text(const std::string& text) override;
};

// Queues the answer of an answer-* command. False for any other command.
bool queue_answer(platform::ScriptedUi& ui, const Command& command,
                  const std::filesystem::path& program_dir);

class ScriptRunner {
  public:
    ScriptRunner(canvas::TForm1& form, platform::ScriptedUi& ui, std::filesystem::path program_dir);

    // Runs one command and lets pending events run. Throws CommandFailed.
    void run(const Command& command);

    // Lets posted events and due timers run.
    static void settle();

  private:
    using Method = void (ScriptRunner::*)(const Command&);
    static const std::vector<std::pair<const char*, Method>>& methods();

    // ---- actions ----
    void window(const Command& c);
    void click(const Command& c);
    void click_at(const Command& c);
    void double_click(const Command& c);
    void double_click_at(const Command& c);
    void drag(const Command& c);
    void set(const Command& c);
    void press(const Command& c);
    void move(const Command& c);
    void release(const Command& c);
    void press_cell(const Command& c);
    void move_cell(const Command& c);
    void release_cell(const Command& c);
    void drag_selection(const Command& c);
    void type(const Command& c);
    void key(const Command& c);
    void scroll(const Command& c);
    void move_status(const Command& c);
    void click_status(const Command& c);
    void clipboard(const Command& c);
    void wait(const Command& c);
    void seed(const Command& c);
    // ---- checks ----
    void expect_line(const Command& c);
    void expect_lines(const Command& c);
    void expect_row(const Command& c);
    void expect_row_trim(const Command& c);
    void expect_status(const Command& c);
    void expect_message(const Command& c);
    void expect_no_message(const Command& c);
    void expect_prompt(const Command& c);
    void expect_checked(const Command& c);
    void expect_enabled(const Command& c);
    void expect_visible(const Command& c);
    void expect_text(const Command& c);
    void expect_hint(const Command& c);
    void expect_focus(const Command& c);
    void expect_value(const Command& c);
    void expect_items(const Command& c);
    void expect_selection(const Command& c);
    void expect_colour(const Command& c);
    void expect_file(const Command& c);
    void expect_no_file(const Command& c);
    void expect_exists(const Command& c);
    void expect_clipboard(const Command& c);
    void expect_scroll(const Command& c);
    void expect_canvas_size(const Command& c);
    void expect_pixel(const Command& c);
    void document(const Command& c);

    // Mouse on Image1: a press or release away from the pointer first moves it there.
    void image_mouse(int kind, QPoint at);
    QPoint cell_centre(const Command& c) const;
    // A control a person could use now: shown, enabled and not behind a modal window.
    QWidget* visible_control(const std::string& name);
    void ensure_reachable(const QWidget* w, const std::string& name) const;
    // Gives w the keyboard focus, making its window the active one first.
    void focus(QWidget* w);
    // The command-map name NAME stands for: unqualified or qualified by the main window.
    std::optional<QString> command_key(const QString& name) const;
    // A page of a tab widget is chosen by a click on its tab. False when w is no such page.
    bool click_tab_page(QWidget* page, const std::string& name);
    // Mouse clicks at `at` in NAME's own coordinates, delivered to the control under the point.
    void click_control_at(const Command& c, QPoint at, int clicks);
    // The next shown message or confirmation not yet expected, if any.
    const platform::ScriptedUi::Shown* next_message();
    std::filesystem::path resolve(const std::string& path) const;

    canvas::TForm1& form_;
    platform::ScriptedUi& ui_;
    std::filesystem::path program_dir_;
    std::optional<QPoint> pointer_;  // where the pointer is over Image1
    bool button_down_ = false;
    std::size_t messages_seen_ = 0;  // index into ui_.shown()
    std::size_t prompts_seen_ = 0;   // index into ui_.shown()
};

// Finds a widget by its component name in any window, preferring a visible one. "WINDOW.NAME"
// looks only in the window whose component name is WINDOW.
QWidget* find_widget(const QString& name);

}  // namespace quillo::script
