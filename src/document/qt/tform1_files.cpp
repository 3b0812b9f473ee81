// Document files of the main window: New, Open, ANSI import, Save, Save as, the question before
// a changed document is dropped, and the settings file read at start and written at exit.
#include <QPlainTextEdit>
#include <algorithm>
#include <filesystem>

#include "canvas/canvas_window.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "document/ansi_import.h"
#include "document/colour_file.h"
#include "document/file_names.h"
#include "document/program_paths.h"
#include "document/save_file.h"
#include "document/settings_file.h"
#include "platform/command_runner.h"
#include "platform/gbk.h"

namespace quillo::canvas {

namespace fs = std::filesystem;

namespace {
constexpr const char* kNewFileName = "新文件.txt";
constexpr const char* kOpenFilter = "文本文件|*.txt|颜色文件|*.clo|所有文件|*.*";
constexpr const char* kSaveFilter = "*.txt|*.txt|*.*|*.*";

bool same_colours(const document::ColourGrid& a, const document::ColourGrid& b) {
    for (int r = 1; r <= document::kColourRows; ++r) {
        const auto* x = a.row_cells(r);
        const auto* y = b.row_cells(r);
        if (!std::equal(x, x + document::kColourCells, y)) return false;
    }
    return true;
}
}  // namespace

std::string TForm1::current_file_name() const {
    return file_name.empty() ? std::string(kNewFileName) : file_name;
}

// ---- settings ----

void TForm1::read_settings_at_start() {
    const bool forced = context_.program_dir_forced || context_.script_mode;
    settings_path = document::settings_location_from_environment(context_.program_dir, forced).path;
    settings =
        settings_path.empty() ? document::Settings{} : document::read_settings_file(settings_path);
    activated = false;
}

void TForm1::write_settings_at_exit() {
    const bool forced = context_.program_dir_forced || context_.script_mode;
    // Looked up again: a user file deleted during the run is seeded anew where that is allowed.
    const auto where = document::settings_location_from_environment(context_.program_dir, forced);
    document::Settings s = settings;
    s.pen_single = pen_single;
    s.pen_double = pen_double;
    s.pen_sing_bakup = pen_single;
    s.pen_doub_bakup = pen_double;
    s.pen_st = pen_st;
    s.blank_out = canvas.blank_out;
    document::ExitValues v = document::exit_values_from(s);
    v.text_view = normal_mode();
    v.colour_at_start = colour_at_start();
    v.canvas_back_colour = canvas_back_colour;
    v.canvas_text_colour = canvas_text_colour;
    v.back_label_colour = colours.chosen_back;
    v.font_label_colour = colours.chosen_text;
    v.double_byte = canvas.double_byte;
    if (where.path.empty() || !where.writable || !document::write_settings_file(where.path, s, v))
        ui().message(document::kSettingsLostMessage);
}

// ---- the saved state and the question before dropping changes ----

void TForm1::remember_saved_state() {
    saved_lines.remember(document_for_reading().lines);
    saved_colours = colours.layer;
    copy_layer(canvas, kCommitted, kSnapshot);
    memo_dirty_ = false;
}

bool TForm1::document_changed() {
    return saved_lines.differs(document_for_reading().lines) ||
           !same_colours(colours.layer, saved_colours);
}

bool TForm1::ask_to_save() {
    if (!document_changed()) return true;
    const auto answer = ui().confirm("文件已经改变，是否保存“" + current_file_name() + "”?", "",
                                     platform::Icon::question, true);
    if (answer == platform::Answer::cancel) return false;
    if (answer == platform::Answer::no) return true;
    // Declining to replace an earlier untitled document keeps this one open: nothing is lost.
    if (!may_write_untitled()) return false;
    write_document(fs::u8path(current_file_name()), settings.bake_up);
    return true;
}

bool TForm1::may_write_untitled() {
    const std::string name = current_file_name();
    std::error_code ec;
    return !file_name.empty() || !fs::exists(fs::u8path(name), ec) ||
           ui().confirm(name + "已经存在，是否覆盖它？") == platform::Answer::yes;
}

// ---- writing ----

void TForm1::write_document(const fs::path& path, bool backup) {
    const auto& lines = document_for_reading().lines;
    document::save_document(path, lines, canvas.blank_out, backup);
    document::write_colour_file(document::colour_file_name(path), colours.layer, canvas.height,
                                canvas.width, canvas.double_byte, colours.chosen_text,
                                colours.chosen_back);
    remember_saved_state();
}

void TForm1::n_quitsaveClick(const Sender&) {
    init_image1();
    const std::string name = current_file_name();
    // An untitled document must not silently replace an earlier one of the same name.
    if (!may_write_untitled()) return;
    write_document(fs::u8path(name), settings.bake_up);
    file_name = name;
    set_status(5, name);
}

void TForm1::n_saveClick(const Sender&) {
    platform::FileDialogRequest request;
    request.title = "另存为文本文件";
    request.filter = kSaveFilter;
    request.filter_index = 1;
    request.file_name = current_file_name();
    request.default_ext = "txt";
    const auto chosen = ui().save_file(request);
    if (!chosen) return;
    std::error_code ec;
    if (fs::exists(fs::u8path(chosen->path), ec) &&
        ui().confirm(chosen->path + "已经存在，是否覆盖它？") != platform::Answer::yes)
        return;
    write_document(fs::u8path(chosen->path), settings.bake_up);
    file_name = chosen->path;
    set_status(5, file_name);
}

// ---- reading ----

void TForm1::read_document_file(const fs::path& path) {
    // Read first: the document and its name change only when the file could be read.
    auto contents = document::read_text_file(path);
    replace_document(std::move(contents.lines));
    if (!normal_mode()) enter_canvas(true);
}

bool TForm1::read_colour_file_into_layer(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    const auto question = [this](bool to_double_byte) {
        const char* text = to_double_byte ? "是否切换到双字节状态？" : "是否切换到单字节状态？";
        if (ui().confirm(text, "", platform::Icon::information) != platform::Answer::yes)
            return false;
        canvas.double_byte = to_double_byte;
        commands.set_checked("usechinese1", to_double_byte);
        apply_byte_mode();
        return true;
    };
    const auto result =
        document::read_colour_file(path, colours.layer, canvas.double_byte, question);
    if (result.labels_read) {
        colours.chosen_text = result.chosen_text;
        colours.chosen_back = result.chosen_back;
        apply_colour_scheme(canvas_text_colour, canvas_back_colour);
    }
    repaint_all(true);
    return true;
}

void TForm1::n_newClick(const Sender&) {
    init_image1();
    if (!ask_to_save()) return;
    new_document();
    if (!normal_mode()) enter_canvas(true);
    copy_layer(canvas, kCommitted, kWorking);
    copy_layer(canvas, kCommitted, kUndo);
    repaint_all(true);
    remember_saved_state();
}

void TForm1::n_openClick(const Sender& sender) {
    init_image1();
    const bool ansi = sender.name == "n_ansi";
    if (!ansi && !ask_to_save()) return;
    platform::FileDialogRequest request;
    request.filter = kOpenFilter;
    request.file_name = "*.txt";
    request.default_ext = "txt";
    const auto chosen = ui().open_file(request);
    if (!chosen) return;
    const fs::path path = fs::u8path(chosen->path);
    if (ansi) {
        import_ansi_file(path);
        return;
    }
    switch (document::open_dialog_kind(chosen->path)) {
        case document::FileKind::text:
            if (offer_utf8_reading(path)) break;
            read_document_file(path);
            file_name = chosen->path;
            set_status(5, file_name);
            if (!read_colour_file_into_layer(document::colour_file_name(path)))
                colours.layer.clear_flags();
            remember_saved_state();
            break;
        case document::FileKind::colour:
            // The colours go onto the document as it stands; no line of it is dropped.
            read_colour_file_into_layer(path);
            break;
        case document::FileKind::none:
            break;
    }
    repaint_all(true);
}

void TForm1::import_ansi_file(const fs::path& path) {
    const auto imported =
        document::import_ansi(ansi_import_bytes(path), canvas.double_byte, canvas.width);
    const int rows = static_cast<int>(imported.rows.size());
    for (int r = 1; r <= kMaxRows; ++r)
        canvas.layers.row(kSelection, r) = r <= rows ? imported.rows[std::size_t(r - 1)] : "";
    for (int r = 1; r <= rows && r <= document::kColourRows; ++r) {
        const auto& cells = imported.cells[std::size_t(r - 1)];
        for (int c = 1; c <= document::kColourCells; ++c) {
            document::ColourCell cell;
            if (c <= static_cast<int>(cells.size())) {
                const auto& a = cells[std::size_t(c - 1)];
                cell = {a.text_flag, a.back_flag, a.text_colour, a.back_colour};
            }
            colours.selection.set(r, c, cell);
        }
    }
    if (imported.error) {
        ui().message(*imported.error, platform::kApplicationTitle, platform::Icon::error);
        return;
    }
    selection.rect = {1, 1, std::max(imported.right, 1), std::max(imported.bottom, 1)};
    selection.move = false;
    if (!normal_mode() && rows > 0) {
        show_floating_selection();
        current_tool = 0;
        colour_brush_mode = 0;
    }
    if (imported.lines_left_out > 0 || imported.cut_rows > 0) {
        ui().message("导入的文件太大：" + std::to_string(imported.lines_left_out) +
                     " 行超出了80行的画布，" + std::to_string(imported.cut_rows) +
                     " 行超出宽度被截断（共 " + std::to_string(imported.bytes_left_out) +
                     " 字节未导入）。");
    }
}

}  // namespace quillo::canvas
