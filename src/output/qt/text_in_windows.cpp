#include "output/qt/text_in_windows.h"

#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "document/text_file.h"
#include "platform/command_runner.h"
#include "platform/gbk.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::output {

namespace {

const char* const kWelcome[] = {
    "欢迎使用QuilloQuillo,请输入一篇文章或打开一个",
    "文本文件，作为“文字机关枪”或图片转文字画的内容。",
};

QToolButton* tool_button(QToolBar* bar, const char* name, const char* hint,
                         QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(bar->style()->standardIcon(icon));
    bar->addWidget(b);
    return b;
}

}  // namespace

Ttext_in_windows::Ttext_in_windows(platform::UiServices& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setObjectName("text_in_windows");
    setWindowTitle(QString::fromUtf8("文本文件输入框"));
    resize(480, 320);

    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    tb_openfile = tool_button(bar, "tb_openfile", "打开一个文本文件", QStyle::SP_DialogOpenButton);
    tb_ok = tool_button(bar, "tb_ok", "确认并关闭此窗", QStyle::SP_DialogApplyButton);

    pen_txt_memo = new QPlainTextEdit(this);
    pen_txt_memo->setObjectName("pen_txt_memo");
    QFont face;
    face.setFamilies({QString::fromUtf8("宋体"), QStringLiteral("Unifont")});
    face.setPixelSize(16);
    pen_txt_memo->setFont(face);
    // Wrapping lays a long line out again and again as it grows; without it a line of a
    // megabyte still shows in about a second.
    pen_txt_memo->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(pen_txt_memo);

    connect(pen_txt_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!setting_text_) memo_changed_ = true;
    });
    connect(tb_openfile, &QToolButton::clicked, this,
            [this] { platform::run_guarded(ui_, [this] { tb_openfileClick(); }); });
    connect(tb_ok, &QToolButton::clicked, this, [this] { tb_okClick(); });

    set_lines({platform::utf8_to_gbk(kWelcome[0]), platform::utf8_to_gbk(kWelcome[1])});
}

const std::vector<std::string>& Ttext_in_windows::lines() {
    if (!memo_changed_) return lines_;
    lines_.clear();
    const QTextDocument* text = pen_txt_memo->document();
    lines_.reserve(static_cast<std::size_t>(text->blockCount()));
    for (QTextBlock b = text->begin(); b.isValid(); b = b.next())
        lines_.push_back(platform::to_gbk(b.text()));
    // The text after the last line break is a line only when it holds something.
    if (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
    memo_changed_ = false;
    return lines_;
}

void Ttext_in_windows::set_lines(std::vector<std::string> lines) {
    const QString text = platform::lines_to_qstring(lines);
    setting_text_ = true;
    pen_txt_memo->setPlainText(text);
    setting_text_ = false;
    lines_ = std::move(lines);
    memo_changed_ = false;
}

void Ttext_in_windows::show_modal() {
    exec();
}

void Ttext_in_windows::tb_openfileClick() {
    platform::FileDialogRequest request;
    request.filter = "文本文件|*.txt|所有文件|*.*";
    request.file_name = "*.txt";
    request.default_ext = "txt";
    const auto chosen = ui_.open_file(request);
    if (!chosen) return;
    const auto path = std::filesystem::u8path(chosen->path);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxSourceBytes) {
        too_large(chosen->path, size);
        return;
    }
    // The file is read whole before the memo is touched: a file that cannot be read leaves the
    // text as it was.
    auto contents = document::read_text_file(path);
    if (contents.byte_count > kMaxSourceBytes) {
        too_large(chosen->path, contents.byte_count);
        return;
    }
    set_lines(std::move(contents.lines));
}

void Ttext_in_windows::too_large(const std::string& path, std::uintmax_t size) {
    ui_.message("文件太大，不能作为源文本打开：" + path + "\r（" + std::to_string(size) +
                    " 字节，最多 " + std::to_string(kMaxSourceBytes) + " 字节）",
                platform::kApplicationTitle, platform::Icon::warning);
}

void Ttext_in_windows::tb_okClick() {
    accept();
}

}  // namespace quillo::output
