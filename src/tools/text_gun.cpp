#include "tools/text_gun.h"

#include "canvas/row_text.h"
#include "platform/gbk.h"
#include "tools/pen_row.h"

namespace quillo::tools {

namespace {

void drop_laid_bytes(GunFeed& f) {
    f.bytes.erase(0, f.front);
    f.front = 0;
}

bool line_fits(const GunFeed& f, const std::string& line) {
    return line.size() + f.bytes.size() <= kFeedFull || f.bytes.size() < 3;
}

void normalise(GunFeed& f) {
    f.bytes = canvas::double_byte_normalise(f.bytes, true);
}

}  // namespace

void fill_feed(GunFeed& f, const std::vector<std::string>& lines, int start_line) {
    drop_laid_bytes(f);
    f.resume_line = 0;
    const int n = static_cast<int>(lines.size());
    std::string whole;  // the whole text, once it is known to be short
    std::size_t total = 0;
    bool counted = false;
    for (int i = start_line < 0 ? 0 : start_line;; i = 0) {
        for (; i < n; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i)];
            if (!line_fits(f, line)) {
                f.resume_line = i;
                return;
            }
            f.bytes += line;
        }
        // The end of the text: it repeats from the first line. Whole copies go in at once, so
        // thousands of empty lines around a short text are walked at most once per fill.
        if (!counted) {
            counted = true;
            for (const auto& line : lines) {
                total += line.size();
                if (total > kFeedFull) break;
            }
            if (total == 0) return;  // no character at all: nothing to repeat
            if (total <= kFeedFull)
                for (const auto& line : lines) whole += line;
        }
        while (total <= kFeedFull && f.bytes.size() + total <= kFeedFull) f.bytes += whole;
    }
}

std::string load_feed(GunFeed& f, const std::vector<std::string>& lines, bool double_byte) {
    f.bytes.clear();
    f.front = 0;
    f.resume_line = 0;
    fill_feed(f, lines, 0);
    if (double_byte) normalise(f);
    return load_slot(f.text(), 1, double_byte);
}

std::optional<std::string> advance_gun(GunFeed& f, const std::vector<std::string>& lines,
                                       bool double_byte) {
    if (double_byte) {
        if (f.text().size() < 4) {
            drop_laid_bytes(f);
            if (f.bytes.size() == 3) f.bytes += ' ';
            fill_feed(f, lines, f.resume_line);
            normalise(f);
        }
        f.front += std::min<std::size_t>(2, f.text().size());
        return load_slot(f.text(), 1, true);
    }
    if (f.text().size() < 3) fill_feed(f, lines, f.resume_line);
    const std::string_view t = f.text();
    if (t.size() < 2 || static_cast<unsigned char>(t[1]) >= 128) return std::nullopt;
    ++f.front;
    return load_slot(f.text(), 1, false);
}

std::string_view feed_display(const GunFeed& f, std::size_t max_bytes) {
    const std::string_view t = f.text();
    std::size_t end = 0;
    while (end < t.size()) {
        const std::size_t step = platform::is_lead_byte(static_cast<unsigned char>(t[end])) ? 2 : 1;
        if (end + step > max_bytes) break;
        end += step;
    }
    return t.substr(0, std::min(end, t.size()));
}

}  // namespace quillo::tools
