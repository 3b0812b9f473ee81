// The floating selection's clipboard commands as the user sees them: the block's image follows
// its text, and characters GBK lacks are pasted as "?" with a word to the user.
#include <QMouseEvent>

#include "canvas/qt/canvas_widgets.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

class ClipboardWindowTest : public WindowTest {
  protected:
    // Pixels of the block's image in the canvas text colour.
    int inked_pixels() {
        const platform::Raster& r = form->write_in_imag->raster();
        int n = 0;
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) == 0x000000;
        return n;
    }
};

TEST_F(ClipboardWindowTest, TheBlocksImageFollowsItsText) {
    lift_block();
    EXPECT_GT(inked_pixels(), 0);
    click("pop_clear");
    EXPECT_EQ(inked_pixels(), 0);
    ui.set_clipboard_text("x");
    click("pop_paste_same");
    const int one_letter = inked_pixels();
    EXPECT_GT(one_letter, 0);
    ui.set_clipboard_text("xx\nxx");
    click("pop_paste");
    EXPECT_EQ(inked_pixels(), 4 * one_letter);
    EXPECT_EQ(row(canvas::kSelection, 2), "xx ");
}

TEST_F(ClipboardWindowTest, CharactersGbkLacksArePastedAsQuestionMarks) {
    lift_block();
    // An emoticon and a Thai letter from another program.
    ui.set_clipboard_text("a\xF0\x9F\x98\x80\xE0\xB8\x81");
    click("pop_paste_same");
    EXPECT_EQ(row(canvas::kSelection, 1), "a??");
    const auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "剪贴板文本中有 2 个字符在GBK中没有，已换成“?”。");
}

}  // namespace
}  // namespace quillo::testing
