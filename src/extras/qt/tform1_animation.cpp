// The hand-over of the floating selection to the animation program Reelix (the tool button
// SB_mov and the selection menu's item pop_mov_file). The files are written by the export core;
// the window starts Reelix and tells the user what happened.
#include <string_view>

#include "canvas/qt/quillo.h"
#include "document/file_names.h"
#include "extras/animation_export.h"

namespace quillo::canvas {

namespace {

// A new document has no name yet; its pictures are named as the status bar names it.
constexpr std::string_view kNewDocumentName = "新文件.txt";

}  // namespace

void TForm1::pop_mov_fileClick(const Sender&) {
    extras::AnimationExport in;
    in.program_dir = context().program_dir;
    in.selection_shown = selection.floating;
    if (in.selection_shown) in.temp_dir = html_temp_dir();
    in.base = document::document_base_name(file_name.empty() ? kNewDocumentName : file_name);
    in.canvas = &canvas;
    in.colours = &colours;
    in.multicolour = multicolour();
    in.rows = selection.rect.height();
    in.cells = selection.rect.width();
    in.text_colour = canvas_text_colour;
    in.back_colour = canvas_back_colour;

    const extras::AnimationResult result = extras::export_animation(in);
    std::string message = result.message;
    // Reelix runs on by itself; nothing waits for it.
    if (result.start && !ui().start_program(result.start->program, result.start->args))
        message = extras::start_failed_message(*result.start, result.picture.has_value());
    ui().message(message);
}

}  // namespace quillo::canvas
