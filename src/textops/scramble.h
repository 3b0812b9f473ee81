#pragma once
// Scrambling of the text under a numeric key, and its restoring: the cells of each line, or the
// order of the lines, are taken from a circle by counting on with the key. The same key and the
// same text shape give the text back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "textops/text_lines.h"

namespace quillo::textops {

inline constexpr const char* kScrambleCaption = "输入数字密码";
inline constexpr const char* kScramblePrompt = "输入小于9位的数字密码，如果忘记密码，文章无法复原";
inline constexpr const char* kScrambleDefaultKey = "1234567";
inline constexpr const char* kRestoreCaption = "输入还原密码";
inline constexpr const char* kRestorePrompt = "输入小于9位的数字密码，如果密码错误，文章会被破坏！";
inline constexpr const char* kKeyNotPositiveMessage = "数字密码必须大于0！";

// Keys are 32-bit numbers typed by the user; the counting is done in 64 bits so that no key
// overflows. Keys below 1 are refused by the commands; here they still stay within range.
using Key = std::int64_t;

// The order in which `count` items are taken: element t is the 0-based original position of
// the t-th item taken.
std::vector<std::uint32_t> column_order(std::size_t count, Key key);
std::vector<std::uint32_t> row_order(std::size_t count, Key key);

// Scrambles the cells of one line. The line is aligned to cells first (see align_to_cells); a
// line of odd length gets one space so that its last byte moves as a whole cell and is kept.
std::string scramble_columns(std::string_view line, Key key, bool double_byte);
// Puts the cells of a scrambled line back (a last odd byte counts as a cell).
std::string restore_columns(std::string_view line, Key key);

Lines scramble_columns(const Lines& text, Key key, bool double_byte);
Lines restore_columns(const Lines& text, Key key);
Lines scramble_rows(Lines text, Key key);
Lines restore_rows(Lines text, Key key);

}  // namespace quillo::textops
