#pragma once
// The document: the master copy of the text, one GBK byte string per line.
#include <string>
#include <string_view>
#include <vector>

namespace quillo::document {

struct Document {
    std::vector<std::string> lines;

    int line_count() const { return static_cast<int>(lines.size()); }
    // A line that does not exist reads as empty. `index` is 0-based.
    std::string_view line(int index) const {
        if (index < 0 || index >= line_count()) return {};
        return lines[static_cast<std::size_t>(index)];
    }
};

// Splits text at CR LF, lone LF or lone CR. A final line end does not start another line.
std::vector<std::string> split_lines(std::string_view text);

// Joins lines, each followed by CR LF.
std::string join_lines_crlf(const std::vector<std::string>& lines);

}  // namespace quillo::document
