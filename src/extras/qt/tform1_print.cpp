// Printing the current text (n_print): the document in normal editing mode, the canvas rows as
// shown in drawing mode, on the default printer without a print dialog. Without a printer the
// user may print to a PDF file instead.
#include <unistd.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "canvas/qt/quillo.h"
#include "document/file_names.h"
#include "extras/qt/print_painter.h"
#include "platform/errors.h"

namespace quillo::canvas {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoPrinterQuestion = "没有找到可用的打印机。\r是否打印到PDF文件？";
constexpr const char* kPdfTitle = "打印到PDF文件";
constexpr const char* kPdfFilter = "PDF文件|*.pdf|所有文件|*.*";

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The default printer, if one is installed. Script mode and window tests never reach a real
// printer: they always take the PDF path.
std::optional<QPrinterInfo> default_printer(bool script_mode) {
    if (script_mode) return std::nullopt;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    return info;
}

// Where the PDF file goes, asked after the question; nullopt when the user declined.
std::optional<fs::path> ask_pdf_path(platform::UiServices& ui, const std::string& document) {
    if (ui.confirm(kNoPrinterQuestion) != platform::Answer::yes) return std::nullopt;
    platform::FileDialogRequest request;
    request.title = kPdfTitle;
    request.filter = kPdfFilter;
    request.default_ext = "pdf";
    request.overwrite_prompt = true;
    const fs::path doc = fs::u8path(document);
    request.file_name = document::document_base_name(document) + ".pdf";
    if (doc.has_parent_path()) request.initial_dir = doc.parent_path().string();
    const auto chosen = ui.save_file(request);
    if (!chosen) return std::nullopt;
    return fs::u8path(chosen->path);
}

// The PDF is printed into a new file beside the chosen one, which it replaces only once it is
// complete: a failed print never costs an older file of that name.
void print_to_pdf(const extras::PrintJob& job, const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (dir / ("." + target.filename().string() + ".quillo-XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw platform::FileError("Cannot save file \"" + target.string() + "\". " +
                                  std::strerror(errno));
    ::close(fd);
    const fs::path temp = pattern;

    bool printed = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(temp.string()));
        printer.setDocName(qs(target.filename().string()));
        printed = extras::paint_print_job(printer, job);
    }
    std::error_code ec;
    if (printed) fs::rename(temp, target, ec);
    if (!printed || ec) {
        fs::remove(temp, ec);
        throw platform::FileError("Cannot save file \"" + target.string() + "\". " +
                                  (printed ? ec.message() : "The PDF file could not be written."));
    }
}

}  // namespace

void TForm1::n_printClick(const Sender&) {
    extras::PrintJob job;
    if (normal_mode()) {
        job.lines = document_for_reading().lines;
    } else {
        // The rows as the canvas shows them, trailing blanks and all, however long the document.
        job.lines.reserve(std::size_t(canvas.height));
        for (int r = 1; r <= canvas.height; ++r)
            job.lines.push_back(canvas.layers.row(kWorking, r));
        if (multicolour()) {
            job.coloured = true;
            job.layer = &colours.layer;
            job.cells = canvas.width;
            job.double_byte = double_byte();
            job.restore = colour_brush_mode == document::kBrushRestore;
            job.canvas_text = canvas_text_colour;
            job.canvas_back = canvas_back_colour;
        }
    }

    if (const auto printer_info = default_printer(context().script_mode)) {
        QPrinter printer(*printer_info, QPrinter::HighResolution);
        printer.setDocName(qs(current_file_name()));
        if (!extras::paint_print_job(printer, job))
            throw platform::PlatformError("The printer \"" +
                                          printer_info->printerName().toStdString() +
                                          "\" did not accept the print job.");
        return;
    }
    if (const auto pdf = ask_pdf_path(ui(), current_file_name())) print_to_pdf(job, *pdf);
}

}  // namespace quillo::canvas
