#pragma once
// GBK bytes <-> QString for text boxes, through the lossless codec in platform/gbk.h.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::platform {

// Every byte survives to_gbk(to_qstring(bytes)); see gbk_to_utf16 for the private code points.
QString to_qstring(std::string_view gbk);

// GBK lines joined by line breaks, as a text box holds them.
QString lines_to_qstring(const std::vector<std::string>& lines);

// Characters GBK lacks become "?".
std::string to_gbk(const QString& text);

}  // namespace quillo::platform
