#pragma once
// Successive characters of the source text, for the conversion modes that write text instead of
// grey characters. Lines are read in turn and the text starts again after its last line.
#include <string>
#include <vector>

namespace quillo::imagetext {

class TextSource {
  public:
    TextSource() = default;
    explicit TextSource(std::vector<std::string> lines) { set_lines(std::move(lines)); }

    void set_lines(std::vector<std::string> lines) {
        lines_ = std::move(lines);
        normalised_line_ = std::size_t(-1);
        has_text_ = false;
        for (const std::string& l : lines_) has_text_ = has_text_ || !l.empty();
        rewind();
    }
    const std::vector<std::string>& lines() const { return lines_; }

    // Back to the first line, position 1: every conversion starts here.
    void rewind() {
        line_ = 0;
        position_ = 1;
    }

    // The next character: in double-byte mode the two bytes of the next cell of the line as the
    // double-byte normaliser lays it out; in single-byte mode the next byte, where a byte above
    // 128 becomes a space. Empty lines are skipped. "" when the text has no character at all.
    std::string next(bool double_byte);

  private:
    std::vector<std::string> lines_;
    bool has_text_ = false;
    std::size_t line_ = 0;      // 0-based
    std::size_t position_ = 1;  // 1-based byte
    // The current line as the double-byte normaliser lays it out, made once per line.
    std::string normalised_;
    std::size_t normalised_line_ = std::size_t(-1);
};

}  // namespace quillo::imagetext
