// The real message boxes: lines the program joins with CR show as lines, and quoted text is
// never taken for markup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/qt_ui_services.h"

namespace {

// Shows a box through `show` and returns what the box held when it opened.
template <typename Show>
std::pair<QString, Qt::TextFormat> box_contents(Show show) {
    std::pair<QString, Qt::TextFormat> seen{"", Qt::AutoText};
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->text(), box->textFormat()};
            box->done(QMessageBox::Yes);
        }
    });
    poll.start(1);
    show();
    return seen;
}

TEST(QtUiServices, MessageLinesJoinedByCarriageReturnShowAsLinesAndMarkupStaysText) {
    quillo::platform::QtUiServices ui;
    auto shown = box_contents([&] { ui.message("  第一行\r第二行\r\n<b>x</b> & y"); });
    EXPECT_EQ(shown.first, QString::fromUtf8("  第一行\n第二行\n<b>x</b> & y"));
    EXPECT_EQ(shown.second, Qt::PlainText);

    shown = box_contents([&] { ui.confirm("a\rb <i>"); });
    EXPECT_EQ(shown.first, QString("a\nb <i>"));
    EXPECT_EQ(shown.second, Qt::PlainText);
}

}  // namespace
