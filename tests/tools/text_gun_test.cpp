#include "tools/text_gun.h"

#include <gtest/gtest.h>

namespace quillo::tools {
namespace {

using Lines = std::vector<std::string>;

// The pens the gun gives: the one at set-up, then one per new cell.
std::string spray(GunFeed& f, const Lines& lines, bool twin, int steps) {
    std::string laid = load_feed(f, lines, twin);
    for (int i = 0; i < steps; ++i) {
        const auto pen = advance_gun(f, lines, twin);
        if (!pen) break;
        laid += *pen;
    }
    return laid;
}

std::string repeated(const std::string& unit, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) out += unit;
    return out.substr(0, bytes);
}

TEST(GunFeed, ShortTextRepeatsUpTo200Bytes) {
    GunFeed f;
    fill_feed(f, {"ab"}, 0);
    EXPECT_EQ(f.text(), repeated("ab", 200));
    EXPECT_EQ(f.resume_line, 0);
    // Two lines: whole lines only, without separators; the feed stops before the line that
    // would pass 200 bytes, and the refill resumes there.
    GunFeed g;
    fill_feed(g, {"abc", "defg"}, 0);
    EXPECT_EQ(g.text(), repeated("abcdefg", 28 * 7) + "abc");
    EXPECT_EQ(g.resume_line, 1);
    // A start line beyond the text wraps round to the first line.
    GunFeed h;
    fill_feed(h, {"abc", "defg"}, 9);
    EXPECT_EQ(h.text().substr(0, 7), "abcdefg");
}

TEST(GunFeed, LongLineIsTakenWholeAtTheStartOfAnEmptyFeed) {
    const std::string long_line(300, 'x');
    GunFeed f;
    fill_feed(f, {long_line, "yy"}, 0);
    EXPECT_EQ(f.text(), long_line);
    EXPECT_EQ(f.resume_line, 1);
    // A line of a megabyte is taken too, and each step costs the same: the feed is consumed by
    // moving its front, and the pen row shows only its beginning.
    const Lines huge{std::string(1 << 20, 'z'), "end"};
    GunFeed g;
    EXPECT_EQ(spray(g, huge, false, 5000), std::string(5001, 'z'));
    EXPECT_EQ(g.text().size(), (1u << 20) - 5000);
    EXPECT_EQ(feed_display(g, 510).size(), 510u);
}

TEST(GunFeed, SourceWithoutACharacterGivesAnEmptyPenAndEnds) {
    for (const Lines& lines : {Lines{}, Lines{"", "", ""}, Lines(100000, "")}) {
        for (bool twin : {false, true}) {
            GunFeed f;
            EXPECT_EQ(load_feed(f, lines, twin), "");
            EXPECT_EQ(f.text(), "");
            const auto pen = advance_gun(f, lines, twin);
            EXPECT_EQ(pen.value_or(""), "");
        }
    }
    // Many empty lines around one character: the text still repeats to a full feed.
    Lines sparse(100000, "");
    sparse[50000] = "q";
    GunFeed f;
    fill_feed(f, sparse, 0);
    EXPECT_EQ(f.text(), std::string(200, 'q'));
}

TEST(TextGun, LaysTheTextOnePenPerCellWithoutEnd) {
    // The stream of pens is the text over and over, across every refill.
    const Lines lines{"abc", "defg"};
    GunFeed f;
    EXPECT_EQ(spray(f, lines, false, 999), repeated("abcdefg", 1000));
    // Double-byte mode: 2-byte pens; a half-width letter before a full-width character is
    // laid with a space (the feed is made of whole cells).
    const Lines chinese{"\xD6\xD0\xCE\xC4", "ab", "c\xD7\xD6"};
    GunFeed g;
    const std::string unit =
        "\xD6\xD0\xCE\xC4"
        "abc \xD7\xD6";
    EXPECT_EQ(spray(g, chinese, true, 199), repeated(unit, 400).substr(0, 400));
}

TEST(TextGun, SingleByteModeStopsBeforeAFullWidthCharacter) {
    const Lines lines{"ab\xD6\xD0"};
    GunFeed f;
    EXPECT_EQ(load_feed(f, lines, false), "a");
    EXPECT_EQ(advance_gun(f, lines, false), std::optional<std::string>("b"));
    EXPECT_EQ(advance_gun(f, lines, false), std::nullopt);  // "b" is laid again and again
    EXPECT_EQ(advance_gun(f, lines, false), std::nullopt);
    EXPECT_EQ(f.text().substr(0, 1), "b");
}

TEST(TextGun, DisplayNeverEndsInsideACharacter) {
    GunFeed f;
    f.bytes = "a\xD6\xD0\xCE\xC4";
    EXPECT_EQ(feed_display(f, 4), "a\xD6\xD0");
    EXPECT_EQ(feed_display(f, 5), "a\xD6\xD0\xCE\xC4");
    f.bytes = "a\xD6";  // a lead byte cut off at the end of the text
    EXPECT_EQ(feed_display(f, 9), "a\xD6");
}

}  // namespace
}  // namespace quillo::tools
