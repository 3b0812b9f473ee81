#pragma once
// The text gun: the characters of a source text laid one per cell along the pointer's path. A
// feed of at most about 200 bytes is taken from the source lines and consumed from its front;
// it is refilled from where the last fill stopped, and the text repeats without end.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::tools {

// A source line is added to the feed only while the feed stays within this many bytes (a feed
// of fewer than 3 bytes takes the next line whatever its length).
inline constexpr std::size_t kFeedFull = 200;

struct GunFeed {
    std::string bytes;
    std::size_t front = 0;  // bytes at the start of `bytes` already laid; dropping a character
                            // only moves this, so a long line costs nothing per step
    int resume_line = 0;    // first source line (0-based) not yet taken into the feed

    std::string_view text() const { return std::string_view(bytes).substr(front); }
};

// Appends source lines from start_line on, without line breaks, and from the first line again
// at the end of the text, until a line would take the feed past kFeedFull; resume_line is that
// line. A source text without a single byte leaves the feed as it is.
void fill_feed(GunFeed& feed, const std::vector<std::string>& lines, int start_line);

// Set-up and reload: a new feed from the first line, made of whole 2-byte cells in double-byte
// mode. Returns the pen it gives: its first character (2 bytes, or 1).
std::string load_feed(GunFeed& feed, const std::vector<std::string>& lines, bool double_byte);

// One step at a new cell of a press: the feed is refilled when low, then the character laid
// last is dropped. Returns the next pen; nullopt when nothing was dropped (in single-byte mode
// the gun stops before a full-width character, which a 1-byte cell cannot hold).
std::optional<std::string> advance_gun(GunFeed& feed, const std::vector<std::string>& lines,
                                       bool double_byte);

// What the pen row shows of the feed: at most max_bytes from its front, never ending inside a
// full-width character.
std::string_view feed_display(const GunFeed& feed, std::size_t max_bytes);

}  // namespace quillo::tools
