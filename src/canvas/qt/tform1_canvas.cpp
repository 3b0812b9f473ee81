// The canvas of the main window: repaint, overlays, window size, scrolling, commit and undo.
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "canvas/canvas_size.h"
#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "canvas/status_bar_rules.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::canvas {

void TForm1::repaint_rows(int n, bool force) {
    if (n <= 0) return;
    const Damage damage =
        display.repaint(image, canvas, n, force, display_colours(), colour_pass());
    if (!damage.empty()) Image1->update_rows(damage.first_row, damage.last_row);
}

void TForm1::init_image1() {
    selection.new_selection = true;
    image1_auto_drag = false;
    if (write_in_imag->isVisible() || Btop->isVisible()) {
        place_floating_selection();
        repaint_all(true);
    }
    drop_text_entry();
}

void TForm1::enter_canvas(bool reload) {
    if (doc.lines.empty()) doc.lines.emplace_back("  ");
    const auto range = scroll_range_for(canvas, doc);
    setting_scroll_ = true;
    ScrollBar1->setRange(range.minimum, range.maximum);
    ScrollBar1->setPageStep(range.large_change);
    ScrollBar1->setValue(range.position);
    setting_scroll_ = false;
    if (reload) {
        load_window(canvas, doc, ScrollBar1->value());
        // Undo never reaches back past a reload: the old undo rows belong to other lines.
        copy_layer(canvas, kCommitted, kUndo);
    }
    canvas.scroll = ScrollBar1->value();
    ScrollBar1->setToolTip(QString::number(canvas.scroll));
    if (activated) auto_detect_byte_mode();
    copy_layer(canvas, kCommitted, kWorking);
    repaint_all(true);
}

void TForm1::commit() {
    commit_layers(canvas, doc);
    repaint_all(false);
}

void TForm1::sb_undoClick(const Sender&) {
    init_image1();
    press_flag = false;
    undo_layers(canvas, doc);
    repaint_all(false);
}

void TForm1::FormResize() {
    // Sizes on the panel count in canvas pixels, which the zoom makes larger on screen.
    const int sbw = to_canvas_pixels(ScrollBar1->sizeHint().width());
    const int board_width = to_canvas_pixels(blackboard->width());
    const int board_height = to_canvas_pixels(blackboard->height());
    if (snake_running) {
        canvas.height = game_canvas_height(board_height);
    } else {
        if (!normal_mode()) {
            // The canvas is reloaded from the document: an open typing entry ends first, so
            // the lines it wrote are committed and stored rather than lost.
            drop_text_entry();
            store_window(canvas, doc, canvas.scroll);
        }
        const auto size = resized_canvas_size(
            board_width, board_height, sbw,
            ControlBar1->isVisible() ? to_canvas_pixels(ControlBar1->height()) : 0);
        canvas.height = size.height;
    }
    canvas.width = clamp_width(round_half_even((board_width - sbw) / 8.0));
    if (!normal_mode()) {
        enter_canvas(true);
        set_label1(pad_to_width(label1_text, canvas.double_byte ? 2 * canvas.width : canvas.width));
        if (snake_running) game_board_resized();
    }
}

void TForm1::ScrollBar1Scroll(int position) {
    if (doc.line_count() <= canvas.height) {
        // Nothing to scroll: the bar goes back to where the window is.
        setting_scroll_ = true;
        ScrollBar1->setValue(canvas.scroll);
        setting_scroll_ = false;
        return;
    }
    init_image1();
    store_window(canvas, doc, canvas.scroll);
    load_window(canvas, doc, position);
    copy_layer(canvas, kCommitted, kWorking);
    copy_layer(canvas, kCommitted, kUndo);
    canvas.scroll = position;
    repaint_all(true);
    ScrollBar1->setToolTip(QString::number(canvas.scroll));
}

void TForm1::Image1MouseMove(int x, int y) {
    const int pitch = canvas.double_byte ? kFullWidth : kHalfWidth;
    const int column = pixel_to_cell(x, 0, pitch);
    const int row = pixel_to_cell(y, 0, kRowPitch);
    set_status(4, coordinate_text(column, row));
}

// ---- the document and the text box ----

void TForm1::sync_document_from_memo() {
    if (!memo_dirty_) return;
    const QTextDocument* text = source_memo->document();
    doc.lines.clear();
    doc.lines.reserve(static_cast<std::size_t>(text->blockCount()));
    for (QTextBlock b = text->begin(); b.isValid(); b = b.next())
        doc.lines.push_back(platform::to_gbk(b.text()));
    // An empty text box holds no line at all.
    if (doc.lines.size() == 1 && doc.lines[0].empty()) doc.lines.clear();
    memo_dirty_ = false;
    canvas.loaded = false;
}

void TForm1::sync_memo_from_document() {
    QString text;
    std::size_t total = 0;
    for (const auto& l : doc.lines) total += l.size() + 1;
    text.reserve(static_cast<qsizetype>(total));
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        if (i) text += QChar('\n');
        text += platform::to_qstring(doc.lines[i]);
    }
    memo_loading_ = true;
    source_memo->setPlainText(text);
    memo_loading_ = false;
    memo_dirty_ = false;
}

document::Document& TForm1::document_for_reading() {
    if (normal_mode())
        sync_document_from_memo();
    else
        store_window(canvas, doc, canvas.scroll);
    return doc;
}

}  // namespace quillo::canvas
