#pragma once
// The script language of `quillo --script`: one command per line, blanks between arguments,
// "#" at the start of a line for a comment. A quoted argument may hold blanks and the escapes
// \" \\ \r \n \t \xNN. Scripts are UTF-8; the program works on GBK bytes, so every argument is
// kept both ways.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::script {

struct Argument {
    std::string text;   // UTF-8 as written, escapes resolved (\xNN puts its raw byte here too)
    std::string bytes;  // GBK: UTF-8 runs converted, \xNN exactly that byte
    bool quoted = false;
};

struct Command {
    int line = 0;  // 1-based line of the script
    std::string name;
    std::vector<Argument> args;
};

struct ParseError {
    int line = 0;
    std::string message;
};

struct ParsedScript {
    std::vector<Command> commands;
    std::optional<ParseError> error;  // the first line that could not be read; commands stop there
};

// Reads a whole script. A UTF-8 byte-order mark and CR LF line ends are accepted.
ParsedScript parse_script(std::string_view source);

// Reads one line: nullopt for a blank or comment line, or when `error` is set.
std::optional<Command> parse_line(std::string_view line, int number, std::string& error);

// "0x" followed by hex digits (colour values 0xBBGGRR, up to 0xFFFFFFFF, read as the 32-bit
// value), or a signed decimal. nullopt for anything else or out of the 32-bit range.
std::optional<std::int64_t> parse_number(std::string_view s);

// The same number as a Windows 32-bit value: 0x8000000F comes out negative, as the system keeps it.
std::optional<std::int32_t> parse_int32(std::string_view s);

// "true" / "false".
std::optional<bool> parse_bool(std::string_view s);

// GBK bytes written as a quoted argument that reads back to the same bytes: characters as
// UTF-8, everything else as escapes. Failure messages show document bytes this way.
std::string quote_bytes(std::string_view gbk);

}  // namespace quillo::script
