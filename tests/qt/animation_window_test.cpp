// Handing the floating selection to Reelix from the main window: what is written beside the
// program, what is started and what the user is told.
#include <QMouseEvent>

#include "canvas/qt/canvas_widgets.h"
#include "extras/animation_export.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

namespace fs = std::filesystem;

class AnimationWindowTest : public WindowTest {
  protected:
    std::string last_message() const {
        return ui.shown().empty() ? std::string() : ui.shown().back().text;
    }

    fs::path picture(int n) const { return dir / "temp" / ("art_v" + std::to_string(n) + ".txt"); }
};

// The files written and the program started are pinned by animation_export_test.cpp and
// animation_export.qs; here, what the user is told when the hand-over fails.
TEST_F(AnimationWindowTest, ABrokenReelixIsReportedAndThePictureListed) {
    write_file("reelix", "not a program");
    ui.set_desktop_result(false);
    lift_block("art.txt");
    click("pop_mov_file");
    ASSERT_EQ(ui.started().size(), 1u);
    EXPECT_EQ(last_message().rfind("  未能启动Reelix程序“" + (dir / "reelix").string() + "”。", 0),
              0u);
    EXPECT_EQ(file_bytes(dir / "quillo.idx"), picture(1).string() + "\r\n");
}

TEST_F(AnimationWindowTest, AnIndexThatIsAFolderEndsTheCommandWithAMessage) {
    write_file("reelix", "");
    fs::create_directory(dir / "quillo.idx");
    lift_block("art.txt");
    click("pop_mov_file");
    EXPECT_NE(last_message().find("quillo.idx"), std::string::npos);
    EXPECT_NE(last_message().find("It is a folder."), std::string::npos);
    EXPECT_FALSE(fs::exists(picture(1)));
    EXPECT_TRUE(ui.started().empty());
    EXPECT_TRUE(form->write_in_imag->isVisible());
}

}  // namespace
}  // namespace quillo::testing
