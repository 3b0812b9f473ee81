// Quillo: start-up. Parses the command line, creates the windows in their fixed order and runs
// the message loop.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "canvas/qt/quillo.h"
#include "canvas/qt/splash.h"
#include "canvas/qt/tool_icons.h"
#include "platform/qt/qt_ui_services.h"
#include "script/qt/script_mode.h"

namespace {

bool has_display() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

std::filesystem::path executable_dir(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

void usage() {
    std::fprintf(stderr,
                 "usage: quillo [--program-dir DIR] [DOCUMENT]\n"
                 "       quillo --script FILE [--program-dir DIR] [DOCUMENT]\n");
}

}  // namespace

int main(int argc, char** argv) {
    quillo::canvas::AppContext context;
    context.program_dir = executable_dir(argv[0]);
    std::optional<std::string> script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program-dir" && i + 1 < argc) {
            context.program_dir = std::filesystem::absolute(argv[++i]);
            context.program_dir_forced = true;
        } else if (arg == "--script" && i + 1 < argc) {
            script = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (!context.command_line_file) {
            context.command_line_file = arg;
        } else {
            usage();
            return 2;
        }
    }

    if (script) {
        // Nothing is shown: the real windows run on the offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        quillo::script::isolate_home(context.program_dir);
        quillo::script::quiet_qt_messages();
        QApplication app(argc, argv);
        QApplication::setApplicationName("Quillo 4.8");
        return quillo::script::run_script_mode(
            {*script, context.program_dir, context.command_line_file});
    }

    if (!has_display()) {
        std::fprintf(stderr,
                     "quillo: no display found (DISPLAY is not set); start it from a desktop "
                     "session, or under xvfb-run.\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillo 4.8");
    QApplication::setWindowIcon(quillo::canvas::program_icon());
    // Lets the desktop match the window with the shortcut's entry and its icon.
    QGuiApplication::setDesktopFileName("quillo");

    auto* splash = new quillo::canvas::TForm2;
    splash->show();
    app.processEvents();

    quillo::platform::QtUiServices ui;
    context.ui = &ui;
    quillo::canvas::TForm1 form(context);
    ui.set_parent(&form);
    QObject::connect(&form, &quillo::canvas::TForm1::splash_should_close, splash,
                     [splash] { splash->close(); });
    form.resize(1000, 700);
    form.show();
    return app.exec();
}
