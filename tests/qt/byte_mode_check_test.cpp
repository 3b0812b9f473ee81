// The automatic single/double-byte check (setting ascii_check): never while the program starts,
// once per entry into drawing mode, never for a change of tool bars.
#include <QToolBar>

#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

constexpr char kAsciiQuestion[] = "文件似乎为纯英文挡，是否使用半角模式？";
constexpr char kChineseQuestion[] = "文件中可能含有汉字，建议使用全角模式？";

class ByteModeCheckTest : public WindowTest {
  protected:
    // The shipped settings with the check switched on and the given byte mode.
    void settings_with_check(bool chinese) {
        std::string ini = file_bytes(dir / "quillo.ini");
        for (const auto& [key, value] :
             {std::pair{"ascii_check=", "1"}, std::pair{"chinese=", chinese ? "1" : "0"}}) {
            const auto at = ini.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            ini.replace(at, ini.find('\r', at) - at, std::string(key) + value);
        }
        write_file("quillo.ini", ini);
    }

    // Questions asked so far; answers are queued beforehand so a wrong question cannot throw.
    std::vector<std::string> questions() const {
        std::vector<std::string> out;
        for (const auto& s : ui.shown())
            if (s.kind == platform::ScriptedUi::Shown::confirm) out.push_back(s.text);
        return out;
    }

    void activate() {
        form->activateWindow();
        settle();
        ASSERT_TRUE(form->isActiveWindow());
    }
};

TEST_F(ByteModeCheckTest, StartingExaminesNothingEvenTheCommandLineDocument) {
    settings_with_check(true);
    for (int i = 0; i < 4; ++i) ui.queue_answer(platform::Answer::yes);
    start(write_file("plain.txt", "abc\r\ndef").string());
    activate();
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(form->status(0), "Ch");
    form.reset();

    settings_with_check(false);
    start(write_file("wide.txt", "\xD6\xD0\xCE\xC4").string());
    activate();
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(form->status(0), "En");
}

TEST_F(ByteModeCheckTest, EnteringDrawingModeAsksOnceAndToolBarsNever) {
    settings_with_check(true);
    for (int i = 0; i < 4; ++i) ui.queue_answer(platform::Answer::no);
    start(write_file("plain.txt", "abc\r\ndef").string());
    activate();
    click("n_view");
    click("n_view");
    EXPECT_EQ(questions(), std::vector<std::string>{kAsciiQuestion});
    EXPECT_EQ(form->status(0), "Ch");  // No keeps the mode

    // Tool bars come and go without a question.
    click("n_commom");
    click("n_draw");
    click("n_repare");
    click("n_repare");
    EXPECT_EQ(questions().size(), 1u);
}

TEST_F(ByteModeCheckTest, AChineseDocumentInSingleByteModeAsksOnceAndYesSwitches) {
    settings_with_check(false);
    for (int i = 0; i < 4; ++i) ui.queue_answer(platform::Answer::yes);
    start(write_file("wide.txt", "\xD6\xD0\xCE\xC4").string());
    activate();
    EXPECT_TRUE(questions().empty());
    click("n_view");
    click("n_view");
    EXPECT_EQ(questions(), std::vector<std::string>{kChineseQuestion});
    EXPECT_EQ(form->status(0), "Ch");
}

}  // namespace

}  // namespace quillo::testing
