// UTF-8 text, PNG and ANSI export of the main window: reading a UTF-8 text into a GBK document,
// writing a UTF-8 copy of the document, and the canvas as a PNG picture or an ANSI text. None
// of them changes the document's own file; every file is written whole or not at all.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"
#include "document/save_file.h"
#include "document/text_file.h"
#include "interop/ansi_export.h"
#include "interop/canvas_picture.h"
#include "interop/gbk_codes.h"
#include "interop/utf8_text.h"
#include "platform/errors.h"

namespace quillo::canvas {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTextFilter = "文本文件|*.txt|所有文件|*.*";

std::string quoted(const std::string& name) {
    return "“" + name + "”";
}

std::string megabytes(std::uintmax_t bytes) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f MB", static_cast<double>(bytes) / (1 << 20));
    return buf;
}

// The document's name with another ending, as the save dialogs first offer it.
std::string suggested_name(const std::string& document_name, const char* ending) {
    fs::path p = fs::u8path(document_name);
    p.replace_extension();
    return p.string() + ending;
}

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    // Neither exists yet: the same name after "..", "." and links are resolved.
    std::error_code ec_a, ec_b;
    const fs::path ca = fs::weakly_canonical(a, ec_a);
    const fs::path cb = fs::weakly_canonical(b, ec_b);
    return !ec_a && !ec_b && ca == cb;
}

bool has_non_ascii(std::string_view bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

// The size of a regular file, or nothing (the readers then give their own messages).
std::optional<std::uintmax_t> regular_file_size(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec) return std::nullopt;
    return size;
}

}  // namespace

// ---- UTF-8 text in ----

namespace {

// The user's message for a UTF-8 text that could not be taken; empty when it can.
std::string utf8_refusal(const std::string& name, const interop::Utf8Reading& r,
                         std::string_view bytes) {
    if (r.bad_line == 0) return {};
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(bytes[r.bad_offset]));
    return quoted(name) + "不是有效的UTF-8文本：第 " + std::to_string(r.bad_line) +
           " 行有无效的字节 " + byte + "（文件中第 " + std::to_string(r.bad_offset + 1) +
           " 个字节）。\n没有读入任何内容，文档没有改变。";
}

std::string replaced_message(const interop::Utf8Reading& r) {
    return "有 " + std::to_string(r.replaced) +
           " 个字符在GBK中没有，已换成“?”（宽字符换成“？”）。" + "第一个在第 " +
           std::to_string(r.first_replaced_line) + " 行。";
}

// The lines become a new, untitled document: its file is GBK, and a Save must not turn the
// UTF-8 file the user opened into one.
void take_utf8_lines(TForm1& form, interop::Utf8Reading reading) {
    form.new_document();
    form.replace_document(std::move(reading.lines));
    if (!form.normal_mode()) form.enter_canvas(true);
    form.repaint_all(true);
    form.remember_saved_state();
    if (reading.replaced > 0) form.ui().message(replaced_message(reading));
}

std::string too_large_message(const std::string& name, std::uintmax_t size) {
    return quoted(name) + "有 " + megabytes(size) + "，太大了：以UTF-8打开的文本最多 " +
           megabytes(interop::kMaxUtf8FileBytes) + "。\n没有读入任何内容，文档没有改变。";
}

}  // namespace

void TForm1::n_utf8_openClick(const Sender&) {
    init_image1();
    if (!ask_to_save()) return;
    platform::FileDialogRequest request;
    request.title = "以UTF-8文本打开";
    request.filter = kTextFilter;
    request.file_name = "*.txt";
    request.default_ext = "txt";
    const auto chosen = ui().open_file(request);
    if (!chosen) return;
    const fs::path path = fs::u8path(chosen->path);
    if (const auto size = regular_file_size(path); size && *size > interop::kMaxUtf8FileBytes) {
        ui().message(too_large_message(chosen->path, *size), "", platform::Icon::warning);
        return;
    }
    const std::string bytes = document::read_file_bytes(path);
    interop::Utf8Reading reading = interop::read_utf8_text(bytes);
    if (const std::string refusal = utf8_refusal(chosen->path, reading, bytes); !refusal.empty()) {
        ui().message(refusal, "", platform::Icon::warning);
        return;
    }
    take_utf8_lines(*this, std::move(reading));
}

bool TForm1::offer_utf8_reading(const fs::path& path) {
    const auto size = regular_file_size(path);
    if (!size || *size > interop::kMaxUtf8FileBytes) return false;
    const std::string bytes = document::read_file_bytes(path);
    if (!interop::looks_like_utf8_text(bytes)) return false;
    // The user has just chosen the file: its name is enough.
    const std::string name = path.filename().string();
    if (ui().confirm(quoted(name) + "看来是UTF-8编码的文本，不是GBK文本。\n是否按UTF-8读入？") !=
        platform::Answer::yes)
        return false;
    take_utf8_lines(*this, interop::read_utf8_text(bytes));
    return true;
}

std::string TForm1::ansi_import_bytes(const fs::path& path) {
    std::string bytes = document::read_file_bytes(path);
    // The ANSI export writes UTF-8 with 24-bit escapes; GBK texts are almost never UTF-8.
    const bool exported_form =
        bytes.find("[38;2;") != std::string::npos || bytes.find("[48;2;") != std::string::npos;
    if (bytes.size() > interop::kMaxUtf8FileBytes || !has_non_ascii(bytes) ||
        interop::first_invalid_utf8(bytes) != std::string::npos ||
        (interop::is_valid_gbk(bytes) && !exported_form))
        return bytes;
    if (ui().confirm(quoted(path.filename().string()) + "是UTF-8编码的文本。\n是否按UTF-8读入？") !=
        platform::Answer::yes)
        return bytes;
    const interop::Utf8Reading reading = interop::read_utf8_text(bytes);
    if (reading.replaced > 0) ui().message(replaced_message(reading));
    std::string gbk;
    for (const auto& line : reading.lines) {
        gbk += line;
        gbk += "\r\n";
    }
    return gbk;
}

// ---- files out ----

namespace {

// Asks for the file to write; nothing when the user cancels or keeps an existing file.
std::optional<fs::path> ask_target(platform::UiServices& ui, const platform::FileDialogRequest& r) {
    const auto chosen = ui.save_file(r);
    if (!chosen) return std::nullopt;
    std::error_code ec;
    if (fs::exists(fs::u8path(chosen->path), ec) &&
        ui.confirm(chosen->path + "已经存在，是否覆盖它？") != platform::Answer::yes)
        return std::nullopt;
    return fs::u8path(chosen->path);
}

// Writes the file whole or not at all; false (after telling the user) when it could not.
bool write_whole(platform::UiServices& ui, const fs::path& path, std::string_view bytes,
                 const char* what) {
    try {
        document::write_file_atomically(path, bytes);
        return true;
    } catch (const platform::FileError& e) {
        ui.message(std::string(what) + "没有写成：" + e.what() +
                       "\n原来的文件（如果有）没有改变，文档也没有改变。",
                   "", platform::Icon::error);
        return false;
    }
}

}  // namespace

void TForm1::n_utf8_saveClick(const Sender&) {
    platform::FileDialogRequest request;
    request.title = "另存UTF-8副本";
    request.filter = kTextFilter;
    request.file_name = suggested_name(current_file_name(), ".utf8.txt");
    request.default_ext = "txt";
    const auto chosen = ui().save_file(request);
    if (!chosen) return;
    const fs::path path = fs::u8path(chosen->path);
    if (same_file(path, fs::u8path(current_file_name()))) {
        ui().message("UTF-8副本不能写在文档自己的文件" + quoted(current_file_name()) +
                         "上。\n请另选一个文件名。",
                     "", platform::Icon::warning);
        return;
    }
    std::error_code ec;
    if (fs::exists(path, ec) &&
        ui().confirm(chosen->path + "已经存在，是否覆盖它？") != platform::Answer::yes)
        return;
    // Only the encoding changes: the lines and their CR LF ends stay as a save writes them.
    const interop::Utf8Writing copy =
        interop::write_utf8_text(document_for_reading().lines, "\r\n");
    if (!write_whole(ui(), path, copy.bytes, "UTF-8副本")) return;
    if (copy.stray_bytes > 0) {
        ui().message("有 " + std::to_string(copy.stray_bytes) +
                     " 个字节不是GBK字符，在UTF-8副本中写成了“?”。第一个在第 " +
                     std::to_string(copy.first_stray_line) + " 行。");
    }
}

void TForm1::n_png_outClick(const Sender& sender) {
    const bool block_only = sender.tag == 1;
    if (normal_mode()) {
        ui().message("PNG图片取自画布：请先切换到绘图界面（F3）。");
        return;
    }
    if (block_only && !write_in_imag->isVisible()) {
        ui().message("没有浮动的选择内容：请先用“移动”或“复制”工具圈出一块。");
        return;
    }
    const auto answer =
        ui().input("导出PNG图片", "放大倍数（1到4）：", std::to_string(zoom_factor));
    if (!answer) return;
    int scale = 0;
    try {
        scale = platform::str_to_int(*answer);
    } catch (const platform::ConversionError&) {
    }
    if (scale < 1 || scale > 4) {
        ui().message("放大倍数必须是1到4之间的整数，不能是" + quoted(*answer) + "。", "",
                     platform::Icon::warning);
        return;
    }
    platform::FileDialogRequest request;
    request.title = block_only ? "选择内容导出为PNG图片" : "导出PNG图片";
    request.filter = "PNG图片|*.png|所有文件|*.*";
    request.file_name = suggested_name(current_file_name(), ".png");
    request.default_ext = "png";
    const auto path = ask_target(ui(), request);
    if (!path) return;

    // The pixels the view shows: the canvas image, and a floating block over it.
    interop::CanvasPicture picture;
    if (block_only) {
        picture = interop::block_picture(write_in_imag->raster());
    } else {
        picture = interop::canvas_picture(image, canvas.width, canvas.height);
        if (write_in_imag->isVisible()) {
            picture.overlay = &write_in_imag->raster();
            picture.overlay_x = write_in_imag->canvas_x();
            picture.overlay_y = write_in_imag->canvas_y();
        }
    }
    write_whole(ui(), *path, interop::picture_png(picture, scale), "PNG图片");
}

void TForm1::n_ansi_outClick(const Sender&) {
    if (normal_mode()) {
        ui().message("ANSI文件取自画布：请先切换到绘图界面（F3）。");
        return;
    }
    init_image1();
    const auto ends = ui().confirm(
        "ANSI文件的行尾用Windows的CR LF吗？\n“是”：CR LF（Windows）\n“否”：LF（Linux、macOS）", "",
        platform::Icon::question, true);
    if (ends == platform::Answer::cancel) return;
    platform::FileDialogRequest request;
    request.title = "导出ANSI文件";
    request.filter = "ANSI文件|*.ans|文本文件|*.txt|所有文件|*.*";
    request.file_name = suggested_name(current_file_name(), ".ans");
    request.default_ext = "ans";
    const auto path = ask_target(ui(), request);
    if (!path) return;

    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(canvas.height));
    for (int r = 1; r <= canvas.height; ++r) rows.push_back(canvas.layers.row(kWorking, r));
    interop::AnsiCanvas source;
    source.rows = rows;
    source.width = canvas.width;
    source.double_byte = canvas.double_byte;
    source.layer = &colours.layer;
    source.multicolour = multicolour();
    source.brush_mode = colour_brush_mode;
    source.canvas_text = rgb(canvas_text_colour);
    source.canvas_back = rgb(canvas_back_colour);
    const interop::AnsiText text =
        interop::write_ansi(source, ends == platform::Answer::yes ? "\r\n" : "\n");
    if (!write_whole(ui(), *path, text.bytes, "ANSI文件")) return;
    if (text.replaced > 0) {
        ui().message("有 " + std::to_string(text.replaced) +
                     " 个字节不是字符或是控制字符，在ANSI文件中写成了“?”。第一个在第 " +
                     std::to_string(text.first_replaced_line) + " 行。");
    }
}

}  // namespace quillo::canvas
