#include "textops/scramble.h"

namespace quillo::textops {

namespace {

// Remainder that is never negative, so that no key can count to a place before the first item.
std::int64_t wrap(std::int64_t v, std::int64_t m) {
    const std::int64_t r = v % m;
    return r < 0 ? r + m : r;
}

// The items still in the circle, found by rank in O(log n): erasing from the middle of the
// line at every step would make one long line quadratic.
class Circle {
  public:
    explicit Circle(std::size_t n) : tree_(n + 1, 0), step_(1) {
        for (std::size_t i = 1; i <= n; ++i) {
            tree_[i] += 1;
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= n) tree_[parent] += tree_[i];
        }
        while (step_ * 2 <= n) step_ *= 2;
    }
    // Removes the item of 0-based rank `rank` among those left and returns its position.
    std::uint32_t take(std::size_t rank) {
        std::size_t at = 0;
        std::size_t left = rank;
        for (std::size_t s = step_; s; s /= 2)
            if (at + s < tree_.size() && tree_[at + s] <= left) {
                at += s;
                left -= tree_[at];
            }
        for (std::size_t i = at + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] -= 1;
        return static_cast<std::uint32_t>(at);
    }

  private:
    std::vector<std::uint32_t> tree_;
    std::size_t step_;
};

std::string cells_in_order(std::string_view line, const std::vector<std::uint32_t>& order) {
    std::string out;
    out.reserve(line.size());
    for (const auto j : order) out.append(cell_of(line, j + 1));
    return out;
}

}  // namespace

std::vector<std::uint32_t> column_order(std::size_t count, Key key) {
    std::vector<std::uint32_t> order;
    order.reserve(count);
    Circle circle(count);
    // The first cell taken is cell (K mod c) + 1; each next one is counted on from there.
    std::int64_t rank = 0;
    for (std::size_t left = count; left > 0; --left) {
        const auto m = static_cast<std::int64_t>(left);
        rank = left == count ? wrap(key, m) : wrap(rank + key - 1, m);
        order.push_back(circle.take(static_cast<std::size_t>(rank)));
    }
    return order;
}

std::vector<std::uint32_t> row_order(std::size_t count, Key key) {
    std::vector<std::uint32_t> order;
    order.reserve(count);
    Circle circle(count);
    std::int64_t v = key;
    for (std::size_t left = count; left > 0; --left) {
        const auto m = static_cast<std::int64_t>(left);
        const std::int64_t r = wrap(v, m);
        order.push_back(circle.take(static_cast<std::size_t>(r != 0 ? r - 1 : m - 1)));
        v = key + r - 1;
    }
    return order;
}

std::string scramble_columns(std::string_view line, Key key, bool double_byte) {
    std::string s = align_to_cells(line, double_byte);
    if (s.size() % 2) s.push_back(' ');
    return cells_in_order(s, column_order(s.size() / 2, key));
}

std::string restore_columns(std::string_view line, Key key) {
    const auto order = column_order(cells_in(line.size()), key);
    std::vector<std::string_view> cells(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) cells[order[k]] = cell_of(line, k + 1);
    std::string out;
    out.reserve(line.size());
    for (const auto cell : cells) out.append(cell);
    return out;
}

Lines scramble_columns(Lines text, Key key, bool double_byte) {
    for (auto& line : text) line = scramble_columns(line, key, double_byte);
    return text;
}

Lines restore_columns(Lines text, Key key) {
    for (auto& line : text) line = restore_columns(line, key);
    return text;
}

Lines scramble_rows(Lines text, Key key) {
    const auto order = row_order(text.size(), key);
    Lines out;
    out.reserve(text.size());
    for (const auto i : order) out.push_back(std::move(text[i]));
    return out;
}

Lines restore_rows(Lines text, Key key) {
    const auto order = row_order(text.size(), key);
    Lines out(text.size());
    for (std::size_t k = 0; k < order.size(); ++k) out[order[k]] = std::move(text[k]);
    return out;
}

}  // namespace quillo::textops
