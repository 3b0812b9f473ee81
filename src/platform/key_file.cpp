#include "platform/key_file.h"

namespace quillo::platform {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::optional<std::string_view> header_name(std::string_view text) {
    const std::string_view t = trim(text);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
    return t.substr(1, t.size() - 2);
}

// The key of a "key=value" line; nullopt for headers, comments and other lines.
std::optional<std::string_view> key_of(std::string_view text) {
    const std::string_view t = trim(text);
    if (t.empty() || t.front() == '#' || t.front() == '[') return std::nullopt;
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(text.substr(0, eq));
}

// Where the value of a key line starts: after "=" and the blanks that follow it.
std::size_t value_start(std::string_view text) {
    std::size_t at = text.find('=') + 1;
    while (at < text.size() && blank(text[at])) ++at;
    return at;
}

}  // namespace

KeyFileText KeyFileText::parse(std::string_view bytes) {
    KeyFileText file;
    bool style_seen = false;
    while (!bytes.empty()) {
        const auto nl = bytes.find('\n');
        Line line;
        if (nl == std::string_view::npos) {
            line.text = std::string(bytes);
            bytes = {};
        } else {
            line.text = std::string(bytes.substr(0, nl));
            line.end = "\n";
            bytes.remove_prefix(nl + 1);
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            }
            if (!style_seen) file.line_break_ = line.end;
            style_seen = true;
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::string KeyFileText::bytes() const {
    std::string out;
    for (const Line& l : lines_) out += l.text + l.end;
    return out;
}

std::vector<KeyFileText::Span> KeyFileText::spans(std::string_view group) const {
    std::vector<Span> out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = header_name(lines_[i].text);
        if (!name) continue;
        if (!out.empty() && out.back().last == lines_.size()) out.back().last = i;
        if (*name == group) out.push_back({i, i + 1, lines_.size()});
    }
    return out;
}

bool KeyFileText::has_group(std::string_view group) const {
    return !spans(group).empty();
}

std::optional<std::string> KeyFileText::get(std::string_view group, std::string_view key) const {
    for (const Span& s : spans(group))
        for (std::size_t i = s.first; i < s.last; ++i)
            if (key_of(lines_[i].text) == key)
                return lines_[i].text.substr(value_start(lines_[i].text));
    return std::nullopt;
}

void KeyFileText::insert_line(std::size_t at, std::string text) {
    Line line{std::move(text), line_break_};
    // A file that ended without a line break still does: the break goes to the line before.
    if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty()) {
        lines_.back().end = line_break_;
        line.end.clear();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void KeyFileText::erase_line(std::size_t at) {
    if (at + 1 == lines_.size() && lines_[at].end.empty() && at > 0) lines_[at - 1].end.clear();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
}

void KeyFileText::set(std::string_view group, std::string_view key, std::string_view value) {
    const auto found = spans(group);
    for (const Span& s : found) {
        for (std::size_t i = s.first; i < s.last; ++i) {
            std::string& text = lines_[i].text;
            if (key_of(text) != key) continue;
            text = text.substr(0, value_start(text)) + std::string(value);
            return;
        }
    }
    const std::string line = std::string(key) + "=" + std::string(value);
    if (found.empty()) {
        insert_line(lines_.size(), "[" + std::string(group) + "]");
        insert_line(lines_.size(), line);
        return;
    }
    std::size_t at = found.front().first;
    for (std::size_t i = found.front().first; i < found.front().last; ++i)
        if (key_of(lines_[i].text)) at = i + 1;
    insert_line(at, line);
}

bool KeyFileText::remove(std::string_view group, std::string_view key) {
    std::vector<std::size_t> doomed;
    for (const Span& s : spans(group))
        for (std::size_t i = s.first; i < s.last; ++i)
            if (key_of(lines_[i].text) == key) doomed.push_back(i);
    // From the back, so that the earlier positions stay valid.
    for (auto i = doomed.rbegin(); i != doomed.rend(); ++i) erase_line(*i);
    return !doomed.empty();
}

bool KeyFileText::remove_group_if_empty(std::string_view group) {
    for (const Span& s : spans(group)) {
        if (s.first != s.last) continue;
        erase_line(s.header);
        return true;
    }
    return false;
}

}  // namespace quillo::platform
