#include "platform/desktop_entry.h"

namespace quillo::platform {

std::string escape_value(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 8);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case ' ':
                // Blanks after "=" are skipped by readers; a leading one must be escaped.
                out += i == 0 ? "\\s" : " ";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string unescape_value(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[i + 1];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += next;
        }
        ++i;
    }
    return out;
}

std::string quote_exec_argument(std::string_view argument) {
    std::string out = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

std::string exec_value(std::string_view program, std::string_view field_code) {
    std::string out = quote_exec_argument(program);
    if (!field_code.empty()) out += " " + std::string(field_code);
    return out;
}

std::optional<std::vector<std::string>> split_exec(std::string_view value) {
    std::vector<std::string> args;
    std::size_t i = 0;
    while (true) {
        while (i < value.size() && value[i] == ' ') ++i;
        if (i == value.size()) break;
        std::string raw;
        if (value[i] == '"') {
            ++i;
            bool closed = false;
            for (; i < value.size(); ++i) {
                const char c = value[i];
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (c == '\\' && i + 1 < value.size()) {
                    const char next = value[i + 1];
                    if (next == '"' || next == '`' || next == '$' || next == '\\') {
                        raw += next;
                        ++i;
                        continue;
                    }
                }
                raw += c;
            }
            if (!closed) return std::nullopt;
            if (i < value.size() && value[i] != ' ') return std::nullopt;
        } else {
            while (i < value.size() && value[i] != ' ') raw += value[i++];
        }
        std::string arg;
        for (std::size_t k = 0; k < raw.size(); ++k) {
            arg += raw[k];
            if (raw[k] == '%' && k + 1 < raw.size() && raw[k + 1] == '%') ++k;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::string desktop_entry_text(const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string out = "[Desktop Entry]\n";
    for (const auto& [key, value] : keys) out += key + "=" + escape_value(value) + "\n";
    return out;
}

std::map<std::string, std::string> read_desktop_entry(std::string_view bytes) {
    std::map<std::string, std::string> out;
    bool in_entry = false;
    while (!bytes.empty()) {
        const auto nl = bytes.find('\n');
        std::string_view line = bytes.substr(0, nl);
        bytes.remove_prefix(nl == std::string_view::npos ? bytes.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            in_entry = line == "[Desktop Entry]";
            continue;
        }
        const auto eq = line.find('=');
        if (!in_entry || eq == std::string_view::npos) continue;
        std::string_view key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
        std::string_view value = line.substr(eq + 1);
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        out.emplace(std::string(key), unescape_value(value));
    }
    return out;
}

bool is_utf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= bytes.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

}  // namespace quillo::platform
