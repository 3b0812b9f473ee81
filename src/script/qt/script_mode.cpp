#include "script/qt/script_mode.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include "canvas/qt/quillo.h"
#include "script/commands.h"
#include "script/qt/script_runner.h"
#include "script/qt/script_stepper.h"
#include "script/script.h"

namespace quillo::script {

namespace {

void quiet_handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

void isolate_home(const std::filesystem::path& program_dir) {
    const auto home = program_dir / "home";
    const std::pair<const char*, std::filesystem::path> folders[] = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home / ".config"},
        {"XDG_DATA_HOME", home / ".local" / "share"},
        {"XDG_CACHE_HOME", home / ".cache"},
        {"XDG_STATE_HOME", home / ".local" / "state"},
    };
    for (const auto& [variable, folder] : folders) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        ::setenv(variable, folder.c_str(), 1);
    }
}

void quiet_qt_messages() {
    const char* verbose = std::getenv("QUILLO_SCRIPT_VERBOSE");
    if (!verbose || !*verbose || *verbose == '0') qInstallMessageHandler(quiet_handler);
}

int run_script_mode(const ScriptModeOptions& options) {
    auto report = [&](int line, const std::string& what) {
        std::fprintf(stderr, "%s:%d: %s\n", options.script.c_str(), line, what.c_str());
        return 1;
    };

    std::error_code ec;
    const auto script_path = std::filesystem::absolute(std::filesystem::u8path(options.script), ec);
    std::ifstream in(script_path, std::ios::binary);
    if (ec || !in) return report(0, "cannot read the script");
    const std::string source((std::istreambuf_iterator<char>(in)), {});

    // The whole script is read and checked before any window opens.
    const ParsedScript parsed = parse_script(source);
    if (parsed.error) return report(parsed.error->line, parsed.error->message);
    const auto& commands = parsed.commands;
    for (const auto& c : commands)
        if (const std::string problem = check_command(c); !problem.empty())
            return report(c.line, problem);

    // Start-up commands: the document to open, and answers for questions asked while the
    // window is being created.
    ScriptUi ui;
    std::optional<std::string> document = options.document;
    std::size_t first = 0;
    for (; first < commands.size() && is_start_up_command(commands[first].name); ++first) {
        const Command& c = commands[first];
        if (c.name != "document") {
            queue_answer(ui, c, options.program_dir);
        } else if (document) {
            return report(c.line, options.document
                                      ? "a document is already named on the command line"
                                      : "the document is already named");
        } else {
            document = c.args[0].text;
        }
    }
    const int start_up_line = first > 0 ? commands[first - 1].line : 1;

    // The program starts as if from the script's folder: a relative document is found there
    // and named in messages as written.
    std::filesystem::current_path(script_path.parent_path(), ec);
    if (ec) return report(0, "cannot enter the script's folder: " + ec.message());

    std::optional<std::string> dialog_failure;
    canvas::AppContext context;
    context.program_dir = options.program_dir;
    context.ui = &ui;
    context.command_line_file = document;
    context.script_mode = true;
    context.on_unexpected_dialog = [&dialog_failure](const std::string& what) {
        if (!dialog_failure) dialog_failure = what;
    };

    std::unique_ptr<canvas::TForm1> form;
    try {
        form = std::make_unique<canvas::TForm1>(context);
        form->resize(1000, 700);
        form->show();
        form->activateWindow();
        ScriptRunner::settle();
    } catch (const std::exception& e) {
        return report(start_up_line, std::string("during start-up: ") + e.what());
    }
    if (dialog_failure) return report(start_up_line, "during start-up: " + *dialog_failure);

    // Commands run from the event loop, so that a modal window a handler opens does not stop
    // the script: the next commands run inside it.
    ScriptRunner runner(*form, ui, options.program_dir);
    ScriptStepper stepper(runner, ui, commands, first, &dialog_failure);
    if (const auto failure = stepper.run()) return report(failure->line, failure->message);
    return 0;
}

}  // namespace quillo::script
