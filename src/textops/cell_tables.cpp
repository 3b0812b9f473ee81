#include "textops/cell_tables.h"

namespace quillo::textops {

CellTable::CellTable(const std::vector<CellRule>& rules) : index_(65536, 0) {
    for (const auto& rule : rules) {
        becomes_.push_back(rule.becomes);
        const auto slot = static_cast<std::uint16_t>(becomes_.size());
        for (const char* cell : rule.replaced) {
            auto& s = index_[key(std::string_view(cell, 2))];
            if (s == 0) s = slot;  // an earlier rule wins
        }
    }
}

// Half-width marks appear as a mark and a space in one cell, in either order, because
// half-width characters are padded to whole cells.
const std::vector<CellRule>& vertical_punctuation_rules() {
    static const std::vector<CellRule> rules{
        {"\xA6\xE7", {"\xA1\xB7"}},                          // ︾ <- 》
        {"\xA6\xE6", {"\xA1\xB6"}},                          // ︽ <- 《
        {"\xA6\xE9", {"\xA1\xAF", "' "}},                    // ﹂ <- ’
        {"\xA6\xE8", {"\xA1\xAE", " '"}},                    // ﹁ <- ‘
        {"\xA6\xEA", {"\xA1\xB0", " \""}},                   // ﹃ <- “
        {"\xA6\xEB", {"\xA1\xB1", "\" "}},                   // ﹄ <- ”
        {"\xA9\x74", {"\xA3\xBF", "? ", " ?"}},              // ﹖ <- ？
        {"\xA9\x75", {"\xA3\xA1", "! ", " !"}},              // ﹗ <- ！
        {"\xA9\x71", {"\xA1\xA3", ". ", " .", "\xA1\xA4"}},  // ﹒ <- 。 ·
        {"\xA9\x6F", {"\xA3\xAC", ", ", " ,"}},              // ﹐ <- ，
        {"\xA6\xE4", {"\xA1\xB4", "< ", " <"}},              // ︿ <- 〈
        {"\xA6\xE5", {"\xA1\xB5", "> ", " >"}},              // ﹀ <- 〉
        {"\xA6\xE0", {"\xA3\xA8", "\xA9\x76", "( ", " ("}},  // ︵ <- （ ﹙
        {"\xA6\xE1", {"\xA3\xA9", "\xA9\x77", ") ", " )"}},  // ︶ <- ） ﹚
        {"\xA6\xF0", {"\xA3\xFB", "{ ", " {"}},              // ︷ <- ｛
        {"\xA6\xF1", {"\xA3\xFD", "} ", " }"}},              // ︸ <- ｝
        {"\xA1\xA7", {" :", ": ", "\xA1\xC3"}},              // ¨ <- ∶
        {"\xA6\xF2", {"\xA1\xAA"}},                          // ︱ <- —
        {"\xA6\xF5", {"\xA1\xAB"}},                          // ︴ <- ～
        {"\xA6\xEE", {"\xA1\xBE"}},                          // ︻ <- 【
        {"\xA6\xEF", {"\xA1\xBF"}},                          // ︼ <- 】
        {"\xA9\xAB", {"\xA1\xAD"}},                          // ┇ <- …
        {"\xA6\xE2", {" [", "[ "}},                          // ︹
        {"\xA6\xE3", {" ]", "] "}},                          // ︺
        {"\xA6\xF4", {" _", "_ "}},                          // ︳
    };
    return rules;
}

// Not the inverse of the vertical table: brackets come back as 〔〕, half-width marks as
// full-width ones, except the square brackets and the underscore.
const std::vector<CellRule>& horizontal_punctuation_rules() {
    static const std::vector<CellRule> rules{
        {"\xA1\xB0", {"\xA6\xEA"}},  // “ <- ﹃
        {"\xA1\xB1", {"\xA6\xEB"}},  // ” <- ﹄
        {"\xA1\xAE", {"\xA6\xE8"}},  // ‘ <- ﹁
        {"\xA1\xAF", {"\xA6\xE9"}},  // ’ <- ﹂
        {"\xA1\xB7", {"\xA6\xE7"}},  // 》 <- ︾
        {"\xA1\xB6", {"\xA6\xE6"}},  // 《 <- ︽
        {"\xA1\xB4", {"\xA6\xE4"}},  // 〈 <- ︿
        {"\xA1\xB5", {"\xA6\xE5"}},  // 〉 <- ﹀
        {"\xA1\xB2", {"\xA6\xE0"}},  // 〔 <- ︵
        {"\xA1\xB3", {"\xA6\xE1"}},  // 〕 <- ︶
        {"\xA1\xAA", {"\xA6\xF2"}},  // — <- ︱
        {"\xA1\xAB", {"\xA6\xF5"}},  // ～ <- ︴
        {"\xA3\xFB", {"\xA6\xF0"}},  // ｛ <- ︷
        {"\xA3\xFD", {"\xA6\xF1"}},  // ｝ <- ︸
        {"\xA1\xBE", {"\xA6\xEE"}},  // 【 <- ︻
        {"\xA1\xBF", {"\xA6\xEF"}},  // 】 <- ︼
        {"\xA3\xBF", {"\xA9\x74"}},  // ？ <- ﹖
        {"\xA3\xA1", {"\xA9\x75"}},  // ！ <- ﹗
        {"\xA1\xA3", {"\xA9\x71"}},  // 。 <- ﹒
        {"\xA3\xAC", {"\xA9\x6F"}},  // ， <- ﹐
        {"\xA1\xAD", {"\xA9\xAB"}},  // … <- ┇
        {" [", {"\xA6\xE2"}},        // <- ︹
        {"] ", {"\xA6\xE3"}},        // <- ︺
        {"_ ", {"\xA6\xF4"}},        // <- ︳
        {"\xA1\xC3", {"\xA1\xA7"}},  // ∶ <- ¨
    };
    return rules;
}

const std::vector<CellRule>& mirror_pair_rules() {
    static const std::vector<CellRule> rules{
        {"\xA1\xB6", {"\xA1\xB7"}},                          // 《 <- 》
        {"\xA1\xB7", {"\xA1\xB6"}},                          // 》 <- 《
        {"\xA1\xAE", {"\xA1\xAF", "' "}},                    // ‘ <- ’
        {"\xA1\xAF", {"\xA1\xAE", " '"}},                    // ’ <- ‘
        {"\xA1\xB1", {"\xA1\xB0", " \""}},                   // ” <- “
        {"\xA1\xB0", {"\xA1\xB1", "\" "}},                   // “ <- ”
        {"\xA1\xB5", {"\xA1\xB4", "< ", " <"}},              // 〉 <- 〈
        {"\xA1\xB4", {"\xA1\xB5", "> ", " >"}},              // 〈 <- 〉
        {"\xA3\xA9", {"\xA3\xA8", "\xA9\x76", "( ", " ("}},  // ） <- （ ﹙
        {"\xA3\xA8", {"\xA3\xA9", "\xA9\x77", ") ", " )"}},  // （ <- ） ﹚
        {"\xA3\xFD", {"\xA3\xFB", "{ ", " {"}},              // ｝ <- ｛
        {"\xA3\xFB", {"\xA3\xFD", "} ", " }"}},              // ｛ <- ｝
        {"\xA1\xBF", {"\xA1\xBE"}},                          // 】 <- 【
        {"\xA1\xBE", {"\xA1\xBF"}},                          // 【 <- 】
        {"] ", {" [", "[ "}},
        {" [", {" ]", "] "}},
    };
    return rules;
}

const CellTable& vertical_punctuation() {
    static const CellTable table(vertical_punctuation_rules());
    return table;
}
const CellTable& horizontal_punctuation() {
    static const CellTable table(horizontal_punctuation_rules());
    return table;
}
const CellTable& mirror_pairs() {
    static const CellTable table(mirror_pair_rules());
    return table;
}

std::string map_punctuation(std::string line, const CellTable& table) {
    for (std::size_t i = 0; i + 1 < line.size(); i += 2)
        if (const char* to = table.find(std::string_view(line).substr(i, 2))) {
            line[i] = to[0];
            line[i + 1] = to[1];
        }
    return line;
}

std::string_view mirror_cell(std::string_view cell) {
    const char* to = mirror_pairs().find(cell);
    return to ? std::string_view(to, 2) : cell;
}

}  // namespace quillo::textops
