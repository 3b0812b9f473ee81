// The HTML export commands of the main window: the full page of the whole work or of the
// floating selection, and the simplified page. The pages themselves are made by the export core.
#include <algorithm>
#include <string>
#include <vector>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "document/file_names.h"
#include "document/program_paths.h"
#include "document/save_file.h"
#include "output/html_export.h"
#include "platform/errors.h"
#include "platform/gbk.h"

namespace quillo::canvas {

namespace {

// A new document has no name yet; its pages are named as the status bar names it.
constexpr std::string_view kNewDocumentName = "新文件.txt";

std::string page_base_name(const std::string& file_name) {
    return document::document_base_name(file_name.empty() ? kNewDocumentName : file_name);
}

std::string ask_work_title(platform::UiServices& ui, const std::string& last_title) {
    // A cancelled box gives the default back: the export goes on with the last title.
    const std::string answer =
        ui.input_or_default(std::string(output::kTitleCaption), std::string(output::kTitlePrompt),
                            platform::gbk_to_utf8(last_title));
    return platform::utf8_to_gbk(answer);
}

}  // namespace

std::filesystem::path TForm1::html_temp_dir() {
    if (temp_dir.empty()) temp_dir = document::temp_dir_from_environment(context().program_dir);
    if (temp_dir.empty())
        throw platform::FileError("Cannot create the page: no writable folder for it (tried \"" +
                                  (context().program_dir / "temp").string() +
                                  "\" and ~/Documents/Quillo/temp).");
    return temp_dir;
}

void TForm1::n_htmlClick(const Sender& sender) {
    // Placing the floating block keeps it in the selection buffer and its rectangle, so a
    // selection export still finds it there below.
    init_image1();
    reset_tool_buttons();
    work_title = ask_work_title(ui(), work_title);

    const bool of_selection = sender.name == "pop_html_file";
    int table_width = 0;
    if (!normal_mode()) {
        document_for_reading();
        table_width = of_selection
                          ? output::selection_table_width(write_in_imag->raster().width())
                          : output::drawing_table_width(to_canvas_pixels(blackboard->width()));
    } else {
        table_width =
            output::document_table_width(document_for_reading().lines, double_byte(), canvas.width);
    }

    const std::filesystem::path page_path =
        document::create_numbered_file(html_temp_dir(), page_base_name(file_name), "htm");

    std::vector<std::string> body;
    if (normal_mode() && !of_selection) {
        body = output::document_body(doc.lines, settings.foodstop, double_byte());
    } else {
        if (!of_selection) {
            // The whole canvas is lifted as a copy, so nothing under it is cut.
            selection.move = false;
            selection.rect = {
                1, 1,
                output::drawing_export_right(to_canvas_pixels(blackboard->width()), double_byte()),
                canvas.height};
            tools::lift(selection.rect, false, canvas, colours, multicolour());
        }
        body = selection_body_lines();
    }

    output::FullPageInput page;
    page.title = work_title;
    page.table_width = table_width;
    page.canvas_text = canvas_text_colour;
    page.canvas_back = canvas_back_colour;
    page.body = body;
    document::write_file_atomically(page_path, output::full_page(page));

    if (htm_show()) ui().open_with_default_program(page_path.string());
    ui().message(std::string(output::kFullExportDone));
}

void TForm1::n_html_out2Click(const Sender&) {
    work_title = ask_work_title(ui(), work_title);
    const document::Document& text = document_for_reading();
    const std::filesystem::path page_path =
        document::create_numbered_file(html_temp_dir(), page_base_name(file_name), "htm");

    // The canvas image is brushed and inked in the canvas colours by the colour scheme.
    output::SimplePageInput page;
    page.title = work_title;
    page.table_width = output::simple_table_width(canvas.width);
    page.page_text = canvas_text_colour;
    page.page_back = canvas_back_colour;
    page.lines = text.lines;
    document::write_file_atomically(page_path, output::simplified_page(page));

    if (htm_show()) ui().open_with_default_program(page_path.string());
    ui().message(std::string(output::kSimpleExportDone));
}

}  // namespace quillo::canvas
