// The floating selection's menu: its text to and from the system clipboard, blanking it, and
// saving it as a text file. Only the selection buffer changes; the block keeps its place, size
// and colours until it is placed.
#include <filesystem>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "document/clipboard_ops.h"
#include "platform/gbk.h"

namespace quillo::canvas {

namespace fs = std::filesystem;

namespace {

// The save dialog offers what Save as offers.
constexpr const char* kSaveFilter = "*.txt|*.txt|*.*|*.*";

int block_width(const TForm1& form) {
    return document::block_bytes(form.selection.rect.width(), form.double_byte());
}

void paste_into_selection(TForm1& form, bool wrap) {
    if (!form.selection.floating) return;
    const auto result =
        document::paste_block(form.canvas, form.ui().clipboard_text(), form.selection.rect.height(),
                              block_width(form), wrap);
    if (!result.pasted) {
        form.ui().message(document::kEmptyClipboardMessage);
        return;
    }
    form.redraw_floating_selection();
    if (result.lacking > 0) form.ui().message(document::lacking_characters_message(result.lacking));
}

}  // namespace

void TForm1::redraw_floating_selection() {
    // Every row still covers the block's width, so drawing the rows over the old image leaves
    // nothing of it showing.
    tools::draw_overlay(write_in_imag->raster(), canvas, colours.selection, selection.rect.height(),
                        selection.rect.width(), canvas.double_byte, multicolour(),
                        rgb(canvas_text_colour), rgb(canvas_back_colour));
    write_in_imag->update();
}

void TForm1::pop_copyClick(const Sender&) {
    if (!selection.floating) return;
    ui().set_clipboard_text(
        platform::gbk_to_utf8(document::block_text(canvas, selection.rect.height())));
}

void TForm1::pop_cutClick(const Sender&) {
    if (!selection.floating) return;
    const std::string text =
        document::cut_block(canvas, selection.rect.height(), block_width(*this));
    ui().set_clipboard_text(platform::gbk_to_utf8(text));
    redraw_floating_selection();
}

void TForm1::pop_clearClick(const Sender&) {
    if (!selection.floating) return;
    document::clear_block(canvas, selection.rect.height(), block_width(*this));
    redraw_floating_selection();
}

void TForm1::pop_pasteClick(const Sender&) {
    paste_into_selection(*this, true);
}

void TForm1::pop_paste_sameClick(const Sender&) {
    paste_into_selection(*this, false);
}

void TForm1::pop_txt_fileClick(const Sender&) {
    if (!selection.floating) return;
    platform::FileDialogRequest request;
    request.title = "选择内容保存为文本文件";
    request.filter = kSaveFilter;
    request.filter_index = 1;
    request.file_name = current_file_name();
    request.default_ext = "txt";
    const auto chosen = ui().save_file(request);
    if (!chosen) return;
    const fs::path path = fs::u8path(chosen->path);
    std::error_code ec;
    if (fs::exists(path, ec) &&
        ui().confirm(chosen->path + "已经存在，是否覆盖它？") != platform::Answer::yes)
        return;
    document::write_selection_files(path, canvas, selection.rect.height(), selection.rect.width(),
                                    colours, multicolour());
}

}  // namespace quillo::canvas
