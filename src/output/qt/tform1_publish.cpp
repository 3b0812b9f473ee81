// Publishing from the main window: the upload dialog, and the pages it makes through the chosen
// site's template from the work, the selection or a converted picture. The template reading and
// the bodies are the publishing core's.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "canvas/row_text.h"
#include "document/file_names.h"
#include "document/save_file.h"
#include "imagetext/image_page.h"
#include "imagetext/qt/img2html.h"
#include "output/maker.h"
#include "output/qt/send_form.h"
#include "output/text_views.h"
#include "platform/gbk.h"

namespace quillo::canvas {

namespace {

// The site's template, or nullopt after telling the user why there is none.
std::optional<output::PageTemplate> site_template(TForm1& form, const output::UploadSite& site) {
    output::PageTemplate page_template = output::load_page_template(
        form.context().program_dir, platform::gbk_to_utf8(site.template_file));
    if (!page_template.problem.empty()) {
        form.ui().message(page_template.problem);
        return std::nullopt;
    }
    return page_template;
}

// Rows 1..H of the selection buffer as a page body: trimmed and escaped line by line in single
// colour, through the body builder (with the selection colour layer) in multicolour.
output::PageBody selection_body(TForm1& form, bool single_colour, std::string_view suffix) {
    if (!single_colour) return output::multicolour_body(form.selection_body_lines());
    const int height = std::clamp(form.selection.rect.height(), 0, kMaxRows);
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(height));
    for (int r = 1; r <= height; ++r)
        rows.push_back(trailing_space_trim(form.canvas.layers.row(kSelection, r)));
    return output::single_colour_body(rows, suffix);
}

// The page goes to the browser, or to the program the options name (started with the page as
// its one argument, never through a shell). A failure to show it is told: the page is there.
void show_page(TForm1& form, const std::filesystem::path& page, bool default_browser) {
    if (default_browser) {
        if (!form.ui().open_with_default_program(page.string()))
            form.ui().message(output::cannot_show_message(page.string()));
        return;
    }
    const std::string program = platform::gbk_to_utf8(form.settings.other_editer);
    if (!form.ui().start_program(program, {page.string()}))
        form.ui().message(output::cannot_start_message(program));
}

// Fills the template into a new numbered page in the temporary folder and shows it.
void write_page(TForm1& form, const output::PageTemplate& page_template,
                const output::UploadSite& site, const output::PublishChoice& choice,
                output::TemplateValues& values) {
    values.home_page = output::kMakerHomePage;
    values.upload_location = site.location;
    const std::filesystem::path page = document::create_numbered_file(
        form.html_temp_dir(), document::document_base_name(form.current_file_name()), "htm");
    document::write_file_atomically(page, output::fill_page_template(page_template.lines, values));
    show_page(form, page, choice.default_browser);
}

void take_body(output::TemplateValues& values, output::PageBody body) {
    values.body = std::move(body.show);
    values.body_code = std::move(body.code);
}

void take_sizes(output::TemplateValues& values, const output::PageSizes& sizes) {
    values.max_wide = sizes.max_wide;
    values.tab_wide = sizes.tab_wide;
    values.tab_high = sizes.tab_high;
}

}  // namespace

std::vector<std::string> TForm1::selection_body_lines() {
    const int height = std::clamp(selection.rect.height(), 0, kMaxRows);
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(height));
    for (int r = 1; r <= height; ++r) rows.push_back(canvas.layers.row(kSelection, r));
    // The canvas image is brushed and inked in the canvas colours by the colour scheme.
    const std::string text_hex = output::html_color(canvas_text_colour);
    const std::string back_hex = output::html_color(canvas_back_colour);
    output::PopMemoInput in;
    in.rows = rows;
    in.colours = &colours.selection;
    in.width = selection.rect.width();
    in.height = height;
    in.double_byte = double_byte();
    in.multicolour = multicolour();
    in.canvas_text = canvas_text_colour;
    in.canvas_back = canvas_back_colour;
    in.text_hex = text_hex;
    in.back_hex = back_hex;
    return output::convert_to_pop_memo(in).lines;
}

void TForm1::N15Click(const Sender&) {
    send_form->show_for_work();
}

void TForm1::wire_picture_publishing() {
    connect(img2html, &imagetext::Timg2html::show_upload_dialog, this, [this] {
        // The picture as the image window's page would show it, row by row.
        const imagetext::Picture& resolution = img2html->state.resolution();
        imagetext::ConversionRules rules = img2html->conversion_rules();
        // The image page takes the pen text as it stands; a published page must not let a pen
        // such as "<b>" turn into markup.
        rules.pen_text = output::convert_to_html(rules.pen_text, output::HtmlEscape::kFull, "");
        output::PicturePage picture;
        picture.width = resolution.width;
        picture.height = resolution.height;
        picture.colour_table = rules.mode == imagetext::Mode::colour_table;
        picture.rows = imagetext::image_rows(resolution, rules);
        send_form->show_for_picture(std::move(picture));
    });
}

bool TForm1::publish_canvas(const output::PublishChoice& choice) {
    const output::UploadSite site = output::upload_sites(settings).at(choice.site);
    const std::optional<output::PageTemplate> page_template = site_template(*this, site);
    if (!page_template) return false;

    output::TemplateValues values;
    const std::string_view suffix = output::line_suffix(settings.foodstop, double_byte());
    if (choice.whole) {
        const document::Document& text = document_for_reading();
        const int longest = normal_mode() ? output::longest_line(text.lines) : canvas.width;
        take_sizes(values,
                   output::whole_work_sizes(longest, canvas.width,
                                            to_canvas_pixels(blackboard->height()), double_byte()));
        // In normal editing mode the text box is the work: the canvas rows (and the colours on
        // them) are as the last switch left them, so the page is made of the text.
        if (!choice.multicolour || normal_mode()) {
            take_body(values, output::single_colour_body(text.lines, suffix));
        } else {
            // The whole canvas, every row of it, is lifted as a copy: nothing under it is cut.
            selection.move = false;
            selection.rect = {1, 1, double_byte() ? canvas.width / 2 : canvas.width, canvas.height};
            tools::lift(selection.rect, false, canvas, colours, multicolour());
            take_body(values, selection_body(*this, false, suffix));
        }
    } else {
        take_sizes(values, output::selection_sizes(selection.rect.width(), selection.rect.height(),
                                                   double_byte()));
        take_body(values, selection_body(*this, !choice.multicolour, suffix));
    }
    values.back_colour = output::html_color(canvas_back_colour);
    values.font_colour = output::html_color(canvas_text_colour);
    write_page(*this, *page_template, site, choice, values);
    return true;
}

bool TForm1::publish_picture(const output::PicturePage& picture,
                             const output::PublishChoice& choice) {
    const output::UploadSite site = output::upload_sites(settings).at(choice.site);
    const std::optional<output::PageTemplate> page_template = site_template(*this, site);
    if (!page_template) return false;

    output::TemplateValues values;
    take_sizes(values, output::picture_sizes(picture.width, picture.height));
    take_body(values, output::picture_body(picture));
    // The picture's cells carry their own colours, on a black page.
    values.back_colour = "000000";
    values.font_colour.reset();
    write_page(*this, *page_template, site, choice, values);
    return true;
}

}  // namespace quillo::canvas
