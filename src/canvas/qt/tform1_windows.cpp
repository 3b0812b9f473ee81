// The program's other windows. Each is created once, right after the main window, in a fixed
// order, and lives until exit; the main window keeps a pointer to each under its form name.
#include "canvas/qt/quillo.h"
#include "document/qt/option_form.h"
#include "extras/qt/select_form.h"
#include "imagetext/qt/img2html.h"
#include "output/qt/send_form.h"
#include "output/qt/text_in_windows.h"

namespace quillo::canvas {

void TForm1::create_other_windows() {
    option_form = new document::Toption_form(*this);
    SelectForm = new extras::TSelectForm(*this);
    send_form = new output::Tsend_form(*this);
    img2html = new imagetext::Timg2html(this);
    text_in_windows = new output::Ttext_in_windows(ui(), this);

    // The image window takes its text source from the source-text window and opens it there.
    img2html->source_text_lines = [this] { return text_in_windows->lines(); };
    QObject::connect(img2html, &imagetext::Timg2html::show_source_text_window, text_in_windows,
                     [this] { text_in_windows->show_modal(); });

    // The image window's tb_send publishes its converted picture through the upload dialog.
    wire_picture_publishing();
}

}  // namespace quillo::canvas
