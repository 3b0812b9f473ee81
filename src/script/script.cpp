#include "script/script.h"

#include <limits>

#include "platform/gbk.h"

namespace quillo::script {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Builds both forms of an argument. UTF-8 runs are converted as a whole, so a character is
// never cut in two by an escape beside it.
class ArgumentBuilder {
  public:
    void add_text(std::string_view s) {
        arg_.text += s;
        pending_ += s;
    }
    void add_raw_byte(char b) {
        flush();
        arg_.text += b;
        arg_.bytes += b;
    }
    Argument finish(bool quoted) {
        flush();
        arg_.quoted = quoted;
        return std::move(arg_);
    }

  private:
    void flush() {
        arg_.bytes += platform::utf8_to_gbk(pending_);
        pending_.clear();
    }
    Argument arg_;
    std::string pending_;
};

// Reads a quoted argument starting at line[i] == '"'; i ends after the closing quote.
std::optional<Argument> read_quoted(std::string_view line, std::size_t& i, std::string& error) {
    ArgumentBuilder b;
    ++i;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            if (i < line.size() && !is_blank(line[i])) {
                error = "a quoted argument must be followed by a blank";
                return std::nullopt;
            }
            return b.finish(true);
        }
        if (c != '\\') {
            const std::size_t start = i;
            while (i < line.size() && line[i] != '"' && line[i] != '\\') ++i;
            b.add_text(line.substr(start, i - start));
            continue;
        }
        if (i + 1 >= line.size()) break;
        const char e = line[i + 1];
        i += 2;
        switch (e) {
            case '"':
                b.add_text("\"");
                break;
            case '\\':
                b.add_text("\\");
                break;
            case 'r':
                b.add_text("\r");
                break;
            case 'n':
                b.add_text("\n");
                break;
            case 't':
                b.add_text("\t");
                break;
            case 'x': {
                const int hi = i < line.size() ? hex_digit(line[i]) : -1;
                const int lo = i + 1 < line.size() ? hex_digit(line[i + 1]) : -1;
                if (hi < 0 || lo < 0) {
                    error = "\\x needs two hex digits";
                    return std::nullopt;
                }
                b.add_raw_byte(static_cast<char>(hi * 16 + lo));
                i += 2;
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return std::nullopt;
        }
    }
    error = "missing closing quote";
    return std::nullopt;
}

}  // namespace

std::optional<Command> parse_line(std::string_view line, int number, std::string& error) {
    error.clear();
    std::size_t i = 0;
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i == line.size() || line[i] == '#') return std::nullopt;

    Command command;
    command.line = number;
    while (i < line.size()) {
        if (line[i] == '"') {
            auto arg = read_quoted(line, i, error);
            if (!arg) return std::nullopt;
            if (command.name.empty()) {
                error = "a line must start with a command name";
                return std::nullopt;
            }
            command.args.push_back(std::move(*arg));
        } else {
            const std::size_t start = i;
            while (i < line.size() && !is_blank(line[i])) {
                if (line[i] == '"') {
                    error = "a quote may only start an argument";
                    return std::nullopt;
                }
                ++i;
            }
            const std::string_view word = line.substr(start, i - start);
            if (command.name.empty()) {
                command.name = word;
            } else {
                ArgumentBuilder b;
                b.add_text(word);
                command.args.push_back(b.finish(false));
            }
        }
        while (i < line.size() && is_blank(line[i])) ++i;
    }
    return command;
}

ParsedScript parse_script(std::string_view source) {
    if (source.substr(0, 3) == "\xEF\xBB\xBF") source.remove_prefix(3);
    ParsedScript out;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= source.size()) {
        std::size_t end = source.find('\n', pos);
        if (end == std::string_view::npos) end = source.size();
        ++number;
        std::string error;
        auto command = parse_line(source.substr(pos, end - pos), number, error);
        if (!error.empty()) {
            out.error = ParseError{number, error};
            return out;
        }
        if (command) out.commands.push_back(std::move(*command));
        if (end == source.size()) break;
        pos = end + 1;
    }
    return out;
}

std::optional<std::int64_t> parse_number(std::string_view s) {
    std::int64_t value = 0;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        const std::string_view digits = s.substr(2);
        if (digits.size() > 8) return std::nullopt;
        for (char c : digits) {
            const int d = hex_digit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        return value;
    }
    std::string_view d = s;
    const bool negative = !d.empty() && d[0] == '-';
    if (!d.empty() && (d[0] == '-' || d[0] == '+')) d.remove_prefix(1);
    if (d.empty() || d.size() > 10) return std::nullopt;
    for (char c : d) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parse_int32(std::string_view s) {
    const auto v = parse_number(s);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*v));
}

std::optional<bool> parse_bool(std::string_view s) {
    if (s == "true") return true;
    if (s == "false") return false;
    return std::nullopt;
}

std::string quote_bytes(std::string_view gbk) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    auto escape = [&](unsigned char b) {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 15];
    };
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        switch (b) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
            continue;
        }
        if (platform::is_lead_byte(b) && i + 1 < gbk.size()) {
            const auto t = static_cast<unsigned char>(gbk[i + 1]);
            const char32_t cp = platform::gbk_pair_to_unicode(b, t);
            // Only a pair that the codec writes back the same way may travel as a character.
            if (cp != 0 && platform::unicode_to_gbk(cp) == gbk.substr(i, 2)) {
                out += platform::gbk_to_utf8(gbk.substr(i, 2));
                ++i;
                continue;
            }
        }
        escape(b);
    }
    out += '"';
    return out;
}

}  // namespace quillo::script
