// The status bar of the main window: panel texts, hints and clicks.
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "canvas/status_bar_rules.h"

namespace quillo::canvas {

void TForm1::set_status(int panel, const std::string& utf8) {
    StatusBar1->set_panel_text(panel, QString::fromStdString(utf8));
}

std::string TForm1::status(int panel) const {
    return StatusBar1->panel_text(panel).toStdString();
}

void TForm1::StatusBar1MouseMove(int x) {
    status_mouse_x_ = x;
}

void TForm1::StatusBar1Click() {
    switch (status_click_at(status_mouse_x_)) {
        case StatusClick::byte_mode:
            if (!normal_mode()) UseChinese1Click(Sender{"StatusBar1", 0});
            break;
        case StatusClick::view_mode:
            if (!commands.checked("word_wrap")) n_viewClick(Sender{"StatusBar1", 0});
            break;
        case StatusClick::colour_mode:
            if (commands.effectively_enabled("m3")) n_colorClick(Sender{"StatusBar1", 0});
            break;
        case StatusClick::none:
            break;
    }
}

}  // namespace quillo::canvas
