#include "textops/text_search.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/gbk.h"

namespace quillo::textops {

namespace {

unsigned char at(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// Finds where the needle's bytes stand, folding ASCII letters unless case matters (Horspool's
// shift table on the folded bytes). Whether a place is a real hit is decided by the caller.
class Matcher {
  public:
    Matcher(std::string_view needle, bool match_case) : needle_(needle) {
        for (int b = 0; b < 256; ++b)
            fold_[b] = static_cast<unsigned char>(!match_case && b >= 'a' && b <= 'z' ? b - 32 : b);
        const std::size_t m = needle.size();
        if (m == 0) return;
        forward_shift_.fill(m);
        backward_shift_.fill(m);
        for (std::size_t i = 0; i + 1 < m; ++i) forward_shift_[fold(at(needle, i))] = m - 1 - i;
        for (std::size_t i = m - 1; i >= 1; --i) backward_shift_[fold(at(needle, i))] = i;
        plain_byte_ = m == 1 && fold_[at(needle, 0)] == at(needle, 0) &&
                      !(at(needle, 0) >= 'A' && at(needle, 0) <= 'Z' && !match_case);
    }

    // The first place p >= from with p + length <= to, or kNoHit.
    std::size_t first(std::string_view text, std::size_t from, std::size_t to) const {
        const std::size_t m = needle_.size();
        if (to < m || from > to - m) return kNoHit;
        if (plain_byte_) {
            const void* p = std::memchr(text.data() + from, needle_[0], to - from);
            return p ? static_cast<std::size_t>(static_cast<const char*>(p) - text.data()) : kNoHit;
        }
        const unsigned char last = fold(at(needle_, m - 1));
        for (std::size_t p = from; p + m <= to;) {
            const unsigned char b = fold(at(text, p + m - 1));
            if (b == last && equal_at(text, p, m - 1)) return p;
            p += forward_shift_[b];
        }
        return kNoHit;
    }

    // The last place p >= from with p + length <= to, or kNoHit.
    std::size_t last(std::string_view text, std::size_t from, std::size_t to) const {
        const std::size_t m = needle_.size();
        if (to < m || from > to - m) return kNoHit;
        const unsigned char head = fold(at(needle_, 0));
        for (std::size_t p = to - m;;) {
            const unsigned char b = fold(at(text, p));
            if (b == head && equal_at(text, p + 1, m - 1, 1)) return p;
            const std::size_t s = backward_shift_[b];
            if (p < from + s) return kNoHit;
            p -= s;
        }
    }

    unsigned char fold(unsigned char b) const { return fold_[b]; }

  private:
    bool equal_at(std::string_view text, std::size_t p, std::size_t count,
                  std::size_t offset = 0) const {
        for (std::size_t i = 0; i < count; ++i)
            if (fold(at(text, p + i)) != fold(at(needle_, offset + i))) return false;
        return true;
    }

    std::string_view needle_;
    std::array<unsigned char, 256> fold_{};
    std::array<std::size_t, 256> forward_shift_{};
    std::array<std::size_t, 256> backward_shift_{};
    bool plain_byte_ = false;
};

// True when the characters of text from p on are the needle's characters: the same split into
// single bytes and pairs, p + length ending a character, and the bytes of every full-width
// character exactly the needle's (only single-byte letters may differ in case).
bool same_characters(std::string_view text, std::size_t p, std::string_view needle) {
    std::size_t j = 0;
    while (j < needle.size()) {
        const std::size_t width = next_character(text, p + j) - (p + j);
        if (width != next_character(needle, j) - j) return false;
        if (width == 2 && text.substr(p + j, 2) != needle.substr(j, 2)) return false;
        j += width;
    }
    return true;
}

// Character starts of the text at and after `lo_`, known from a point where a character surely
// begins: any position whose byte before is no lead byte. Grows towards the start of the text
// as a backward search needs it, so every byte is read about once.
class KnownStarts {
  public:
    explicit KnownStarts(std::string_view text) : text_(text), lo_(text.size()), hi_(text.size()) {
        starts_.push_back(1);
    }

    bool is_start(std::size_t i) {
        cover(i);
        return starts_[hi_ - i] != 0;
    }
    // Start of the character that holds byte i.
    std::size_t start_of(std::size_t i) {
        cover(i);
        while (!starts_[hi_ - i]) --i;
        return i;
    }

  private:
    void cover(std::size_t i) {
        if (i >= lo_) return;
        std::size_t q = i;
        while (q > 0 && platform::is_lead_byte(at(text_, q - 1))) --q;
        std::vector<unsigned char> segment(lo_ - q, 0);
        for (std::size_t s = q; s < lo_; s = next_character(text_, s)) segment[s - q] = 1;
        starts_.insert(starts_.end(), segment.rbegin(), segment.rend());
        lo_ = q;
    }

    std::string_view text_;
    std::size_t lo_;
    std::size_t hi_;
    std::vector<unsigned char> starts_;  // starts_[hi_ - i]: a character starts at i
};

// Searches one text again and again, as "replace all" does, reading its bytes about once.
class Searcher {
  public:
    Searcher(std::string_view text, std::string_view needle, const SearchOptions& options)
        : text_(text),
          needle_(needle),
          options_(options),
          matcher_(needle, options.match_case),
          known_(text) {}

    // First hit in text[from, size); the byte before `from` is not looked at.
    std::size_t forward(std::size_t from) {
        if (needle_.empty()) return kNoHit;
        const std::size_t m = needle_.size();
        // `floor_` is a character start at or before every place still to be tried.
        if (from > floor_) floor_ = from;
        for (std::size_t at_or_after = from;;) {
            const std::size_t p = matcher_.first(text_, at_or_after, text_.size());
            if (p == kNoHit) return kNoHit;
            bool word_before = false;
            bool starts = true;
            if (p > floor_) {
                const std::size_t before = start_before(p);
                starts = next_character(text_, before) == p;
                word_before = before == p - 1 && is_word_byte(at(text_, p - 1));
                floor_ = before;
            }
            if (!starts || !same_characters(text_, p, needle_)) {
                at_or_after = p + 1;
                continue;
            }
            if (options_.whole_word && (word_before || word_after(p + m, text_.size()))) {
                floor_ = p;
                at_or_after = p + m;
                continue;
            }
            return p;
        }
    }

    // Last hit in text[0, end); positions are tried from the last one down, and after a hit
    // rejected as no whole word only places before it are tried.
    std::size_t backward(std::size_t end) {
        if (needle_.empty()) return kNoHit;
        const std::size_t m = needle_.size();
        for (std::size_t limit = end;;) {
            const std::size_t p = matcher_.last(text_, 0, limit);
            if (p == kNoHit) return kNoHit;
            if (!known_.is_start(p) || !same_characters(text_, p, needle_)) {
                limit = p + m - 1;
                continue;
            }
            if (options_.whole_word) {
                const bool word_before =
                    p > 0 && known_.start_of(p - 1) == p - 1 && is_word_byte(at(text_, p - 1));
                if (word_before || word_after(p + m, end)) {
                    limit = p;
                    continue;
                }
            }
            return p;
        }
    }

  private:
    // Start of the character that ends at or holds byte p - 1, found from `floor_`.
    std::size_t start_before(std::size_t p) {
        std::size_t q = p - 1;
        while (q > floor_ && platform::is_lead_byte(at(text_, q - 1))) --q;
        for (;;) {
            const std::size_t next = next_character(text_, q);
            if (next >= p) return q;
            q = next;
        }
    }

    // A byte of 128 or more is never a word character, so the byte after a hit (which starts
    // a character) is a word character only as a single-byte one.
    bool word_after(std::size_t i, std::size_t end) const {
        return i < end && is_word_byte(at(text_, i));
    }

    std::string_view text_;
    std::string_view needle_;
    SearchOptions options_;
    Matcher matcher_;
    KnownStarts known_;
    std::size_t floor_ = 0;
};

}  // namespace

std::size_t next_character(std::string_view text, std::size_t i) {
    const unsigned char b = at(text, i);
    if (b >= 0x80 && i + 1 < text.size() && platform::gbk_pair_to_unicode(b, at(text, i + 1)))
        return i + 2;
    return i + 1;
}

std::size_t find_text(std::string_view haystack, std::string_view needle,
                      const SearchOptions& options) {
    Searcher searcher(haystack, needle, options);
    return options.down ? searcher.forward(0) : searcher.backward(haystack.size());
}

std::vector<std::size_t> replace_all_hits(std::string_view text, std::size_t from,
                                          std::string_view needle, const SearchOptions& options) {
    std::vector<std::size_t> hits;
    if (needle.empty()) return hits;
    Searcher searcher(text, needle, options);
    if (options.down) {
        for (std::size_t at_or_after = from == kNoHit ? 0 : from;;) {
            const std::size_t p = searcher.forward(at_or_after);
            if (p == kNoHit) break;
            hits.push_back(p);
            at_or_after = p + needle.size();
        }
    } else {
        for (std::size_t end = from == kNoHit ? text.size() : from;;) {
            const std::size_t p = searcher.backward(end);
            if (p == kNoHit) break;
            hits.push_back(p);
            end = p;
        }
    }
    return hits;
}

std::string replace_hits(std::string_view text, std::vector<std::size_t> hits,
                         std::size_t needle_length, std::string_view replacement) {
    std::sort(hits.begin(), hits.end());
    std::string out;
    out.reserve(text.size() + hits.size() * replacement.size());
    std::size_t copied = 0;
    for (const std::size_t p : hits) {
        out.append(text.substr(copied, p - copied));
        out.append(replacement);
        copied = p + needle_length;
    }
    out.append(text.substr(copied));
    return out;
}

}  // namespace quillo::textops
