#include <QLineEdit>
#include <QMouseEvent>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "window_fixture.h"

namespace quillo::testing {

TEST_F(WindowTest, StartsInDrawingModeWithTheDocumentOnTheCanvas) {
    const auto path = write_file("art.txt", "ab\r\n\xD6\xD0x\r\nlast");
    start(path.string());
    EXPECT_FALSE(form->normal_mode());
    EXPECT_EQ(form->status(1), "■");
    EXPECT_EQ(form->status(0), "En");
    EXPECT_EQ(form->status(5), path.string());
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kCommitted, 1)), "ab");
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kWorking, 2)), "\xD6\xD0x");
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kWorking, 3)), "last");
    // Row 1 is painted: its first glyph has font-coloured pixels.
    bool ink = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) ink |= form->image.pixel(x, y) == 0x000000;
    EXPECT_TRUE(ink);
}

}  // namespace quillo::testing

namespace quillo::testing {

TEST_F(WindowTest, Edit1ShowsTheCanvasWidthWhenClicked) {
    start();
    QLineEdit* edit = form->Edit1;
    edit->clear();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), edit->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
    EXPECT_EQ(edit->text().toInt(), form->canvas.width);
    EXPECT_GT(form->canvas.width, 0);
}

}  // namespace quillo::testing
