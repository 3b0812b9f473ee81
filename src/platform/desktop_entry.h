#pragma once
// Desktop entries (".desktop" files) as the freedesktop Desktop Entry format has them: values
// are escaped strings, and an Exec line is a list of arguments in which a program path is
// quoted, so that a path holding blanks, quotes, "$", "`", "\" or "%" runs that program and
// nothing else.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo::platform {

// A value of type string as a key file stores it: "\" as "\\", line breaks and tabs as "\n",
// "\r", "\t", a leading blank as "\s".
std::string escape_value(std::string_view value);
// The reverse; unknown escapes are kept as they stand.
std::string unescape_value(std::string_view value);

// One argument of an Exec line before string escaping: in double quotes, with "\"", "`", "$"
// and "\" escaped by a backslash, and "%" doubled.
std::string quote_exec_argument(std::string_view argument);
// The value of an Exec key (before string escaping): the quoted program, then the field code
// if any ("%f": one file).
std::string exec_value(std::string_view program, std::string_view field_code = {});
// The arguments of an (unescaped) Exec value as a launcher reads them: the quoting undone and
// "%%" read as "%"; field codes stay as they are ("%f"). nullopt when the quoting is broken.
std::optional<std::vector<std::string>> split_exec(std::string_view value);

// The text of a file holding one [Desktop Entry] group with these keys, in this order, every
// value escaped.
std::string desktop_entry_text(const std::vector<std::pair<std::string, std::string>>& keys);
// The keys of the [Desktop Entry] group of a file, values unescaped.
std::map<std::string, std::string> read_desktop_entry(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (a desktop entry holds nothing else).
bool is_utf8(std::string_view bytes);

}  // namespace quillo::platform
