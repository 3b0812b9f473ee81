#include "platform/qt/qt_ui_services.h"

#include <QClipboard>
#include <QColor>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/colours.h"
#include "platform/file_filter.h"

namespace quillo::platform {

namespace {

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string utf8(const QString& s) {
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), std::size_t(b.size()));
}

QString box_caption(const std::string& caption) {
    return caption.empty() ? QGuiApplication::applicationDisplayName() : qs(caption);
}

// Lines of the program's messages are joined by CR, which a Qt label does not break on; and a
// message may quote a file name or typed text, which must never be read as markup.
QString box_text(const std::string& text) {
    QString t = qs(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QMessageBox::Icon qt_icon(Icon icon) {
    switch (icon) {
        case Icon::information:
            return QMessageBox::Information;
        case Icon::warning:
            return QMessageBox::Warning;
        case Icon::error:
            return QMessageBox::Critical;
        case Icon::question:
            return QMessageBox::Question;
        case Icon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUiServices::message(const std::string& text, const std::string& caption, Icon icon) {
    QMessageBox box(qt_icon(icon), box_caption(caption), box_text(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer QtUiServices::confirm(const std::string& text, const std::string& caption, Icon icon,
                             bool with_cancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (with_cancel) buttons |= QMessageBox::Cancel;
    QMessageBox box(qt_icon(icon), box_caption(caption), box_text(text), buttons, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::Yes) return Answer::yes;
    if (clicked == QMessageBox::No) return Answer::no;
    // Escape or closing the window: Cancel where there is one, otherwise No.
    return with_cancel ? Answer::cancel : Answer::no;
}

std::optional<std::string> QtUiServices::input(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& default_text) {
    bool ok = false;
    const QString r = QInputDialog::getText(parent_, box_caption(caption), box_text(prompt),
                                            QLineEdit::Normal, qs(default_text), &ok);
    if (!ok) return std::nullopt;
    return utf8(r);
}

std::optional<FileDialogResult> QtUiServices::file_dialog(const FileDialogRequest& request,
                                                          bool save) {
    QFileDialog dialog(parent_, qs(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite questions where it wants them.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);

    QStringList filters;
    for (const auto& f : qt_filters_from_windows(request.filter)) filters << qs(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filter_index;
        if (index >= 1 && index <= filters.size()) dialog.selectNameFilter(filters[index - 1]);
    }
    if (!request.default_ext.empty()) dialog.setDefaultSuffix(qs(request.default_ext));

    QString initial = qs(request.file_name);
    if (!request.initial_dir.empty()) dialog.setDirectory(qs(request.initial_dir));
    if (!initial.isEmpty()) {
        const QFileInfo info(initial);
        if (info.isRelative() && !request.initial_dir.empty()) {
            initial = QDir(qs(request.initial_dir)).filePath(initial);
        }
        if (QFileInfo(initial).isDir()) {
            dialog.setDirectory(initial);
        } else {
            dialog.selectFile(initial);
        }
    }

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;

    FileDialogResult result;
    result.path = utf8(files.front());
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    result.filter_index = chosen >= 0 ? int(chosen) + 1 : 1;
    return result;
}

std::optional<FileDialogResult> QtUiServices::open_file(const FileDialogRequest& request) {
    return file_dialog(request, false);
}

std::optional<FileDialogResult> QtUiServices::save_file(const FileDialogRequest& request) {
    return file_dialog(request, true);
}

std::optional<std::int32_t> QtUiServices::choose_colour(std::int32_t initial) {
    // resolve_colour also maps system colours (0x800000nn) to their fixed RGB values.
    const Rgb rgb = resolve_colour(initial);
    const QColor start(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
    const QColor c = QColorDialog::getColor(start, parent_);
    if (!c.isValid()) return std::nullopt;
    return std::int32_t(std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
                        (std::uint32_t(c.blue()) << 16));
}

bool QtUiServices::open_with_default_program(const std::string& path_or_url) {
    const QString s = qs(path_or_url);
    QUrl url;
    if (s.contains(QLatin1String("://")) || s.startsWith(QLatin1String("mailto:"))) {
        url = QUrl(s);
    } else {
        url = QUrl::fromLocalFile(QFileInfo(s).absoluteFilePath());
    }
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}

bool QtUiServices::start_program(const std::string& program, const std::vector<std::string>& args) {
    QStringList list;
    for (const auto& a : args) list << qs(a);
    return QProcess::startDetached(qs(program), list);
}

std::string QtUiServices::clipboard_text() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? utf8(clipboard->text()) : std::string();
}

void QtUiServices::set_clipboard_text(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qs(text));
}

}  // namespace quillo::platform
