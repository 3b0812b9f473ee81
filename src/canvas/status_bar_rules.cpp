#include "canvas/status_bar_rules.h"

#include <cstdio>

namespace quillo::canvas {

int status_panel_at(int x) {
    int left = 0;
    for (int i = 0; i < kStatusPanelCount - 1; ++i) {
        left += kStatusPanelWidths[static_cast<std::size_t>(i)];
        if (x < left) return i;
    }
    return kStatusPanelCount - 1;
}

const char* status_hint_at(int x) {
    static constexpr std::array<const char*, kStatusPanelCount> hints{
        "单/双字节模式",  "普通/绘图界面切换", "单色/多色切换",
        "正在进行的操作", "坐标显示",          "当前文件及路径名"};
    return hints[static_cast<std::size_t>(status_panel_at(x))];
}

StatusClick status_click_at(int x) {
    if (x >= 3 && x <= 24) return StatusClick::byte_mode;
    if (x >= 28 && x <= 47) return StatusClick::view_mode;
    if (x >= 50 && x <= 73) return StatusClick::colour_mode;
    return StatusClick::none;
}

std::string coordinate_text(int column, int row) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "X:%2d Y:%2d", column, row);
    return buf;
}

}  // namespace quillo::canvas
