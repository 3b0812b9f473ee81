// The snake game on the canvas: the game menu, the step timer, the gauges and the game's keys.
// The game itself is extras/snake; these handlers hand it the canvas and show what it did.
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/event_hook.h"
#include "canvas/qt/quillo.h"
#include "canvas/virtual_keys.h"
#include "extras/snake_rules.h"
#include "platform/random.h"

namespace quillo::canvas {

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The classic virtual-key number of a key: what Edit1 shows and what the game reads.
int virtual_key(const QKeyEvent* k) {
    return virtual_key_code(k->key(), k->modifiers().testFlag(Qt::KeypadModifier));
}

QProgressBar* gauge(QWidget* parent, QHBoxLayout* row, const char* name, const char* caption,
                    int maximum) {
    row->addWidget(new QLabel(q(caption), parent));
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedWidth(100);
    row->addWidget(bar);
    return bar;
}

}  // namespace

void TForm1::build_game_widgets() {
    auto* row = new QHBoxLayout(CoolBar1);
    row->setContentsMargins(4, 2, 4, 2);
    gau_speed = gauge(CoolBar1, row, "gau_speed", "速度", extras::kSpeedGaugeMax);
    Gau_long = gauge(CoolBar1, row, "Gau_long", "身长", extras::kLengthGaugeMax);
    Gau_long->setValue(snake_start_length);
    Gau_far = gauge(CoolBar1, row, "Gau_far", "路程", extras::kSnakeDefaultLevelUp);
    row->addWidget(new QLabel(q("得分:"), CoolBar1));
    Edit4 = new QLineEdit(CoolBar1);
    Edit4->setObjectName("Edit4");
    Edit4->setReadOnly(true);
    Edit4->setFocusPolicy(Qt::NoFocus);  // the keys stay with the pen box
    Edit4->setFixedWidth(80);
    row->addWidget(Edit4);
    row->addStretch(1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { run_command([this] { Timer1Timer(); }); });

    // While a game is shown the keys of the pen box and of Edit1 belong to it: nothing is typed
    // into them. These hooks come after the pen box's own, so they see a key first.
    hook(pen_txt, this, [this](QEvent* e) {
        if (!snake_running || e->type() != QEvent::KeyPress) return false;
        const int key = virtual_key(static_cast<QKeyEvent*>(e));
        run_command([this, key] { snake_pen_key(key); });
        return true;
    });
    hook(Edit1, this, [this](QEvent* e) {
        if (!snake_running || e->type() != QEvent::KeyPress) return false;
        const int key = virtual_key(static_cast<QKeyEvent*>(e));
        run_command([this, key] { snake_edit1_key(key); });
        return true;
    });
}

void TForm1::show_game_gauges() {
    gau_speed->setValue(std::clamp(snake.speed_gauge, 0, extras::kSpeedGaugeMax));
    Gau_long->setValue(std::clamp(snake.length_gauge, 0, extras::kLengthGaugeMax));
    if (Gau_far->maximum() != snake.level_up_distance)
        Gau_far->setRange(0, snake.level_up_distance);
    Gau_far->setValue(std::clamp(snake.distance_gauge, 0, snake.level_up_distance));
    Edit4->setText(QString::number(snake.score));
}

void TForm1::N_game_singleClick(const Sender&) {
    if (!snake_running) {
        // A floating block is placed now: nothing of the game board may be committed with it
        // later. The document takes the committed rows, so that the reload of a resize during
        // the game finds every stroke in it.
        init_image1();
        store_window(canvas, doc, canvas.scroll);
        commands.set_enabled("N_game_over", true);
        for (const char* name : {"n_view", "m_img2html", "m1", "m2", "m3", "N15"})
            commands.set_enabled(name, false);
        ScrollBar1->hide();
        Image1->setEnabled(false);
        Label1->setEnabled(false);
        press_flag = false;
        current_tool = 0;
        reset_tool_buttons();
        CoolBar1->show();
        ControlBar1->hide();
        StatusBar1->hide();
        snake_running = true;
    }
    // A new game, also over a paused or ended one.
    commands.set_enabled("n_game_pauls", true);
    commands.set_enabled("N9", false);
    const extras::SnakeSettings start{snake_start_length, settings.snake_speed, settings.difficult,
                                      settings.snake_body};
    extras::start_snake(snake, canvas, start, pen_text, platform::app_random());
    settings.snake_body = snake.body;  // the body text in use is the one kept at exit
    show_game_gauges();
    Timer1->start(snake.interval_ms);
    pen_txt->setReadOnly(true);
    repaint_all(false);
    pen_txt->setFocus();
}

void TForm1::Timer1Timer() {
    if (!snake_running) {
        Timer1->stop();
        return;
    }
    const auto result = extras::step_snake(
        snake, canvas, extras::board_right_edge(to_canvas_pixels(blackboard->width())), pen_text,
        platform::app_random());
    show_game_gauges();
    if (result == extras::StepResult::collided) {
        Timer1->stop();
        // Nothing is left to pause or continue: only a new game or the end of the game.
        commands.set_enabled("n_game_pauls", false);
        commands.set_enabled("N9", false);
        QApplication::beep();
        ui().message(extras::game_over_message(snake.score), "确认", platform::Icon::question);
        return;
    }
    if (Timer1->interval() != snake.interval_ms) Timer1->setInterval(snake.interval_ms);
    repaint_all(false);
}

void TForm1::snake_pen_key(int key) {
    Edit1->setText(QString::number(key));
    switch (extras::snake_key(snake, key)) {
        case extras::KeyEffect::pause:
            Timer1->stop();
            if (!snake.collided) {
                commands.set_enabled("n_game_pauls", false);
                commands.set_enabled("N9", true);
            }
            break;
        case extras::KeyEffect::resume:
            // A timer that runs keeps its beat: keys held down do not hold the snake back.
            if (!Timer1->isActive()) Timer1->start(snake.interval_ms);
            commands.set_enabled("n_game_pauls", true);
            commands.set_enabled("N9", false);
            break;
        case extras::KeyEffect::none:
            break;
    }
}

void TForm1::snake_edit1_key(int key) {
    Edit1->setText(QString::number(key));
    if (const int d = extras::direction_for_key(key)) snake.direction = d;
}

void TForm1::n_game_paulsClick(const Sender&) {
    Timer1->stop();
    commands.set_enabled("n_game_pauls", false);
    commands.set_enabled("N9", true);
}

void TForm1::N9Click(const Sender&) {
    if (!snake.collided) Timer1->start(snake.interval_ms);
    commands.set_enabled("n_game_pauls", true);
    commands.set_enabled("N9", false);
}

void TForm1::N_game_overClick(const Sender&) {
    snake_running = false;
    Timer1->stop();
    commands.set_enabled("N15", true);
    for (const char* name : {"n_game_pauls", "N9", "N_game_over"})
        commands.set_enabled(name, false);
    commands.set_enabled("n_view", true);
    commands.set_enabled("m_img2html", true);
    // The game never touched the committed rows, and a resize during the game reloaded them at
    // the canvas's new size: they are the board to go back to.
    copy_layer(canvas, kCommitted, kWorking);
    Label1->setEnabled(true);
    pen_txt->setReadOnly(false);
    ScrollBar1->show();
    for (const char* name : {"m1", "m2", "m3"}) commands.set_enabled(name, true);
    Image1->setEnabled(true);
    CoolBar1->hide();
    ControlBar1->show();
    StatusBar1->show();
    CoolBar3->show();
    repaint_all(false);
}

void TForm1::game_board_resized() {
    extras::redraw_snake_board(snake, canvas, pen_text, platform::app_random());
    repaint_all(true);
}

}  // namespace quillo::canvas
