#include "textops/scramble.h"

#include <algorithm>
#include <array>

namespace quillo::textops {

namespace {

// Remainder that is never negative, so that no key can count to a place before the first item.
std::int64_t wrap(std::int64_t v, std::int64_t m) {
    const std::int64_t r = v % m;
    return r < 0 ? r + m : r;
}

// The items still in the circle, found by rank in O(log n): erasing from the middle of the
// line at every step would make one long line quadratic. Reused from line to line.
class Circle {
  public:
    void reset(std::size_t n) {
        tree_.assign(n + 1, 0);
        for (std::size_t i = 1; i <= n; ++i) {
            tree_[i] += 1;
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= n) tree_[parent] += tree_[i];
        }
        step_ = 1;
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
    std::size_t step_ = 1;
};

// A short circle is a plain list; taking an item moves the rest along, which costs less than
// the tree for the few cells of an ordinary line.
class ShortCircle {
  public:
    static constexpr std::size_t kMost = 256;
    void reset(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) left_[i] = static_cast<std::uint8_t>(i);
        size_ = n;
    }
    std::uint32_t take(std::size_t rank) {
        const std::uint32_t item = left_[rank];
        std::copy(left_.begin() + static_cast<std::ptrdiff_t>(rank) + 1,
                  left_.begin() + static_cast<std::ptrdiff_t>(size_),
                  left_.begin() + static_cast<std::ptrdiff_t>(rank));
        --size_;
        return item;
    }

  private:
    std::array<std::uint8_t, kMost> left_{};
    std::size_t size_ = 0;
};

// The first cell taken is cell (K mod c) + 1; each next one is counted on from there.
template <typename Items>
void column_selection(std::size_t count, Key key, Items& circle,
                      std::vector<std::uint32_t>& order) {
    order.clear();
    circle.reset(count);
    std::int64_t rank = 0;
    for (std::size_t left = count; left > 0; --left) {
        const auto m = static_cast<std::int64_t>(left);
        rank = left == count ? wrap(key, m) : wrap(rank + key - 1, m);
        order.push_back(circle.take(static_cast<std::size_t>(rank)));
    }
}

struct Scratch {
    Circle circle;
    ShortCircle short_circle;
    std::vector<std::uint32_t> order;
    std::vector<std::string_view> cells;
};

void fill_column_order(std::size_t count, Key key, Scratch& scratch) {
    if (count <= ShortCircle::kMost)
        column_selection(count, key, scratch.short_circle, scratch.order);
    else
        column_selection(count, key, scratch.circle, scratch.order);
}

std::string scramble_line(std::string_view line, Key key, bool double_byte, Scratch& scratch) {
    std::string aligned;
    const bool align = double_byte || has_full_width_byte(line);
    if (align || line.size() % 2) {
        aligned = align ? align_to_cells(line, double_byte) : std::string(line);
        // A last odd byte gets a space, so that it moves as a whole cell and is kept.
        if (aligned.size() % 2) aligned.push_back(' ');
        line = aligned;
    }
    fill_column_order(line.size() / 2, key, scratch);
    std::string out(line.size(), ' ');
    char* w = out.data();
    for (const auto j : scratch.order) {
        *w++ = line[2 * j];
        *w++ = line[2 * j + 1];
    }
    return out;
}

std::string restore_line(std::string_view line, Key key, Scratch& scratch) {
    fill_column_order(cells_in(line.size()), key, scratch);
    scratch.cells.resize(scratch.order.size());
    for (std::size_t k = 0; k < scratch.order.size(); ++k)
        scratch.cells[scratch.order[k]] = cell_of(line, k + 1);
    std::string out;
    out.reserve(line.size());
    for (const auto cell : scratch.cells) out.append(cell);
    return out;
}

}  // namespace

std::vector<std::uint32_t> column_order(std::size_t count, Key key) {
    Scratch scratch;
    fill_column_order(count, key, scratch);
    return scratch.order;
}

std::vector<std::uint32_t> row_order(std::size_t count, Key key) {
    std::vector<std::uint32_t> order;
    order.reserve(count);
    Circle circle;
    circle.reset(count);
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
    Scratch scratch;
    return scramble_line(line, key, double_byte, scratch);
}

std::string restore_columns(std::string_view line, Key key) {
    Scratch scratch;
    return restore_line(line, key, scratch);
}

Lines scramble_columns(const Lines& text, Key key, bool double_byte) {
    Scratch scratch;
    Lines out;
    out.reserve(text.size());
    for (const auto& line : text) out.push_back(scramble_line(line, key, double_byte, scratch));
    return out;
}

Lines restore_columns(const Lines& text, Key key) {
    Scratch scratch;
    Lines out;
    out.reserve(text.size());
    for (const auto& line : text) out.push_back(restore_line(line, key, scratch));
    return out;
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
