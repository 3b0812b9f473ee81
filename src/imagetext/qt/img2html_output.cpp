// The image window's outputs: the page of the text art, the block for the main canvas and the
// hand-off to the upload dialog.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "canvas/qt/quillo.h"
#include "document/file_names.h"
#include "document/save_file.h"
#include "imagetext/canvas_art.h"
#include "imagetext/qt/img2html.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::imagetext {

ConversionRules Timg2html::conversion_rules() {
    ConversionRules rules;
    rules.mode = mode();
    rules.word = word_source();
    rules.tables = tables;
    // The main window's pen box: text typed only into this window's box is not used.
    rules.pen_text = main_->pen_text;
    text_source.set_lines(source_text_lines ? source_text_lines() : std::vector<std::string>{});
    rules.text = &text_source;
    rules.double_byte = main_->double_byte();
    return rules;
}

PageOptions Timg2html::page_options() const {
    PageOptions o;
    o.css = RB_Css->isChecked();
    o.table = RB_Backcolor_black->isChecked()   ? Backdrop::black
              : RB_Backcolor_board->isChecked() ? Backdrop::board
                                                : Backdrop::none;
    o.page = RBh_Backcolor_black->isChecked()   ? Backdrop::black
             : RBh_Backcolor_board->isChecked() ? Backdrop::board
                                                : Backdrop::none;
    o.board = LB_ColorBoard->property("Colour").isValid()
                  ? LB_ColorBoard->property("Colour").toInt()
                  : main_->canvas_back_colour;
    o.board_text = main_->canvas_text_colour;
    o.title = platform::to_gbk(Edit_title->text());
    return o;
}

void Timg2html::tb_convertClick() {
    const ConversionRules rules = conversion_rules();
    const std::string base = document::document_base_name(
        main_->file_name.empty() ? std::string("新文件.txt") : main_->file_name);
    const std::filesystem::path page =
        document::create_numbered_file(main_->html_temp_dir(), base, "htm");
    document::write_file_atomically(page, image_page(state.resolution(), page_options(), rules));
    // Always shown, whatever the options dialog says about the browser.
    main_->ui().open_with_default_program(page.string());
    main_->ui().message(std::string(kPageDone));
}

void Timg2html::tb_drawClick() {
    const ConversionRules rules = conversion_rules();
    const CanvasArt art = canvas_art(state.resolution(), rules, main_->colours.selection);
    main_->float_image_art(art.rows, art.cells);
    accept();
}

void Timg2html::tb_sendClick() {
    emit show_upload_dialog();
}

}  // namespace quillo::imagetext
