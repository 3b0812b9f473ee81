// Rows of docs/bad-input.md that go through the window: documents named on the command line
// that are missing, a folder, binary junk or empty, and a colour file beside a document that is
// cut short. The window's message is checked and the document it keeps.
#include <string>
#include <vector>

#include "document/document.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {
namespace {

using Shown = platform::ScriptedUi::Shown;

class BadInputWindowTest : public WindowTest {
  protected:
    std::vector<std::string> messages() { return message_texts(ui); }
};

// A missing command-line document: missing_file.qs.
TEST_F(BadInputWindowTest, ACommandLineFolderLeavesANewDocument) {
    std::filesystem::create_directories(dir / "folder.txt");
    start((dir / "folder.txt").string());
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("It is a folder"), std::string::npos);
    EXPECT_EQ(form->doc.lines, std::vector<std::string>{" "});
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.txt"));
}

TEST_F(BadInputWindowTest, BinaryAndEmptyDocumentsOpenWithoutAWord) {
    std::string junk;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
    start(write_file("junk.txt", junk).string());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(form->doc.lines, document::split_lines(junk));

    form.reset();
    start(write_file("empty.txt", "").string());
    EXPECT_TRUE(messages().empty());
    // Nothing to lose: at most one line of blanks (the canvas stores its empty, padded row).
    EXPECT_LE(form->doc.line_count(), 1);
    if (form->doc.line_count() == 1) {
        EXPECT_EQ(form->doc.lines[0].find_first_not_of(' '), std::string::npos);
    }
}

TEST_F(BadInputWindowTest, ACutColourFileColoursWhatItHoldsAndKeepsTheText) {
    const auto doc = write_file("art.txt", "ab\r\ncd\r\n");
    // Two rows of two cells; cut after the first record, before the chosen colours.
    write_file("art.txt.clo", "2\r\n2\r\n#1\r\n*1\r\n255\r\n");
    start(doc.string());
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("not a valid integer value"), std::string::npos);
    EXPECT_EQ(form->doc.lines, (std::vector<std::string>{"ab", "cd"}));
    EXPECT_TRUE(form->colours.layer.cell(1, 1).text_set);
    EXPECT_EQ(form->colours.layer.cell(1, 1).text, 255);
    EXPECT_FALSE(form->colours.layer.cell(1, 2).has_flag());
}

}  // namespace
}  // namespace quillo::testing
