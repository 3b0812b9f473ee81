#pragma once
// A freedesktop key file (mimeapps.list, the program's own backup of it) edited line by line.
// The file is shared with every other program, so each line that is not changed here - other
// groups, other keys, comments, blank lines, lines that are no key at all - comes back byte for
// byte, line breaks included. Keys are matched exactly (key files are case-sensitive).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::platform {

class KeyFileText {
  public:
    static KeyFileText parse(std::string_view bytes);
    std::string bytes() const;
    bool empty() const { return lines_.empty(); }

    bool has_group(std::string_view group) const;
    // The value of the first such key in the group (blanks after "=" skipped); nullopt when
    // there is none.
    std::optional<std::string> get(std::string_view group, std::string_view key) const;
    // Replaces the value of the first such key, keeping the text before it ("key = "). A key
    // that is missing goes after the last key of the group; a missing group goes at the end of
    // the file. A file without a final line break keeps that style, so that remove() undoes
    // an addition exactly.
    void set(std::string_view group, std::string_view key, std::string_view value);
    // Removes every such key of the group; true when one was there.
    bool remove(std::string_view group, std::string_view key);
    // Removes the header of a group that has no line left under it; true when it did.
    bool remove_group_if_empty(std::string_view group);

  private:
    struct Line {
        std::string text;  // without its line break (a CR before the LF belongs to `end`)
        std::string end;   // "\n", "\r\n", or "" for a last line without a break
    };
    // [first, last) of every run of lines under a header named `group` (header excluded).
    struct Span {
        std::size_t header;
        std::size_t first;
        std::size_t last;
    };
    std::vector<Span> spans(std::string_view group) const;
    void insert_line(std::size_t at, std::string text);
    void erase_line(std::size_t at);

    std::vector<Line> lines_;
    std::string line_break_ = "\n";  // the file's own style, for new lines
};

}  // namespace quillo::platform
