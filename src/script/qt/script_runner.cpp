#include "script/qt/script_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "platform/gbk.h"
#include "platform/qt/gbk_qt.h"
#include "platform/random.h"
#include "script/qt/runner_support.h"
#include "script/qt/script_stepper.h"

// Exported by QtGui for key input that, like a real key, first offers itself to shortcuts.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace quillo::script {

namespace {

using Shown = platform::ScriptedUi::Shown;

// Long contents are cut in failure messages; the start of the difference stays in view.
std::string quoted_around(const std::string& gbk, std::size_t from) {
    constexpr std::size_t kShown = 120;
    if (gbk.size() <= kShown) return quote_bytes(gbk);
    const std::size_t start = from > 20 ? from - 20 : 0;
    return "..." + quote_bytes(gbk.substr(start, kShown)) + "...";
}

void compare_bytes(const std::string& what, const std::string& actual,
                   const std::string& expected) {
    if (actual == expected) return;
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(diff.first - actual.begin());
    fail(what + " is " + quoted_around(actual, at) + ", expected " + quoted_around(expected, at) +
         " (" + std::to_string(actual.size()) + " / " + std::to_string(expected.size()) +
         " bytes, first difference at byte " + std::to_string(at + 1) + ")");
}

// A press and release of one key in w, offered to the shortcuts first as the platform does.
void send_key(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text) {
    static ulong timestamp = 0;
    if (qt_sendShortcutOverrideEvent(w, ++timestamp, key, mods, text)) return;
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

struct KeyChord {
    int key = 0;
    Qt::KeyboardModifiers mods;
    QString text;
};

std::optional<KeyChord> parse_key(const std::string& written) {
    static const std::vector<std::tuple<const char*, int, const char*>> named{
        {"Enter", Qt::Key_Return, "\r"},
        {"Return", Qt::Key_Return, "\r"},
        {"Escape", Qt::Key_Escape, "\x1b"},
        {"Tab", Qt::Key_Tab, "\t"},
        {"Backspace", Qt::Key_Backspace, "\b"},
        {"Delete", Qt::Key_Delete, "\x7f"},
        {"Space", Qt::Key_Space, " "},
        {"Left", Qt::Key_Left, ""},
        {"Right", Qt::Key_Right, ""},
        {"Up", Qt::Key_Up, ""},
        {"Down", Qt::Key_Down, ""},
        {"Home", Qt::Key_Home, ""},
        {"End", Qt::Key_End, ""},
        {"PageUp", Qt::Key_PageUp, ""},
        {"PageDown", Qt::Key_PageDown, ""},
        {"Insert", Qt::Key_Insert, ""},
        {"Pause", Qt::Key_Pause, ""},
        {"Shift", Qt::Key_Shift, ""},
        {"Ctrl", Qt::Key_Control, ""},
        {"Alt", Qt::Key_Alt, ""},
    };
    KeyChord k;
    std::string rest = written;
    for (;;) {
        const auto plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size()) break;
        const std::string mod = rest.substr(0, plus);
        if (mod == "Ctrl")
            k.mods |= Qt::ControlModifier;
        else if (mod == "Shift")
            k.mods |= Qt::ShiftModifier;
        else if (mod == "Alt")
            k.mods |= Qt::AltModifier;
        else
            return std::nullopt;
        rest = rest.substr(plus + 1);
    }
    for (const auto& [name, key, t] : named) {
        if (rest == name) {
            k.key = key;
            if (!(k.mods & (Qt::ControlModifier | Qt::AltModifier)))
                k.text = QString::fromLatin1(t);
            return k;
        }
    }
    if (rest.size() >= 2 && rest[0] == 'F') {
        const auto n = parse_number(rest.substr(1));
        if (n && *n >= 1 && *n <= 12) {
            k.key = Qt::Key_F1 + static_cast<int>(*n) - 1;
            return k;
        }
    }
    if (rest.size() == 1 && rest[0] > ' ' && rest[0] < 0x7F) {
        const char ch = rest[0];
        const char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
        k.key = upper;
        if (k.mods & Qt::ControlModifier) {
            // Ctrl+letter types the control character, as the platform reports it.
            if (upper >= 'A' && upper <= 'Z') k.text = QString(QChar(upper - 'A' + 1));
        } else if (!(k.mods & Qt::AltModifier)) {
            const bool shift = k.mods & Qt::ShiftModifier;
            k.text = QString(QChar(shift ? upper : ch));
        }
        return k;
    }
    return std::nullopt;
}

std::optional<std::string> read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

enum MouseKind { kPress, kMove, kRelease };

// Compared as the file system resolves them, so a relative program directory still matches.
std::filesystem::path comparable(const std::filesystem::path& p) {
    std::error_code ec;
    const auto c = std::filesystem::weakly_canonical(p, ec);
    return ec ? p.lexically_normal() : c;
}

// The last file or address handed to the default program.
void expect_opened(const platform::ScriptedUi& ui, const Command& c,
                   const std::filesystem::path& want) {
    if (ui.opened().empty()) fail("nothing was opened, expected " + want.string());
    const std::string& last = ui.opened().back();
    if (last == c.args[0].text) return;  // an address, not a file
    if (comparable(std::filesystem::u8path(last)) != comparable(want))
        fail("the last file opened is " + last + ", expected " + want.string());
}

// The last program started: PROGRAM by its file name (or its whole path when PROGRAM holds a
// "/"), with ARGUMENT as its one argument (a path relative to the program directory, or text).
void expect_started(const platform::ScriptedUi& ui, const Command& c,
                    const std::filesystem::path& want_argument) {
    const std::string& want = c.args[0].text;
    if (ui.started().empty()) fail("no program was started, expected " + want);
    const platform::ScriptedUi::ProgramStart& last = ui.started().back();
    const auto program = std::filesystem::u8path(last.program);
    const bool same_program =
        want.find('/') == std::string::npos
            ? program.filename().string() == want
            : comparable(program) == comparable(std::filesystem::u8path(want));
    if (!same_program) fail("the last program started is " + last.program + ", expected " + want);
    std::string got;
    for (const std::string& a : last.args) got += " \"" + a + "\"";
    if (last.args.size() != 1)
        fail(last.program + " was started with" + got + ", expected one argument");
    const std::string& arg = last.args[0];
    if (arg != c.args[1].text &&
        comparable(std::filesystem::u8path(arg)) != comparable(want_argument))
        fail(last.program + " was started with" + got + ", expected \"" + c.args[1].text + "\"");
}

}  // namespace

// ---- clipboard ----

std::string ScriptUi::clipboard_text() {
    return QApplication::clipboard()->text().toStdString();
}

void ScriptUi::set_clipboard_text(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

// ---- answers ----

bool queue_answer(platform::ScriptedUi& ui, const Command& c,
                  const std::filesystem::path& program_dir) {
    const std::string& n = c.name;
    if (n == "answer") {
        const std::string& a = c.args[0].text;
        ui.queue_answer(a == "yes"  ? platform::Answer::yes
                        : a == "no" ? platform::Answer::no
                                    : platform::Answer::cancel);
    } else if (n == "answer-text") {
        ui.queue_input(platform::gbk_to_utf8(c.args[0].bytes));
    } else if (n == "answer-text-cancel") {
        ui.queue_input(std::nullopt);
    } else if (n == "answer-file") {
        const auto p = std::filesystem::u8path(c.args[0].text);
        ui.queue_file(
            platform::FileDialogResult{(p.is_absolute() ? p : program_dir / p).string(), 1});
    } else if (n == "answer-file-cancel") {
        ui.queue_file(std::nullopt);
    } else if (n == "answer-colour") {
        ui.queue_colour(*parse_int32(c.args[0].text));
    } else if (n == "answer-colour-cancel") {
        ui.queue_colour(std::nullopt);
    } else {
        return false;
    }
    return true;
}

// ---- the runner ----

ScriptRunner::ScriptRunner(canvas::TForm1& form, platform::ScriptedUi& ui,
                           std::filesystem::path program_dir)
    : form_(form), ui_(ui), program_dir_(std::move(program_dir)) {}

void ScriptRunner::settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const std::vector<std::pair<const char*, ScriptRunner::Method>>& ScriptRunner::methods() {
    static const std::vector<std::pair<const char*, Method>> table{
        {"document", &ScriptRunner::document},
        {"window", &ScriptRunner::window},
        {"click", &ScriptRunner::click},
        {"click-at", &ScriptRunner::click_at},
        {"double-click", &ScriptRunner::double_click},
        {"double-click-at", &ScriptRunner::double_click_at},
        {"drag", &ScriptRunner::drag},
        {"set", &ScriptRunner::set},
        {"press", &ScriptRunner::press},
        {"move", &ScriptRunner::move},
        {"release", &ScriptRunner::release},
        {"press-cell", &ScriptRunner::press_cell},
        {"move-cell", &ScriptRunner::move_cell},
        {"release-cell", &ScriptRunner::release_cell},
        {"drag-selection", &ScriptRunner::drag_selection},
        {"type", &ScriptRunner::type},
        {"key", &ScriptRunner::key},
        {"scroll", &ScriptRunner::scroll},
        {"move-status", &ScriptRunner::move_status},
        {"click-status", &ScriptRunner::click_status},
        {"clipboard", &ScriptRunner::clipboard},
        {"wait", &ScriptRunner::wait},
        {"seed", &ScriptRunner::seed},
        {"expect-line", &ScriptRunner::expect_line},
        {"expect-lines", &ScriptRunner::expect_lines},
        {"expect-row", &ScriptRunner::expect_row},
        {"expect-row-trim", &ScriptRunner::expect_row_trim},
        {"expect-status", &ScriptRunner::expect_status},
        {"expect-message", &ScriptRunner::expect_message},
        {"expect-no-message", &ScriptRunner::expect_no_message},
        {"expect-prompt", &ScriptRunner::expect_prompt},
        {"expect-checked", &ScriptRunner::expect_checked},
        {"expect-enabled", &ScriptRunner::expect_enabled},
        {"expect-visible", &ScriptRunner::expect_visible},
        {"expect-text", &ScriptRunner::expect_text},
        {"expect-hint", &ScriptRunner::expect_hint},
        {"expect-focus", &ScriptRunner::expect_focus},
        {"expect-value", &ScriptRunner::expect_value},
        {"expect-items", &ScriptRunner::expect_items},
        {"expect-selection", &ScriptRunner::expect_selection},
        {"expect-colour", &ScriptRunner::expect_colour},
        {"expect-file", &ScriptRunner::expect_file},
        {"expect-no-file", &ScriptRunner::expect_no_file},
        {"expect-exists", &ScriptRunner::expect_exists},
        {"expect-clipboard", &ScriptRunner::expect_clipboard},
        {"expect-scroll", &ScriptRunner::expect_scroll},
        {"expect-canvas-size", &ScriptRunner::expect_canvas_size},
        {"expect-pixel", &ScriptRunner::expect_pixel},
    };
    return table;
}

void ScriptRunner::run(const Command& c) {
    if (queue_answer(ui_, c, program_dir_)) return;
    if (c.name == "expect-opened") {
        expect_opened(ui_, c, resolve(text(c, 0)));
        return;
    }
    if (c.name == "expect-started") {
        expect_started(ui_, c, resolve(text(c, 1)));
        return;
    }
    for (const auto& [name, method] : methods()) {
        if (c.name == name) {
            (this->*method)(c);
            settle();
            return;
        }
    }
    fail("unknown command '" + c.name + "'");
}

std::filesystem::path ScriptRunner::resolve(const std::string& path) const {
    const auto p = std::filesystem::u8path(path);
    return p.is_absolute() ? p : program_dir_ / p;
}

QWidget* ScriptRunner::visible_control(const std::string& name) {
    QWidget* w = find_widget(QString::fromStdString(name));
    if (!w) fail("no control named " + name);
    if (!w->isVisible()) fail(name + " is not visible");
    if (!w->isEnabled()) fail(name + " is disabled");
    ensure_reachable(w, name);
    return w;
}

void ScriptRunner::ensure_reachable(const QWidget* w, const std::string& name) const {
    if (QWidget* modal = blocking_modal_window(w))
        fail(name + " cannot be reached while the modal window " +
             ScriptStepper::window_name(modal) + " is open");
}

void ScriptRunner::focus(QWidget* w) {
    QWidget* window = w->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        settle();
    }
    w->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> ScriptRunner::command_key(const QString& name) const {
    const auto [window, key] = split_name(name);
    if (!window.isEmpty() && window != form_.objectName()) return std::nullopt;
    if (!form_.commands.entry(key)) return std::nullopt;
    return key;
}

void ScriptRunner::document(const Command&) {
    fail("document must come before every other command but the answers");
}

void ScriptRunner::window(const Command& c) {
    const QSize want(integer(c, 0), integer(c, 1));
    if (want.width() < 1 || want.height() < 1) fail("the size must be positive");
    for (int attempt = 0; attempt < 5; ++attempt) {
        settle();
        const QSize have = form_.blackboard->size();
        if (have == want) return;
        form_.resize(form_.size() + (want - have));
    }
    settle();
    const QSize have = form_.blackboard->size();
    if (have != want)
        fail("blackboard stays " + std::to_string(have.width()) + " x " +
             std::to_string(have.height()) + " (the window is " + std::to_string(form_.width()) +
             " x " + std::to_string(form_.height()) + ", its smallest size " +
             std::to_string(form_.minimumSizeHint().width()) + " x " +
             std::to_string(form_.minimumSizeHint().height()) + ")");
}

void ScriptRunner::click(const Command& c) {
    const std::string& n = text(c, 0);
    if (const auto key = command_key(qname(c))) {
        const QString& name = *key;
        const canvas::CommandEntry* e = form_.commands.entry(name);
        if (e->kind == canvas::EntryKind::menu || e->kind == canvas::EntryKind::popup ||
            e->kind == canvas::EntryKind::tool_bar)
            fail(n + " is a menu or tool bar, not a command");
        if (!form_.commands.effectively_enabled(name)) fail(n + " is disabled");
        if (e->kind == canvas::EntryKind::button) {
            // A tool button can only be clicked where it can be seen.
            QToolBar* bar = form_.commands.tool_bar(QString::fromUtf8(e->parent));
            if (bar && !bar->isVisible()) fail(n + " is not visible (its tool bar is hidden)");
        }
        ensure_reachable(form_.window(), n);
        if (!form_.commands.click(name)) fail(n + " is disabled");
        return;
    }
    if (QWidget* w = find_widget(qname(c))) {
        if (click_tab_page(w, n)) return;
        if (!w->isVisible()) fail(n + " is not visible");
        if (!w->isEnabled()) fail(n + " is disabled");
        ensure_reachable(w, n);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->click();
            return;
        }
        const QPoint centre = w->rect().center();
        send_mouse(w, QEvent::MouseMove, centre, Qt::NoButton, Qt::NoButton);
        send_mouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        send_mouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        return;
    }
    if (QAction* a = find_action(qname(c))) {
        if (!a->isEnabled()) fail(n + " is disabled");
        a->trigger();
        return;
    }
    fail("no control or command named " + n);
}

// ---- mouse ----

void ScriptRunner::image_mouse(int kind, QPoint at) {
    QWidget* image = form_.Image1;
    if (!image->isVisible()) fail("Image1 is not visible (normal editing mode?)");
    ensure_reachable(image, "Image1");
    const Qt::MouseButtons held = button_down_ ? Qt::LeftButton : Qt::NoButton;
    if (kind == kMove || !pointer_ || *pointer_ != at) {
        send_mouse(image, QEvent::MouseMove, at, Qt::NoButton, held);
        pointer_ = at;
    }
    if (kind == kPress) {
        button_down_ = true;
        send_mouse(image, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    } else if (kind == kRelease) {
        button_down_ = false;
        send_mouse(image, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
}

QPoint ScriptRunner::cell_centre(const Command& c) const {
    const int pitch = form_.double_byte() ? canvas::kFullWidth : canvas::kHalfWidth;
    // Where the zoomed view shows the centre: a cell stays a cell at every zoom factor.
    return {form_.to_widget_units((integer(c, 0) - 1) * pitch + pitch / 2),
            form_.to_widget_units((integer(c, 1) - 1) * canvas::kRowPitch + canvas::kRowPitch / 2)};
}

void ScriptRunner::press(const Command& c) {
    image_mouse(kPress, {integer(c, 0), integer(c, 1)});
}
void ScriptRunner::move(const Command& c) {
    image_mouse(kMove, {integer(c, 0), integer(c, 1)});
}
void ScriptRunner::release(const Command& c) {
    image_mouse(kRelease, {integer(c, 0), integer(c, 1)});
}
void ScriptRunner::press_cell(const Command& c) {
    image_mouse(kPress, cell_centre(c));
}
void ScriptRunner::move_cell(const Command& c) {
    image_mouse(kMove, cell_centre(c));
}
void ScriptRunner::release_cell(const Command& c) {
    image_mouse(kRelease, cell_centre(c));
}

void ScriptRunner::drag_selection(const Command& c) {
    QWidget* w = find_widget("write_in_imag");
    if (!w || !w->isVisible()) fail("there is no floating selection (write_in_imag) to drag");
    ensure_reachable(w, "write_in_imag");
    const QPoint d(integer(c, 0), integer(c, 1));
    // The selection moves under the pointer, so every step is aimed in screen coordinates.
    const QPoint start = w->mapToGlobal(w->rect().center());
    send_mouse(w, QEvent::MouseMove, w->mapFromGlobal(start), Qt::NoButton, Qt::NoButton);
    send_mouse(w, QEvent::MouseButtonPress, w->mapFromGlobal(start), Qt::LeftButton,
               Qt::LeftButton);
    settle();
    const int steps = std::clamp(std::max(std::abs(d.x()), std::abs(d.y())) / 4, 1, 20);
    for (int s = 1; s <= steps; ++s) {
        const QPoint at = start + d * s / steps;
        send_mouse(w, QEvent::MouseMove, w->mapFromGlobal(at), Qt::NoButton, Qt::LeftButton);
        settle();
    }
    send_mouse(w, QEvent::MouseButtonRelease, w->mapFromGlobal(start + d), Qt::LeftButton,
               Qt::NoButton);
}

// ---- keys ----

void ScriptRunner::type(const Command& c) {
    QWidget* w = visible_control(text(c, 0));
    focus(w);
    const std::string& b = bytes(c, 1);
    for (std::size_t i = 0; i < b.size();) {
        const auto ch = static_cast<unsigned char>(b[i]);
        if (ch < 0x80) {
            if (ch == '\r' || ch == '\n') {
                send_key(w, Qt::Key_Return, Qt::NoModifier, "\r");
                i += (ch == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ? 2 : 1;
            } else if (ch == '\t') {
                send_key(w, Qt::Key_Tab, Qt::NoModifier, "\t");
                ++i;
            } else if (ch >= 0x20 && ch < 0x7F) {
                const int key = (ch >= 'a' && ch <= 'z') ? ch - 32 : ch;
                send_key(w, key, Qt::NoModifier, QString(QChar(ch)));
                ++i;
            } else {
                fail("cannot type the control byte " + quote_bytes(b.substr(i, 1)));
            }
            continue;
        }
        // Full-width text arrives as an input method commits it.
        const std::size_t start = i;
        while (i < b.size() && static_cast<unsigned char>(b[i]) >= 0x80) {
            const auto lead = static_cast<unsigned char>(b[i]);
            const bool pair =
                platform::is_lead_byte(lead) && i + 1 < b.size() &&
                platform::gbk_pair_to_unicode(lead, static_cast<unsigned char>(b[i + 1])) != 0;
            i += pair ? 2 : 1;
        }
        QInputMethodEvent commit;
        commit.setCommitString(platform::to_qstring(b.substr(start, i - start)));
        QApplication::sendEvent(w, &commit);
    }
}

void ScriptRunner::key(const Command& c) {
    QWidget* w = visible_control(text(c, 0));
    const auto k = parse_key(text(c, 1));
    if (!k) {
        fail("unknown key '" + text(c, 1) +
             "' (Enter, Escape, Tab, Left, Right, Up, Down, Home, End, PageUp, PageDown, "
             "Backspace, Delete, Insert, Pause, Space, Shift, F1..F12, a character, with Ctrl+, "
             "Shift+, Alt+)");
    }
    focus(w);
    send_key(w, k->key, k->mods, k->text);
}

// ---- scroll bar and status bar ----

void ScriptRunner::scroll(const Command& c) {
    QScrollBar* bar = form_.ScrollBar1;
    if (!bar->isVisible()) fail("ScrollBar1 is not visible (normal editing mode?)");
    if (!bar->isEnabled()) fail("ScrollBar1 is disabled");
    ensure_reachable(bar, "ScrollBar1");
    // As a drag of the thumb: the position follows the pointer, clamped to the range.
    bar->setSliderDown(true);
    bar->setSliderPosition(integer(c, 0));
    bar->setSliderDown(false);
}

void ScriptRunner::move_status(const Command& c) {
    QWidget* bar = visible_control("StatusBar1");
    send_mouse(bar, QEvent::MouseMove, {integer(c, 0), bar->height() / 2}, Qt::NoButton,
               Qt::NoButton);
}

void ScriptRunner::click_status(const Command& c) {
    move_status(c);
    QWidget* bar = form_.StatusBar1;
    const QPoint at(integer(c, 0), bar->height() / 2);
    send_mouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send_mouse(bar, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// ---- clipboard, time ----

void ScriptRunner::clipboard(const Command& c) {
    ui_.set_clipboard_text(platform::gbk_to_utf8(bytes(c, 0)));
}

void ScriptRunner::wait(const Command& c) {
    const int ms = integer(c, 0);
    if (ms < 0) fail("the time must not be negative");
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ScriptRunner::seed(const Command& c) {
    platform::app_random().seed(static_cast<std::uint32_t>(integer(c, 0)));
}

// ---- checks ----

void ScriptRunner::expect_line(const Command& c) {
    const int n = integer(c, 0);
    const auto& doc = form_.document_for_reading();
    if (n < 1 || n > doc.line_count())
        fail("there is no line " + std::to_string(n) + ": the document has " +
             std::to_string(doc.line_count()) + " lines");
    compare_bytes("line " + std::to_string(n), std::string(doc.line(n - 1)), bytes(c, 1));
}

void ScriptRunner::expect_lines(const Command& c) {
    const int have = form_.document_for_reading().line_count();
    if (have != integer(c, 0))
        fail("the document has " + std::to_string(have) + " lines, expected " + text(c, 0));
}

void ScriptRunner::expect_row(const Command& c) {
    const int layer = integer(c, 0), r = integer(c, 1);
    if (layer < 1 || layer > canvas::kLayerCount) fail("layers are numbered 1 to 5");
    if (r < 1 || r > canvas::kMaxRows) fail("rows are numbered 1 to 80");
    compare_bytes("row " + std::to_string(r) + " of layer " + std::to_string(layer),
                  form_.canvas.layers.row(layer, r), bytes(c, 2));
}

void ScriptRunner::expect_row_trim(const Command& c) {
    const int layer = integer(c, 0), r = integer(c, 1);
    if (layer < 1 || layer > canvas::kLayerCount) fail("layers are numbered 1 to 5");
    if (r < 1 || r > canvas::kMaxRows) fail("rows are numbered 1 to 80");
    compare_bytes("trimmed row " + std::to_string(r) + " of layer " + std::to_string(layer),
                  canvas::trailing_space_trim(form_.canvas.layers.row(layer, r)), bytes(c, 2));
}

void ScriptRunner::expect_status(const Command& c) {
    const int p = integer(c, 0);
    if (p < 0 || p >= canvas::kStatusPanelCount) fail("status panels are numbered 0 to 5");
    compare_shown("status panel " + std::to_string(p), form_.StatusBar1->panel_text(p),
                  bytes(c, 1));
}

const platform::ScriptedUi::Shown* ScriptRunner::next_message() {
    const auto& shown = ui_.shown();
    while (messages_seen_ < shown.size() && shown[messages_seen_].kind != Shown::message &&
           shown[messages_seen_].kind != Shown::confirm)
        ++messages_seen_;
    return messages_seen_ < shown.size() ? &shown[messages_seen_] : nullptr;
}

void ScriptRunner::expect_message(const Command& c) {
    const Shown* m = next_message();
    if (!m) fail("no message was shown, expected " + quote_bytes(bytes(c, 0)));
    ++messages_seen_;
    // A message is UTF-8 text in which a CR breaks the line (the document codec would carry it
    // as a byte of its own).
    if (m->text == platform::gbk_to_utf8(bytes(c, 0))) return;
    compare_shown("the message", QString::fromStdString(m->text), bytes(c, 0));
}

void ScriptRunner::expect_no_message(const Command&) {
    if (const Shown* m = next_message())
        fail("a message was shown: " + quoted(QString::fromStdString(m->text)));
}

void ScriptRunner::expect_checked(const Command& c) {
    const QString name = qname(c);
    bool on = false;
    if (const auto key = command_key(name)) {
        on = form_.commands.checked(*key);
    } else if (auto* b = qobject_cast<QAbstractButton*>(find_widget(name))) {
        on = b->isChecked();
    } else if (QAction* a = find_action(name)) {
        on = a->isChecked();
    } else {
        fail("no check box, button or command named " + text(c, 0));
    }
    if (on != boolean(c, 1)) fail(text(c, 0) + (on ? " is checked" : " is not checked"));
}

void ScriptRunner::expect_enabled(const Command& c) {
    const QString name = qname(c);
    bool on = false;
    if (const auto key = command_key(name)) {
        on = form_.commands.effectively_enabled(*key);
    } else if (QWidget* w = find_widget(name)) {
        on = w->isEnabled();
    } else if (QAction* a = find_action(name)) {
        on = a->isEnabled();
    } else {
        fail("no control or command named " + text(c, 0));
    }
    if (on != boolean(c, 1)) fail(text(c, 0) + (on ? " is enabled" : " is disabled"));
}

void ScriptRunner::expect_visible(const Command& c) {
    const QString name = qname(c);
    bool on = false;
    const QString key = command_key(name).value_or(QString());
    const canvas::CommandEntry* e = key.isEmpty() ? nullptr : form_.commands.entry(key);
    if (e && e->kind == canvas::EntryKind::tool_bar) {
        on = form_.commands.tool_bar(key)->isVisible();
    } else if (e && e->kind == canvas::EntryKind::button) {
        QWidget* b = find_widget(key + "_button");
        on = b && b->isVisible();
    } else if (e && form_.commands.action(key)) {
        on = form_.commands.action(key)->isVisible();
    } else if (QWidget* w = find_widget(name)) {
        on = w->isVisible();
    } else if (QAction* a = find_action(name)) {
        on = a->isVisible();
    } else {
        fail("no control or command named " + text(c, 0));
    }
    if (on != boolean(c, 1)) fail(text(c, 0) + (on ? " is visible" : " is not visible"));
}

void ScriptRunner::expect_text(const Command& c) {
    const QString name = qname(c);
    QString actual;
    if (QAction* a = form_.commands.action(command_key(name).value_or(QString()))) {
        actual = a->text();
    } else if (QWidget* w = find_widget(name)) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            actual = edit->text();
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
            actual = memo->toPlainText();
        else if (auto* label = qobject_cast<QLabel*>(w))
            actual = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            actual = button->text();
        else if (w->isWindow())
            actual = w->windowTitle();
        else
            fail(text(c, 0) + " has no text");
    } else if (QAction* other = find_action(name)) {
        actual = other->text();
    } else {
        fail("no control or command named " + text(c, 0));
    }
    compare_shown("the text of " + text(c, 0), actual, bytes(c, 1));
}

void ScriptRunner::expect_hint(const Command& c) {
    const QString name = qname(c);
    QString actual;
    if (QAction* a = form_.commands.action(command_key(name).value_or(QString())))
        actual = a->toolTip();
    else if (QWidget* w = find_widget(name))
        actual = w->toolTip();
    else
        fail("no control or command named " + text(c, 0));
    compare_shown("the hint of " + text(c, 0), actual, bytes(c, 1));
}

void ScriptRunner::expect_focus(const Command& c) {
    QWidget* f = QApplication::focusWidget();
    if (!f) f = form_.focusWidget();
    const std::string have = f ? f->objectName().toStdString() : std::string("nothing");
    const auto [window, name] = split_name(qname(c));
    const bool same =
        f && f->objectName() == name && (window.isEmpty() || f->window()->objectName() == window);
    if (!same) fail("the focus is on " + (have.empty() ? "an unnamed control" : have));
}

void ScriptRunner::expect_colour(const Command& c) {
    const int column = integer(c, 0);
    const int row = integer(c, 1);
    if (!document::ColourGrid::contains(row, column))
        fail("cell (" + std::to_string(column) + ", " + std::to_string(row) +
             ") lies outside the colour layer");
    const std::int64_t text_flag = number(c, 2);
    const std::int64_t back_flag = number(c, 4);
    if ((text_flag != 0 && text_flag != 1) || (back_flag != 0 && back_flag != 1))
        fail("a colour flag is 0 or 1");
    // Colours are Windows values, so 0x8000000F and -2147483633 name the same colour.
    const auto text_colour = *parse_int32(c.args[3].text);
    const auto back_colour = *parse_int32(c.args[5].text);
    const document::ColourCell& have = form_.colours.layer.cell(row, column);
    auto shown = [](bool flag, platform::WinColour colour) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(colour));
        return std::string(flag ? "1 " : "0 ") + buf;
    };
    // A colour whose flag is clear is never shown, so only a set flag compares its colour.
    const bool text_ok =
        have.text_set == (text_flag == 1) && (!have.text_set || have.text == text_colour);
    const bool back_ok =
        have.back_set == (back_flag == 1) && (!have.back_set || have.back == back_colour);
    if (!text_ok || !back_ok)
        fail("cell (" + std::to_string(column) + ", " + std::to_string(row) + ") has text " +
             shown(have.text_set, have.text) + ", background " + shown(have.back_set, have.back));
}

void ScriptRunner::expect_file(const Command& c) {
    const auto path = resolve(text(c, 0));
    const auto content = read_file(path);
    if (!content) fail(path.string() + " does not exist or cannot be read");
    compare_bytes(path.string(), *content, bytes(c, 1));
}

void ScriptRunner::expect_no_file(const Command& c) {
    const auto path = resolve(text(c, 0));
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) fail(path.string() + " exists");
}

void ScriptRunner::expect_clipboard(const Command& c) {
    compare_bytes("the clipboard", platform::utf8_to_gbk(ui_.clipboard_text()), bytes(c, 0));
}

void ScriptRunner::expect_scroll(const Command& c) {
    const int have = form_.ScrollBar1->value();
    if (have != integer(c, 0))
        fail("ScrollBar1 is at " + std::to_string(have) + " (range " +
             std::to_string(form_.ScrollBar1->minimum()) + ".." +
             std::to_string(form_.ScrollBar1->maximum()) + ")");
}

void ScriptRunner::expect_canvas_size(const Command& c) {
    if (form_.canvas.width != integer(c, 0) || form_.canvas.height != integer(c, 1))
        fail("the canvas is " + std::to_string(form_.canvas.width) + " bytes x " +
             std::to_string(form_.canvas.height) + " rows");
}

void ScriptRunner::expect_pixel(const Command& c) {
    const auto have = form_.image.pixel(integer(c, 0), integer(c, 1));
    if (static_cast<std::int64_t>(have) != number(c, 2)) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(have));
        fail(std::string("the pixel is ") + buf);
    }
}

}  // namespace quillo::script
