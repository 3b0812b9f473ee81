// The work handed to other programs: as plain text to the text editor, the selection's HTML code,
// the work in a new instance of Quillo, and the maker's pages from the menu "[&W]Quillo".
#include <QCoreApplication>
#include <string>
#include <vector>

#include "canvas/qt/quillo.h"
#include "document/file_names.h"
#include "document/save_file.h"
#include "output/maker.h"
#include "output/text_views.h"

namespace quillo::canvas {

namespace {

// A new numbered ".txt" file in the temporary folder, named after the document.
std::filesystem::path create_view_file(TForm1& form) {
    return document::create_numbered_file(
        form.html_temp_dir(), document::document_base_name(form.current_file_name()), "txt");
}

// The document as saving writes it (CR LF, trailing blanks trimmed when the options say so).
std::filesystem::path write_text_view(TForm1& form) {
    const std::vector<std::string>& lines = form.document_for_reading().lines;
    const std::filesystem::path view = create_view_file(form);
    document::write_file_atomically(view, document::document_bytes(lines, form.canvas.blank_out));
    return view;
}

// The body a full HTML export of the selection writes between its head and its closing lines.
std::filesystem::path write_html_code_view(TForm1& form) {
    const std::vector<std::string> body = form.selection_body_lines();
    const std::filesystem::path view = create_view_file(form);
    document::write_file_atomically(view, document::join_lines_crlf(body));
    return view;
}

void open_or_tell(TForm1& form, const std::string& target, const std::string& failure) {
    if (!form.ui().open_with_default_program(target)) form.ui().message(failure);
}

}  // namespace

void TForm1::n_notepad_outClick(const Sender& sender) {
    const std::filesystem::path view =
        sender.name == "pop_html" ? write_html_code_view(*this) : write_text_view(*this);
    open_or_tell(*this, view.string(), output::cannot_show_message(view.string()));
}

void TForm1::n_quillo_outClick(const Sender&) {
    const std::filesystem::path view = write_text_view(*this);
    // The same program file as this one, with the file as its one argument: no shell, so names
    // with blanks, quotes or any other character arrive whole.
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    if (!ui().start_program(program, {view.string()}))
        ui().message(output::cannot_start_message(program));
}

void TForm1::n_my_pageClick(const Sender&) {
    const std::string page(output::kMakerHomePage);
    open_or_tell(*this, page, output::cannot_open_message(page));
}

void TForm1::emailClick(const Sender&) {
    const std::string mail = output::mailto_link(output::kMakerMail);
    open_or_tell(*this, mail, output::cannot_open_message(mail));
}

void TForm1::n_updateClick(const Sender&) {
    const std::filesystem::path notes = context().program_dir / output::kWhatsNewFile;
    if (!std::filesystem::is_regular_file(notes)) {
        ui().message(output::missing_file_message(output::kWhatsNewFile));
        return;
    }
    open_or_tell(*this, notes.string(), output::cannot_open_message(notes.string()));
}

}  // namespace quillo::canvas
