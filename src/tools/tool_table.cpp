#include "tools/tool_table.h"

#include "canvas/canvas_window.h"
#include "platform/errors.h"
#include "tools/fill.h"
#include "tools/points.h"
#include "tools/replace.h"
#include "tools/shapes.h"

namespace quillo::tools {

namespace {

void circle_step(ToolEnv& e, const DragCells& d) {
    circle(e.canvas, d.start, d.end, e.aspect, e.pen);
}
void rectangle_step(ToolEnv& e, const DragCells& d) {
    rectangle(e.canvas, d.start, d.end, e.pen);
}
void line_step(ToolEnv& e, const DragCells& d) {
    line(e.canvas, d.start, d.end, e.pen);
}
void freehand_step(ToolEnv& e, const DragCells& d) {
    freehand_cell(e.canvas, d.end, e.pen);
}
// The gun takes the next character of its feed, then draws like freehand.
void gun_step(ToolEnv& e, const DragCells& d) {
    if (e.gun && e.source) {
        if (auto pen = advance_gun(*e.gun, *e.source, e.canvas.double_byte)) {
            e.gun_pen = std::move(pen);
            e.pen = *e.gun_pen;
        }
    }
    freehand_cell(e.canvas, d.end, e.pen);
}
void random_cell_step(ToolEnv& e, const DragCells&) {
    random_step(e);
}
void point_step(ToolEnv& e, const DragCells& d) {
    single_point(e.canvas, d.end, e.pen);
}

bool replace_click(ToolEnv& e, Cell at) {
    const std::string c = clicked_character(e.canvas, at);
    if (c.empty()) return false;
    replace_all(e.canvas, c, e.pen);
    return true;
}
bool fill_click(ToolEnv& e, Cell at) {
    const std::string c = clicked_character(e.canvas, at);
    if (c.empty()) return false;
    fill(e.canvas, at, c, e.pen);
    return true;
}

void scatter_and_commit(ToolEnv& e, int n) {
    auto& c = e.canvas;
    random_scatter(c, c.height, c.width, n, e.pen, c.double_byte, e.rng);
    canvas::copy_layer(c, canvas::kWorking, canvas::kCommitted);
}

}  // namespace

const std::array<ToolRow, kToolCount>& tool_table() {
    using P = ParamBox;
    static const std::array<ToolRow, kToolCount> table{{
        // Replace and fill work on the click alone: a stamp on the pressed cell would change the
        // very character the click then reads.
        {1, "sb1_replace", "n_replce", "取代字符", P::none, false, nullptr, replace_click},
        {2, "sb1_fill", "n_fill", "填充字符", P::none, false, nullptr, fill_click},
        {3, "sb1_move", "n_move", "剪切移动", P::none, false, nullptr},
        {4, "sb1_drag", "n_copy", "复制移动", P::none, false, nullptr},
        {5, "sb2_circle", "n_circle", "画圆形", P::aspect_ratio, true, circle_step},
        {6, "sb2_certage", "n_rectangel", "画矩形", P::none, true, rectangle_step},
        {7, "sb2_line", "n_line", "画直线", P::none, true, line_step},
        {8, "sb2_gun", "n_gun", "文字机枪", P::none, true, gun_step},
        {9, "sb2_draw", "n_free", "画随意线", P::none, true, freehand_step},
        {10, "", "n_arc", "", P::none, true, nullptr},
        {11, "sb2_ram", "n_ram", "随机点", P::random_count, true, random_cell_step},
        {12, "sb2_dot", "n_point", "画单点", P::none, true, point_step},
        {13, "sb2_type_v", "n_text_v", "竖向输入", P::none, false, nullptr},
        {14, "sb2_type_h", "n_text_h", "横向输入", P::none, false, nullptr},
    }};
    return table;
}

const ToolRow* tool_row(int n) {
    if (n < 1 || n > kToolCount) return nullptr;
    return &tool_table()[static_cast<std::size_t>(n - 1)];
}

int random_count(std::string_view text) {
    return platform::str_to_int(text);
}

void random_step(ToolEnv& e) {
    const int n = random_count(e.random_count);
    canvas::store_window(e.canvas, e.doc, e.canvas.scroll);
    scatter_and_commit(e, n);
}

void random_tool_selected(ToolEnv& e) {
    const int n = random_count(e.random_count);
    canvas::copy_layer(e.canvas, canvas::kCommitted, canvas::kUndo);
    canvas::store_window(e.canvas, e.doc, e.canvas.scroll);
    scatter_and_commit(e, n);
}

}  // namespace quillo::tools
