// Colours in the main window: the colour labels and their dialog, the canvas colours, and the
// colour tools on a canvas wider than 160 cells.
#include <QMouseEvent>
#include <QToolBar>

#include "canvas/qt/canvas_widgets.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

class ColoursWindowTest : public WindowTest {
  protected:
    void stroke(int c, int r) {
        for (auto type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseMove,
                          QEvent::MouseButtonRelease})
            send_mouse(form->Image1, type, cell_centre(false, c, r));
        settle();
    }

    QString style_of(const char* label) const {
        auto* bar = form->commands.tool_bar("TB_color");
        return bar->widgetForAction(form->commands.action(label))->styleSheet();
    }
};

TEST_F(ColoursWindowTest, LabelsChooseBrushAndCanvasColours) {
    start(write_file("a.txt", "abc\n").string());
    click("n_color");

    // Cancel keeps the chosen colour but still takes up the text brush.
    ui.queue_colour(std::nullopt);
    click("Lb_font_color");
    EXPECT_EQ(form->colour_brush_mode, document::kBrushText);
    EXPECT_EQ(form->colours.chosen_text, platform::kClBlack);
    EXPECT_EQ(form->status(3), "无执行命令");  // the tool buttons were reset first
    ui.queue_colour(0x0000FF);
    click("Lb_font_color");
    EXPECT_EQ(form->colours.chosen_text, 0x0000FF);
    EXPECT_TRUE(style_of("Lb_font_color").contains("color: #ff0000"))
        << style_of("Lb_font_color").toStdString();
    ui.queue_colour(0x00FF00);
    click("Lb_back_color");
    EXPECT_EQ(form->colour_brush_mode, document::kBrushBack);
    EXPECT_TRUE(style_of("Lb_back_color").contains("background-color: #00ff00"));
    stroke(2, 1);
    EXPECT_EQ(form->image.pixel(8, 0), 0x00FF00u);

    // The canvas colours: background yellow, text blue (Windows 0x00FFFF and 0xFF0000).
    ui.queue_colour(0x00FFFF);
    click("Lb_map_back_color");
    EXPECT_EQ(form->canvas_back_colour, 0x00FFFF);
    EXPECT_EQ(form->colour_brush_mode, document::kBrushBack);  // labels 3 and 4 keep the brush
    EXPECT_EQ(form->image.pixel(0, 0), 0xFFFF00u);             // "a", uncoloured
    EXPECT_EQ(form->image.pixel(8, 0), 0x00FF00u);             // "b" keeps its own background
    EXPECT_EQ(form->image.pixel(16, 0), 0xFFFF00u);            // "c"
    ui.queue_colour(0xFF0000);
    click("Lb_map_font_color");
    EXPECT_EQ(form->canvas_text_colour, 0xFF0000);
    EXPECT_EQ(form->image.pixel(2, 6), 0x0000FFu);  // ink of "a"
    EXPECT_EQ(form->image.pixel(9, 3), 0x0000FFu);  // ink of "b": no text colour of its own
    // A cancelled canvas colour changes nothing.
    ui.queue_colour(std::nullopt);
    click("Lb_map_back_color");
    EXPECT_EQ(form->canvas_back_colour, 0x00FFFF);

    // Leaving multicolour mode shows the text in the canvas colours only.
    click("n_color");
    EXPECT_EQ(form->colour_brush_mode, 0);
    EXPECT_EQ(form->image.pixel(8, 0), 0xFFFF00u);
    EXPECT_TRUE(form->colours.layer.cell(1, 2).back_set);  // the layer keeps them
}

TEST_F(ColoursWindowTest, TheLastCellOfAFullWideCanvasTakesItsColour) {
    // 255 bytes by 80 rows: more cells than the old 160-cell layer. Clearing and undoing all of
    // them: colour_layer_test.cpp and colour_brush.qs.
    start(write_file("a.txt", "x\n").string(), 2200, 1400);
    ASSERT_EQ(form->canvas.width, 255);
    ASSERT_EQ(form->canvas.height, 80);
    click("n_color");
    ui.queue_colour(0x0000FF);
    click("Lb_back_color");
    stroke(250, 80);
    EXPECT_EQ(form->colours.layer.cell(80, 250), (document::ColourCell{false, true, 0, 0x0000FF}));
    EXPECT_EQ(form->image.pixel(249 * 8, 79 * 16), 0xFF0000u);
}

}  // namespace

}  // namespace quillo::testing
