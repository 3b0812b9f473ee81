#include "textops/scramble.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace quillo::textops {
namespace {

// The scrambling exactly as described: bytes taken out of the line one cell at a time.
std::string described_scramble(std::string s, std::int64_t key) {
    std::int64_t p = 1;
    std::string out;
    const std::size_t rounds = s.size() / 2;
    for (std::size_t i = 0; i < rounds; ++i) {
        const auto m = static_cast<std::int64_t>(s.size());
        const std::int64_t q = (p + 2 * key) % m;
        out += s.substr(static_cast<std::size_t>(q - 1), 2);
        s.erase(static_cast<std::size_t>(q - 1), 2);
        p = q - 2;
    }
    return out;
}

Lines described_row_scramble(Lines lines, std::int64_t key) {
    Lines out;
    std::int64_t v = key;
    for (auto m = static_cast<std::int64_t>(lines.size()); m > 0; --m) {
        const std::int64_t r = v % m;
        const std::int64_t i = r != 0 ? r : m;
        out.push_back(lines[static_cast<std::size_t>(i - 1)]);
        lines.erase(lines.begin() + (i - 1));
        v = key + r - 1;
    }
    return out;
}

std::string cells(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += static_cast<char>('A' + i % 26);
        s += static_cast<char>('a' + i / 26 % 26);
    }
    return s;
}

TEST(Scramble, RowsWithSmallKeys) {
    EXPECT_EQ(scramble_rows({"1", "2", "3"}, 1), (Lines{"1", "2", "3"}));
    EXPECT_EQ(scramble_rows({"1", "2", "3"}, 2), (Lines{"2", "1", "3"}));
    EXPECT_EQ(scramble_rows({"only"}, 99), (Lines{"only"}));
    EXPECT_EQ(scramble_rows({""}, 5), (Lines{""}));
}

TEST(Scramble, SameOrdersAsTheStepByStepDescription) {
    const std::int64_t keys[] = {1, 2, 3, 7, 13, 100, 1234567, 99999999, INT_MAX};
    for (const auto key : keys) {
        for (int n : {1, 2, 3, 5, 8, 31, 64, 100, 256, 257, 700}) {
            const std::string line = cells(n);
            EXPECT_EQ(scramble_columns(line, key, false), described_scramble(line, key))
                << "key " << key << ", " << n << " cells";
            Lines rows;
            for (int i = 0; i < n; ++i) rows.push_back(std::to_string(i));
            EXPECT_EQ(scramble_rows(rows, key), described_row_scramble(rows, key))
                << "key " << key << ", " << n << " lines";
        }
    }
}

TEST(Scramble, RestoreGivesTheBytesBackForManyKeysAndShapes) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const std::int64_t key = round < 3 ? INT_MAX - round : 1 + random() % 100000000;
        Lines text;
        const int n = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i) text.push_back(cells(static_cast<int>(random() % 60)));
        const Lines columns = scramble_columns(text, key, round % 2 == 0);
        EXPECT_EQ(restore_columns(columns, key), text) << "key " << key;
        const Lines rows = scramble_rows(text, key);
        EXPECT_EQ(restore_rows(rows, key), text) << "key " << key;
    }
}

TEST(Scramble, OddLinesKeepTheirLastByte) {
    const std::string line = "abcdefg";
    const std::string scrambled = scramble_columns(line, 3, false);
    EXPECT_EQ(scrambled.size(), 8u);
    EXPECT_EQ(restore_columns(scrambled, 3), "abcdefg ");
    // In double-byte mode "a中b" is aligned to "a 中b" (5 bytes): the b stays too.
    const std::string wide = scramble_columns(
        "a\xD6\xD0"
        "b",
        2, true);
    EXPECT_EQ(restore_columns(wide, 2),
              "a \xD6\xD0"
              "b ");
}

TEST(Scramble, WholeCharactersMoveNeverHalves) {
    for (const bool double_byte : {true, false}) {
        const std::string line = "x\xD6\xD0\xCE\xC4y\xB2\xE2";  // x中文y测
        for (std::int64_t key = 1; key < 30; ++key) {
            const std::string s = scramble_columns(line, key, double_byte);
            ASSERT_EQ(s.size() % 2, 0u);
            for (std::size_t i = 0; i < s.size(); i += 2) {
                if (static_cast<unsigned char>(s[i + 1]) >= 0x80) {
                    EXPECT_GE(static_cast<unsigned char>(s[i]), 0x80) << "key " << key;
                }
            }
        }
    }
    EXPECT_EQ(scramble_columns("ab", 5, false), "ab");
    EXPECT_EQ(scramble_columns("\xD6\xD0", 5, true), "\xD6\xD0");
}

TEST(Scramble, KeysBelowOneStayInRange) {
    for (const std::int64_t key : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{INT_MIN}}) {
        for (std::size_t n : {1u, 2u, 5u, 17u}) {
            auto order = column_order(n, key);
            std::sort(order.begin(), order.end());
            for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(order[i], i);
            order = row_order(n, key);
            std::sort(order.begin(), order.end());
            for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(order[i], i);
        }
    }
}

}  // namespace
}  // namespace quillo::textops
