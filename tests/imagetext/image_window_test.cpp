#include "imagetext/image_window.h"

#include <gtest/gtest.h>

#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

TEST(ImageWindow, OpeningStartsAtTheStartingSizeAndTheSlidersFollow) {
    ImageWindow w;
    w.open(testing::gradient(400, 100));
    EXPECT_EQ(w.resolution().width, 42);
    EXPECT_EQ(w.resolution().height, 10);
    EXPECT_EQ(w.width_max(), 192);
    EXPECT_EQ(w.height_max(), 100);
    EXPECT_EQ(w.resolution_hint(), "SIZE:10×42");
    EXPECT_TRUE(w.colour());
    EXPECT_TRUE(w.select_mode());

    w.width_changed(84);  // proportional: 84 / 4
    EXPECT_EQ(w.resolution().width, 84);
    EXPECT_EQ(w.resolution().height, 21);
    EXPECT_EQ(w.height_position(), 21);
    EXPECT_EQ(w.resolution_hint(), "21x84|84Pixels x21Pixels");

    w.set_proportional(false);
    w.width_changed(500);  // clamped to the slider's range
    EXPECT_EQ(w.resolution().width, 192);
    EXPECT_EQ(w.resolution().height, 21);
    w.height_changed(0);  // a slider at 0: an empty resolution image
    EXPECT_TRUE(w.resolution().empty());
    EXPECT_EQ(w.resolution_hint(), "0 x 192|192 pixels x 0 pixels");
    EXPECT_TRUE(w.preview().empty());

    ImageWindow small;
    small.open(testing::gradient(30, 20));
    EXPECT_EQ(small.width_max(), 30);
    EXPECT_EQ(small.height_max(), 20);
    EXPECT_EQ(small.resolution(), small.working());
    const Picture preview = small.preview();
    EXPECT_EQ(preview.width, 240);
    EXPECT_EQ(preview.pixel(17, 9), small.resolution().pixel(2, 1));
}

TEST(ImageWindow, GreyViewStaysOnAcrossSizeChangesUntilToggled) {
    ImageWindow w;
    w.open(testing::gradient(60, 40));
    w.toggle_grey();
    EXPECT_FALSE(w.colour());
    const auto all_grey = [&] {
        for (std::uint32_t p : w.resolution().pixels)
            if (red_of(p) != green_of(p) || green_of(p) != blue_of(p)) return false;
        return true;
    };
    EXPECT_TRUE(all_grey());
    w.width_changed(20);
    EXPECT_TRUE(all_grey());
    w.toggle_grey();
    EXPECT_FALSE(all_grey());
    EXPECT_EQ(w.resolution(), stretch(w.working(), 20, w.height_position()));
    w.toggle_grey();
    w.reopen();  // cancelling the open dialog: colour again, whole picture
    EXPECT_TRUE(w.colour());
    EXPECT_FALSE(all_grey());
}

TEST(ImageWindow, CuttingOutARegion) {
    ImageWindow w;
    w.open(testing::gradient(100, 80));
    EXPECT_TRUE(w.drag_over(50, 40));  // the first movement remembers the start
    EXPECT_TRUE(w.drag_over(10, 10));
    EXPECT_EQ(w.rubber_band().top, (Line{10, 40, 40, 0}));
    EXPECT_EQ(w.rubber_band().bottom, (Line{10, 10, 40, 0}));
    EXPECT_EQ(w.rubber_band().left, (Line{50, 10, 0, 30}));
    EXPECT_EQ(w.rubber_band().right, (Line{10, 10, 0, 30}));
    ASSERT_TRUE(w.end_drag());
    // Inside the lines: (11, 11) to (49, 39), stretched to 40 x 30.
    EXPECT_EQ(w.working(), stretch_region(w.source(), 11, 11, 49, 39, 40, 30));
    EXPECT_EQ(w.working().pixel(0, 0), w.source().pixel(11, 11));
    EXPECT_EQ(w.resolution().width, 37);  // 40 x 28 / 30 = 37.3
    EXPECT_EQ(w.resolution().height, 28);

    // A click (no movement) or a band too thin to hold a pixel cuts nothing.
    const Picture before = w.working();
    w.drag_over(5, 5);
    EXPECT_FALSE(w.end_drag());
    w.drag_over(5, 5);
    w.drag_over(7, 60);
    EXPECT_FALSE(w.end_drag());
    EXPECT_EQ(w.working(), before);

    // Select mode off: the whole picture again, and drags draw no band.
    w.toggle_select();
    EXPECT_FALSE(w.select_mode());
    EXPECT_EQ(w.working(), w.source());
    EXPECT_FALSE(w.drag_over(1, 1));
    EXPECT_FALSE(w.end_drag());
    w.toggle_select();
    EXPECT_TRUE(w.select_mode());
}

}  // namespace
}  // namespace quillo::imagetext
