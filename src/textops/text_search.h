#pragma once
// Finding text in the document, as the find and replace dialogs search it: forward or backward,
// with or without case, whole words or anywhere. A hit always starts and ends on a character
// boundary, so a search never finds bytes inside a full-width character.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::textops {

inline constexpr std::size_t kNoHit = static_cast<std::size_t>(-1);

struct SearchOptions {
    bool down = true;
    bool match_case = false;
    bool whole_word = false;
};

// Word characters for whole-word matching: ASCII digits, letters and the underscore.
inline bool is_word_byte(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
}

// Where the character starting at `i` ends: a valid GBK pair is two bytes, everything else one
// (as the text box shows the bytes).
std::size_t next_character(std::string_view text, std::size_t i);

// Finds `needle` in `haystack`, which starts on a character boundary. Forward: the first hit;
// backward: the last one. With whole_word a hit counts only when the characters beside it,
// within the haystack, are no word characters; after a rejected hit the search goes on past it
// (forward) or before it (backward), so hits never overlap. Without match_case ASCII letters
// match either case; the bytes of full-width characters always match exactly. An empty needle
// finds nothing.
std::size_t find_text(std::string_view haystack, std::string_view needle,
                      const SearchOptions& options);

// Every hit that "replace all" replaces, in the order the replacements happen. Forward: from
// `from` (kNoHit: the whole text), each search starting after the previous hit. Backward: before
// `from`, each search ending where the previous hit began.
std::vector<std::size_t> replace_all_hits(std::string_view text, std::size_t from,
                                          std::string_view needle, const SearchOptions& options);

// The text with every hit (as above, any order) replaced, built in one pass.
std::string replace_hits(std::string_view text, std::vector<std::size_t> hits,
                         std::size_t needle_length, std::string_view replacement);

}  // namespace quillo::textops
