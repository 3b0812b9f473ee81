#pragma once
// A main window under the offscreen platform, driven by the scripted UI services.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "platform/scripted_ui.h"
#include "window_helpers.h"

namespace quillo::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("quillo_wt_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        // The program directory holds the shipped settings, as an installed program's does.
        std::filesystem::copy_file(QUILLO_SHIPPED_INI, dir / "quillo.ini");
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path write_file(const std::string& name, const std::string& bytes) {
        const auto path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Starts the main window, optionally on a document, with a panel of the given size.
    void start(std::optional<std::string> document = std::nullopt, int width = 800,
               int height = 480) {
        canvas::AppContext context;
        context.program_dir = dir;
        context.ui = &ui;
        context.command_line_file = std::move(document);
        context.script_mode = true;
        form = std::make_unique<canvas::TForm1>(context);
        form->resize(width, height);
        form->show();
        settle();
    }

    void settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    void click(const char* name) {
        ASSERT_TRUE(form->commands.click(name)) << name << " is disabled or unknown";
        settle();
    }

    std::string row(int layer, int r) const { return form->canvas.layers.row(layer, r); }

    // Starts on a two-line document and lifts cells 1..3 of rows 1..2 with the copy tool.
    void lift_block(const std::string& document = "block.txt") {
        start(write_file(document, "ABCDEFGHIJ\nKLMNOPQRST\n").string());
        click("sb1_drag");
        for (auto [type, at] : {std::pair{QEvent::MouseMove, QPoint(4, 8)},
                                {QEvent::MouseButtonPress, QPoint(4, 8)},
                                {QEvent::MouseMove, QPoint(20, 24)},
                                {QEvent::MouseButtonRelease, QPoint(20, 24)}})
            send_mouse(form->Image1, type, at);
        settle();
        ASSERT_TRUE(form->write_in_imag->isVisible());
    }

    // Runs `act` on the next modal window to open, from inside that window's own event loop, so
    // that the QDialog::exec() that opened it returns once `act` closes it:
    //     auto done = when_modal([](QWidget* w) { ...; static_cast<QDialog*>(w)->accept(); });
    //     click("n_option");
    //     EXPECT_TRUE(*done);
    // The flag turns true just before `act` runs.
    std::shared_ptr<bool> when_modal(std::function<void(QWidget*)> act) {
        auto done = std::make_shared<bool>(false);
        auto* poll = new QTimer(modal_watch_.get());
        QPointer<QWidget> before = QApplication::activeModalWidget();
        QObject::connect(poll, &QTimer::timeout, poll, [poll, before, act, done] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == before) return;
            poll->stop();
            poll->deleteLater();
            *done = true;
            act(modal);
        });
        poll->start(1);
        return done;
    }

    std::filesystem::path dir;
    platform::ScriptedUi ui;
    std::unique_ptr<canvas::TForm1> form;
    // Parent of the when_modal watchers: none outlives its test.
    std::unique_ptr<QObject> modal_watch_ = std::make_unique<QObject>();
};

}  // namespace quillo::testing
