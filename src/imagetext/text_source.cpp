#include "imagetext/text_source.h"

#include "canvas/row_text.h"

namespace quillo::imagetext {

std::string TextSource::next(bool double_byte) {
    if (!has_text_) return {};
    if (line_ >= lines_.size()) line_ = 0;
    // Every pass over a line either gives a character or moves to the next line, and some line
    // has one, so two rounds over the text always end the search.
    for (std::size_t guard = 0; guard <= 2 * lines_.size() + 2; ++guard) {
        const std::string& raw = lines_[line_];
        const auto advance_line = [&] { line_ = line_ + 1 >= lines_.size() ? 0 : line_ + 1; };
        if (raw.empty()) {
            advance_line();
            continue;
        }
        if (double_byte) {
            if (normalised_line_ != line_) {
                normalised_ = canvas::double_byte_normalise(raw, true);
                normalised_line_ = line_;
            }
            const std::string& line = normalised_;
            if (line.size() > position_) {
                std::string c = line.substr(position_ - 1, 2);
                position_ += 2;
                return c;
            }
            const std::size_t even = line.size() + (line.size() % 2);
            position_ = position_ > even ? position_ - even : 1;
            if (position_ < 1) position_ = 1;
            advance_line();
        } else {
            if (position_ <= raw.size()) {
                char c = raw[position_ - 1];
                ++position_;
                if (static_cast<unsigned char>(c) > 128) c = ' ';
                return std::string(1, c);
            }
            position_ = 1;
            advance_line();
        }
    }
    return {};
}

}  // namespace quillo::imagetext
