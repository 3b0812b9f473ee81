// The text menu through the main window, where the scripts cannot reach: a result too large to
// build is refused and the text stays byte for byte. (The commands themselves, "恢复", the
// scrambling keys and find and replace are driven through the real window by the scripts
// text_direction.qs, text_blank_space.qs, text_scramble.qs and text_find_replace.qs.)
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {
namespace {

using Lines = std::vector<std::string>;

class TextMenuTest : public WindowTest {
  protected:
    Lines lines() { return form->document_for_reading().lines; }

    std::vector<std::string> messages() { return message_texts(ui); }
};

// A mirror that would right-align 250 lines to a line of 300 000 bytes is refused whole.
TEST_F(TextMenuTest, ResultsTooWideLeaveTheTextByteForByte) {
    std::string text(300000, 'w');
    text += "\r\n";
    for (int i = 0; i < 250; ++i) text += "a\tb\x80\r\n";
    start(write_file("doc.txt", text).string());
    if (!form->normal_mode()) click("n_view");
    ASSERT_TRUE(form->normal_mode());
    ui.take_shown();
    const Lines before = lines();
    click("n_mirr_txt");
    EXPECT_EQ(messages(), (std::vector<std::string>{"文章过宽,不能执行!"}));
    EXPECT_EQ(lines(), before);  // tabs not expanded either
    EXPECT_TRUE(form->commands.effectively_enabled("n_undo_txt"));
    click("n_h2v_txt");  // 300 000 bytes would become 150 000 lines
    EXPECT_EQ(messages(), (std::vector<std::string>{"文章过宽,不能执行!"}));
    EXPECT_EQ(lines(), before);
}

}  // namespace
}  // namespace quillo::testing
