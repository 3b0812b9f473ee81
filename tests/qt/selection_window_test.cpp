// The move and copy tools in the main window: rubber band and frame geometry, the floating
// block's image, dragging it with the mouse and placing it.
#include <QFrame>
#include <QMouseEvent>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

constexpr platform::Rgb kFace = 0xD4D0C8;  // the canvas background of the shipped settings

class SelectionWindowTest : public WindowTest {
  protected:
    void start_on_block() {
        start(
            write_file("block.txt", "0123456789\nabcdefghij\nABCDEFGHIJ\nklmnopqrst\nuvwxyz0123\n")
                .string());
        ASSERT_FALSE(form->double_byte());
    }

    static void send(QWidget* w, QEvent::Type type, QPoint at) { send_mouse(w, type, at); }

    // Centre of a single-byte cell of the canvas image.
    static QPoint cell(int c, int r) { return {(c - 1) * 8 + 4, (r - 1) * 16 + 8}; }

    void band(QPoint from, QPoint to) {
        send(form->Image1, QEvent::MouseMove, from);
        send(form->Image1, QEvent::MouseButtonPress, from);
        send(form->Image1, QEvent::MouseMove, to);
        send(form->Image1, QEvent::MouseButtonRelease, to);
        settle();
    }

    std::string trimmed(int layer, int r) const {
        return canvas::trailing_space_trim(row(layer, r));
    }

    QRect geometry(QWidget* w) const { return w->geometry(); }
};

TEST_F(SelectionWindowTest, RubberBandLiftsIntoAFramedOverlayThatDragsInWholeCells) {
    start_on_block();
    click("n_color");
    // Cell (3, 2) has a green background and (2, 3) a red text of its own.
    form->colours.layer.set(2, 3, {false, true, 0, 0x00FF00});
    form->colours.layer.set(3, 2, {true, false, 0x0000FF, 0});
    click("sb1_move");
    const int ix = form->Image1->x();
    const int iy = form->Image1->y();

    // While the button is down the bevels outline cells 2..4 of rows 2..4.
    send(form->Image1, QEvent::MouseMove, cell(4, 4));
    send(form->Image1, QEvent::MouseButtonPress, cell(4, 4));
    EXPECT_TRUE(form->Btop->isVisible());
    EXPECT_EQ(form->Btop->width(), 0);  // nothing spanned yet
    send(form->Image1, QEvent::MouseMove, cell(3, 3));
    send(form->Image1, QEvent::MouseMove, cell(2, 2));
    EXPECT_EQ(form->Btop->pos(), QPoint(ix + 8, iy + 16));
    EXPECT_EQ(form->Btop->width(), 24);
    EXPECT_EQ(form->Bleft->pos(), QPoint(ix + 8, iy + 16));
    EXPECT_EQ(form->Bleft->height(), 48);
    EXPECT_EQ(form->Bbottom->pos(), QPoint(ix + 8, iy + 64));
    EXPECT_EQ(form->Bright->pos(), QPoint(ix + 32, iy + 16));
    EXPECT_FALSE(form->write_in_imag->isVisible());
    send(form->Image1, QEvent::MouseButtonRelease, cell(2, 2));
    settle();

    // The overlay covers the block exactly.
    EXPECT_EQ(form->selection.rect, (tools::SelectionRect{2, 2, 4, 4}));
    EXPECT_TRUE(form->write_in_imag->isVisible());
    EXPECT_EQ(geometry(form->write_in_imag), QRect(ix + 8, iy + 16, 24, 48));
    // Its image is one pixel lower than the grid: block cell (2, 1) (green) spans rows 1..16,
    // block cell (1, 2) has red ink ("B" has ink at (1, 4) of its glyph).
    const platform::Raster& overlay = form->write_in_imag->raster();
    EXPECT_EQ(overlay.pixel(8, 1), 0x00FF00u);
    EXPECT_EQ(overlay.pixel(15, 16), 0x00FF00u);
    EXPECT_EQ(overlay.pixel(16, 1), kFace);
    EXPECT_EQ(overlay.pixel(1, 16 + 1 + 4), 0xFF0000u);
    EXPECT_EQ(overlay.pixel(17, 16 + 1 + 4), 0x000000u);  // "D" uncoloured
    // The source lost its colours (a move) and its text in the working layer only.
    EXPECT_FALSE(form->colours.layer.cell(2, 3).has_flag());
    EXPECT_EQ(trimmed(canvas::kWorking, 3), "A   EFGHIJ");
    EXPECT_EQ(trimmed(canvas::kCommitted, 3), "ABCDEFGHIJ");
    // The canvas under it shows the blank place, without the green.
    EXPECT_EQ(form->image.pixel(16, 16), kFace);

    // Dragging: a grab, then 13 pixels right and 20 down move it one cell and one row; the
    // frame follows with its lengths kept.
    QWidget* o = form->write_in_imag;
    const QPoint grab_global = o->mapToGlobal(QPoint(10, 10));
    send(o, QEvent::MouseButtonPress, o->mapFromGlobal(grab_global));
    send(o, QEvent::MouseMove, o->mapFromGlobal(grab_global + QPoint(13, 20)));
    send(o, QEvent::MouseButtonRelease, o->mapFromGlobal(grab_global + QPoint(13, 20)));
    settle();
    EXPECT_EQ(geometry(o), QRect(ix + 16, iy + 32, 24, 48));
    EXPECT_EQ(form->selection.rect, (tools::SelectionRect{3, 3, 5, 5}));
    EXPECT_EQ(form->Btop->geometry().topLeft(), QPoint(ix + 16, iy + 32));
    EXPECT_EQ(form->Btop->width(), 24);
    EXPECT_EQ(form->Bbottom->pos(), QPoint(ix + 16, iy + 80));
    EXPECT_EQ(form->Bright->pos(), QPoint(ix + 40, iy + 32));
    EXPECT_GE(form->Bright->height(), 48);
    EXPECT_FALSE(form->selection.overlay_dragging);

    // A new rubber band places the floating block first and commits it.
    send(form->Image1, QEvent::MouseMove, cell(8, 1));
    send(form->Image1, QEvent::MouseButtonPress, cell(8, 1));
    EXPECT_FALSE(form->write_in_imag->isVisible());
    EXPECT_EQ(trimmed(canvas::kCommitted, 2), "a   efghij");
    EXPECT_EQ(trimmed(canvas::kCommitted, 3), "A bcdFGHIJ");
    EXPECT_EQ(trimmed(canvas::kCommitted, 4), "k BCDpqrst");
    EXPECT_EQ(trimmed(canvas::kCommitted, 5), "uvlmnz0123");
    EXPECT_EQ(form->colours.layer.cell(3, 4), (document::ColourCell{false, true, 0, 0x00FF00}));
    EXPECT_EQ(form->colours.layer.cell(4, 3).text_set, true);
    send(form->Image1, QEvent::MouseMove, cell(9, 2));
    send(form->Image1, QEvent::MouseButtonRelease, cell(9, 2));
    settle();
    EXPECT_TRUE(form->write_in_imag->isVisible());
    EXPECT_EQ(form->selection.rect, (tools::SelectionRect{8, 1, 9, 2}));
}

// A release on a single cell, which lifts nothing and places nothing later: selection_copy.qs.
TEST_F(SelectionWindowTest, ABandDraggedOffTheCanvasStopsAtTheFirstCell) {
    start_on_block();
    click("sb1_move");
    band(cell(3, 2), QPoint(-40, -40));
    EXPECT_EQ(form->selection.rect, (tools::SelectionRect{1, 1, 3, 2}));
    EXPECT_EQ(trimmed(canvas::kWorking, 1), "   3456789");
}

}  // namespace

}  // namespace quillo::testing
