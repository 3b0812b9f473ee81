#include "tools/pen_row.h"

namespace quillo::tools {

std::string load_slot(std::string_view row, int k, bool double_byte) {
    if (k < 1) return {};
    const std::size_t start = static_cast<std::size_t>(3 * k - 3);
    if (start >= row.size()) return {};
    return std::string(row.substr(start, double_byte ? 2 : 1));
}

std::string store_slot(std::string_view row, int k, std::string_view box) {
    if (k < 1) return std::string(row);
    const std::size_t before = static_cast<std::size_t>(3 * k - 3);
    const std::size_t after = static_cast<std::size_t>(3 * k);
    std::string out(row.substr(0, std::min(before, row.size())));
    if (!box.empty() && static_cast<unsigned char>(box[0]) < 129) {
        out += box[0];
        out += "  ";
    } else {
        out += box;
        out += ' ';
    }
    if (after < row.size()) out += row.substr(after);
    return out;
}

}  // namespace quillo::tools
