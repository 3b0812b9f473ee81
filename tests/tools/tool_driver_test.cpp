#include "tools/tool_driver.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tool_canvas.h"

namespace quillo::tools {
namespace {

using testing::blank_canvas;
using testing::count_marks;
using testing::marks;
using V = std::vector<int>;

struct Rig {
    canvas::CanvasState c = blank_canvas(20, 10);
    document::Document doc;
    platform::Random rng{42};
    std::string count = "1";
    ToolEnv env{c, doc, rng, "#", 2.0, count};
    DragCells d;
    bool pressed = false;

    CellStep move(int tool, Cell at) {
        d.mouse = at;
        return dispatch_cell(d, tool, pressed, 0, env);
    }
    bool press(int tool, Cell at) {
        d.mouse = at;
        return tool_press(d, tool, 0, pressed);
    }
    void release(int tool) {
        if (tool_release(tool, 0, pressed))
            canvas::copy_layer(c, canvas::kWorking, canvas::kCommitted);
    }
};

TEST(CellAt, PixelsToCellsAndFarPointers) {
    EXPECT_EQ(cell_at(15, 16, false), (Cell{2, 2}));
    EXPECT_EQ(cell_at(31, 0, true), (Cell{2, 1}));
    EXPECT_EQ(cell_at(32, 0, true), (Cell{3, 1}));
    EXPECT_EQ(cell_at(-20, -1, false), (Cell{-1, 1}));  // truncating division
    EXPECT_EQ(cell_at(2'000'000'000, -2'000'000'000, false), (Cell{kFarCell, -kFarCell}));
}

TEST(Dispatch, PressMoveReleaseWithinOneCellLaysOnePen) {
    Rig t;
    EXPECT_TRUE(t.press(7, {4, 4}));
    EXPECT_EQ(t.move(7, {4, 4}), CellStep::stamp);
    EXPECT_EQ(t.move(7, {4, 4}), CellStep::same_cell);  // back and forth in one cell
    t.release(7);
    EXPECT_EQ(count_marks(t.c), 1);
    EXPECT_EQ(marks(t.c, 4), V{4});

    // No press: moves do nothing.
    EXPECT_EQ(t.move(7, {8, 8}), CellStep::idle);
    // No tool: a press does not count.
    EXPECT_FALSE(t.press(0, {8, 8}));
    EXPECT_FALSE(t.pressed);
}

TEST(Dispatch, LastCellSurvivesAPress) {
    Rig t;
    t.press(7, {2, 2});
    t.move(7, {2, 2});
    t.move(7, {6, 2});  // the line 2..6
    t.release(7);
    EXPECT_EQ(marks(t.c, 2), (V{2, 3, 4, 5, 6}));
    // A press and release on the cell where the last one ended lays nothing.
    t.press(7, {6, 2});
    EXPECT_EQ(t.move(7, {6, 2}), CellStep::same_cell);
    t.release(7);
    EXPECT_EQ(count_marks(t.c), 5);
    // A press on another cell stamps at once.
    t.press(12, {6, 5});
    t.move(12, {6, 5});
    EXPECT_EQ(marks(t.c, 5), V{6});
}

TEST(Dispatch, ShapesRedrawFromTheCommittedLayer) {
    Rig t;
    t.press(6, {1, 1});
    t.move(6, {1, 1});
    t.move(6, {5, 5});
    t.move(6, {3, 3});  // shrinking: the bigger outline goes
    EXPECT_EQ(count_marks(t.c), 8);
    t.release(6);
    EXPECT_EQ(marks(t.c, 3), (V{1, 2, 3}));
    EXPECT_EQ(t.c.layers.row(canvas::kCommitted, 3), t.c.layers.row(canvas::kWorking, 3));

    // Freehand keeps its trail; skipped cells stay empty.
    Rig f;
    f.press(9, {1, 8});
    f.move(9, {1, 8});
    f.move(9, {2, 8});
    f.move(9, {5, 8});
    EXPECT_EQ(marks(f.c, 8), (V{1, 2, 5}));

    // The point tool: press, move away, release: only the release cell holds the new point.
    Rig p;
    p.press(12, {2, 2});
    p.move(12, {2, 2});
    p.move(12, {4, 4});
    p.move(12, {7, 7});
    p.release(12);
    EXPECT_EQ(count_marks(p.c), 1);
    EXPECT_EQ(marks(p.c, 7), V{7});
}

TEST(Dispatch, ArcItemStampsOnlyAndSomeToolsNeverStamp) {
    Rig t;
    t.press(10, {3, 3});
    t.move(10, {3, 3});
    t.move(10, {8, 3});
    t.move(10, {8, 8});
    t.release(10);
    EXPECT_EQ(count_marks(t.c), 1);
    EXPECT_EQ(marks(t.c, 3), V{3});
    for (int tool : {3, 4, 13, 14}) {
        Rig s;
        s.press(tool, {3, 3});
        EXPECT_EQ(s.move(tool, {3, 3}), CellStep::stamp);
        EXPECT_EQ(count_marks(s.c), 0) << tool;
    }
}

TEST(RandomTool, BadCountChangesNothingAndSelectionIsUndoable) {
    Rig t;
    t.doc.lines = {"x"};
    canvas::load_window(t.c, t.doc, t.c.height);
    canvas::copy_layer(t.c, canvas::kCommitted, canvas::kWorking);
    canvas::copy_layer(t.c, canvas::kCommitted, canvas::kUndo);
    const std::string before = t.c.layers.row(canvas::kCommitted, 1);
    t.c.layers.row(canvas::kUndo, 2) = "undo row";
    t.count = "abc";
    t.env.random_count = t.count;
    try {
        random_tool_selected(t.env);
        FAIL() << "no conversion error";
    } catch (const platform::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(t.c.layers.row(canvas::kUndo, 2), "undo row");
    EXPECT_EQ(count_marks(t.c), 0);

    t.count = "25";
    t.env.random_count = t.count;
    random_tool_selected(t.env);
    EXPECT_GT(count_marks(t.c), 0);
    // Scattered points are committed at once; the undo layer holds the canvas before them.
    for (int r = 1; r <= t.c.height; ++r)
        EXPECT_EQ(t.c.layers.row(canvas::kWorking, r), t.c.layers.row(canvas::kCommitted, r));
    EXPECT_EQ(t.c.layers.row(canvas::kUndo, 1), before);
    EXPECT_EQ(t.doc.lines.at(0), "x");
}

}  // namespace
}  // namespace quillo::tools
