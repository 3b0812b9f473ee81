#pragma once
// UTF-8 text in and out of GBK documents. Reading converts a UTF-8 file into GBK lines, a
// character GBK lacks becoming a question mark as wide as the character ("?" or the full-width
// "？"), so that columns stay where they were. Writing converts GBK lines into UTF-8 without a
// byte-order mark; a byte that is no GBK character becomes "?".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::interop {

// Files above this size are not opened as UTF-8: converting one holds the file, its GBK lines
// and the text box's copy at once, several times the file's size.
inline constexpr std::size_t kMaxUtf8FileBytes = 16u << 20;

// The question mark that stands for a wide character GBK lacks: "？" (U+FF1F).
inline constexpr std::string_view kWideReplacement = "\xA3\xBF";

struct Utf8Reading {
    // Where the bytes stop being UTF-8: the 1-based line and the 0-based offset in the file of
    // the first bad byte. 0 when the text is valid; otherwise nothing else is set.
    int bad_line = 0;
    std::size_t bad_offset = 0;
    // The lines in GBK (CR LF, lone LF and lone CR end a line; a byte-order mark is dropped).
    std::vector<std::string> lines;
    long long replaced = 0;       // characters GBK lacks
    int first_replaced_line = 0;  // 1-based; 0 when none was replaced
};

Utf8Reading read_utf8_text(std::string_view bytes);

// Offset of the first byte that is no part of well-formed UTF-8 (overlong forms, surrogates
// and values past U+10FFFF are not), or npos when all of it is.
std::size_t first_invalid_utf8(std::string_view bytes);

// A file to offer to read as UTF-8: it is UTF-8, holds bytes beyond ASCII, and is no GBK text.
bool looks_like_utf8_text(std::string_view bytes);

struct Utf8Writing {
    std::string bytes;
    long long stray_bytes = 0;  // bytes that were no GBK character, now "?"
    int first_stray_line = 0;   // 1-based; 0 when none
};

// The lines, each followed by `line_end`, as UTF-8.
Utf8Writing write_utf8_text(const std::vector<std::string>& lines, std::string_view line_end);

// Appends one GBK string to `out` as UTF-8 and returns how many of its bytes were no GBK
// character (each written as "?"). With `controls_as_stray`, control bytes (below 0x20, and
// 0x7F) count as such too: a terminal would act on them.
long long append_gbk_as_utf8(std::string_view gbk, std::string& out, bool controls_as_stray);

}  // namespace quillo::interop
