#include "platform/qt/gbk_qt.h"

#include "platform/gbk.h"

namespace quillo::platform {

QString to_qstring(std::string_view gbk) {
    std::u16string text = gbk_to_utf16(gbk);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

QString lines_to_qstring(const std::vector<std::string>& lines) {
    QString text;
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() + 1;
    text.reserve(static_cast<qsizetype>(total));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QChar('\n');
        text += to_qstring(lines[i]);
    }
    return text;
}

std::string to_gbk(const QString& text) {
    return utf16_to_gbk(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<std::size_t>(text.size())));
}

}  // namespace quillo::platform
