// The main window's side of the options dialog: opening it on its first page (F4) or on the
// game page, and the dialog's boxes that other commands read while they run.
#include <QCheckBox>
#include <QPalette>
#include <QPlainTextEdit>

#include "canvas/qt/quillo.h"
#include "document/qt/option_form.h"

namespace quillo::canvas {

namespace {
QColor qcolour(platform::WinColour c) {
    return QColor::fromRgb(platform::resolve_colour(c) & 0xFFFFFF);
}
}  // namespace

void TForm1::Change1Click(const Sender&) {
    option_form->page_flag = 0;
    option_form->exec();
    repaint_all(true);
}

void TForm1::N7Click(const Sender&) {
    option_form->page_flag = 1;
    option_form->exec();
    // The colour page can be reached from here too: its colours are shown at once.
    repaint_all(true);
}

bool TForm1::colour_at_start() const {
    return option_form->CBox_color_start->isChecked();
}

bool TForm1::htm_show() const {
    return option_form->cb_htm_show->isChecked();
}

void TForm1::apply_memo_colours() {
    QPalette p = source_memo->palette();
    p.setColor(QPalette::Base, qcolour(settings.txt_back_color));
    p.setColor(QPalette::Text, qcolour(settings.txt_font_color));
    source_memo->setPalette(p);
}

}  // namespace quillo::canvas
