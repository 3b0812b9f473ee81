#include "document/ini_file.h"

#include <cerrno>
#include <cstdint>

#include "document/document.h"
#include "document/save_file.h"
#include "document/text_file.h"
#include "platform/errors.h"
#include "platform/gbk.h"

namespace quillo::document {

namespace fs = std::filesystem;

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Name of a section header line ("[name]", blanks allowed around), or nullopt.
std::optional<std::string_view> header_name(std::string_view line) {
    const std::string_view t = trim_blanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    const std::string_view inner =
        close == std::string_view::npos ? t.substr(1) : t.substr(1, close - 1);
    return trim_blanks(inner);
}

struct KeyLine {
    std::string_view key;
    std::size_t value_start;  // byte after '='
};

// Key of a "key=value" line; comment lines (";") and lines without "=" hold none.
std::optional<KeyLine> key_of(std::string_view line) {
    const std::string_view t = trim_blanks(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{trim_blanks(line.substr(0, eq)), eq + 1};
}

std::string_view unquote(std::string_view v) {
    v = trim_blanks(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

std::string quoted_if_needed(std::string_view value) {
    const std::size_t cut = value.find_first_of("\r\n");
    if (cut != std::string_view::npos) value = value.substr(0, cut);
    const bool blank_edge = !value.empty() && (is_blank(value.front()) || is_blank(value.back()));
    const bool quote_pair = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                            value.back() == value.front();
    if (blank_edge || quote_pair) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

}  // namespace

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (platform::is_lead_byte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

IniFile IniFile::from_bytes(std::string_view bytes) {
    IniFile f;
    f.lines_ = split_lines(bytes);
    return f;
}

IniFile IniFile::load(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return IniFile{};
    return from_bytes(read_file_bytes(path));
}

std::string IniFile::to_bytes() const {
    return join_lines_crlf(lines_);
}

void IniFile::save(const fs::path& path) const {
    write_file_atomically(path, to_bytes());
}

IniFile::Place IniFile::locate(std::string_view section, std::string_view key) const {
    Place p;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = header_name(lines_[i]);
        if (p.section_line == npos) {
            if (name && equal_ignoring_ascii_case(*name, section)) p.section_line = i;
            continue;
        }
        if (name) {
            p.section_end = i;
            return p;
        }
        if (p.key_line == npos) {
            const auto k = key_of(lines_[i]);
            if (k && equal_ignoring_ascii_case(k->key, key)) p.key_line = i;
        }
    }
    if (p.section_line != npos) p.section_end = lines_.size();
    return p;
}

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
    const Place p = locate(section, key);
    if (p.key_line == npos) return std::nullopt;
    const std::string_view line = lines_[p.key_line];
    return std::string(unquote(line.substr(key_of(line)->value_start)));
}

std::string IniFile::read_string(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    auto v = find(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

int IniFile::read_int(std::string_view section, std::string_view key, int fallback) const {
    const auto v = find(section, key);
    if (!v) return fallback;
    const std::string_view s = trim_blanks(*v);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size() || s[i] < '0' || s[i] > '9') return fallback;
    std::uint64_t magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(s[i] - '0');
        if (magnitude > 0xFFFFFFFFull) return fallback;
    }
    if (negative) {
        if (magnitude > 0x80000000ull) return fallback;
        return static_cast<int>(-static_cast<std::int64_t>(magnitude));
    }
    return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)));
}

bool IniFile::read_bool(std::string_view section, std::string_view key, bool fallback) const {
    return read_int(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::write_string(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = quoted_if_needed(value);
    const Place p = locate(section, key);
    if (p.key_line != npos) {
        std::string& line = lines_[p.key_line];
        const std::size_t start = key_of(line)->value_start;
        // A line that already reads as this value is left as the user wrote it.
        if (unquote(std::string_view(line).substr(start)) == unquote(text)) return;
        line.replace(start, std::string::npos, text);
    } else if (p.section_line != npos) {
        // After the section's last non-blank line, so blank separator lines stay between sections.
        std::size_t at = p.section_end;
        while (at > p.section_line + 1 && trim_blanks(lines_[at - 1]).empty()) --at;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      std::string(key) + "=" + text);
    } else {
        if (!lines_.empty() && !trim_blanks(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + text);
    }
    modified_ = true;
}

void IniFile::write_int(std::string_view section, std::string_view key, int value) {
    write_string(section, key, std::to_string(value));
}

void IniFile::write_bool(std::string_view section, std::string_view key, bool value) {
    write_string(section, key, value ? "1" : "0");
}

}  // namespace quillo::document
