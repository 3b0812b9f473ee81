#include "platform/file_filter.h"

#include <string_view>

namespace quillo::platform {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// "*.jpg;*.bmp" -> "*.jpg *.bmp"; "*.*" -> "*" (Qt's "*.*" would miss names without a dot).
std::string qt_patterns(std::string_view patterns) {
    std::string out;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string_view::npos) end = patterns.size();
        std::string_view p = trim(patterns.substr(start, end - start));
        if (!p.empty()) {
            if (!out.empty()) out += ' ';
            out += (p == "*.*") ? std::string_view("*") : p;
        }
        start = end + 1;
    }
    return out.empty() ? std::string("*") : out;
}

}  // namespace

std::vector<std::string> qt_filters_from_windows(const std::string& windows_filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= windows_filter.size()) {
        std::size_t end = windows_filter.find('|', start);
        if (end == std::string::npos) end = windows_filter.size();
        parts.push_back(windows_filter.substr(start, end - start));
        start = end + 1;
    }
    // A filter ending in '|' leaves one empty part behind.
    if (!parts.empty() && parts.back().empty() && parts.size() % 2 == 1) parts.pop_back();

    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        out.push_back(parts[i] + " (" + qt_patterns(parts[i + 1]) + ")");
    }
    return out;
}

std::string qt_filter_from_windows(const std::string& windows_filter) {
    std::string out;
    for (const auto& f : qt_filters_from_windows(windows_filter)) {
        if (!out.empty()) out += ";;";
        out += f;
    }
    return out;
}

}  // namespace quillo::platform
