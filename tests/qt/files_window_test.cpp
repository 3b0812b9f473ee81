// Document files through the main window: New, Open, Save, Save as, the question before a
// change is dropped, backups, the ANSI import and the command-line document.
#include <unistd.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace fs = std::filesystem;
using platform::Answer;
using platform::FileDialogResult;

class FilesWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        old_cwd = fs::current_path();
        // An untitled document is saved in the current folder: keep that inside the test's own.
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(old_cwd);
        WindowTest::TearDown();
    }

    void open(const fs::path& p) {
        ui.queue_file(FileDialogResult{p.string(), 1});
        click("n_open");
    }

    void mouse(QEvent::Type type, int c, int r) {
        send_mouse(form->Image1, type, cell_centre(false, c, r));
    }
    // The pen ("#") put on one cell with the single-point tool.
    void dot(int c, int r) {
        form->pen_txt->setText("#");
        click("sb2_line");
        click("sb2_dot");
        mouse(QEvent::MouseMove, c, r);
        mouse(QEvent::MouseButtonPress, c, r);
        mouse(QEvent::MouseMove, c, r);
        mouse(QEvent::MouseButtonRelease, c, r);
        settle();
    }

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == platform::ScriptedUi::Shown::message ||
                s.kind == platform::ScriptedUi::Shown::confirm)
                out.push_back(s.text);
        return out;
    }

    std::string trimmed(int r) const {
        return canvas::trailing_space_trim(row(canvas::kCommitted, r));
    }

    fs::path old_cwd;
};

TEST_F(FilesWindowTest, AskToSaveQuotesTheFullNameAndYesSavesBesideItsColours) {
    const auto art = write_file("art.txt", "ab\r\ncd\r\n");
    start(art.string());
    const std::string question = "文件已经改变，是否保存“" + art.string() + "”?";

    dot(5, 1);
    ui.queue_answer(Answer::cancel);
    click("n_new");
    EXPECT_EQ(messages(), std::vector<std::string>{question});
    EXPECT_EQ(trimmed(1), "ab  #");
    EXPECT_EQ(form->status(5), art.string());
    EXPECT_EQ(file_bytes(art), "ab\r\ncd\r\n");

    ui.queue_answer(Answer::yes);
    click("n_new");
    EXPECT_EQ(messages(), std::vector<std::string>{question});
    EXPECT_EQ(canvas::trailing_space_trim(file_bytes(art).substr(0, file_bytes(art).find("\r\n"))),
              "ab  #");
    EXPECT_TRUE(fs::exists(dir / "art.txt.clo"));
    EXPECT_EQ(form->status(5), "新文件.txt");
    // No drops the change: file_save_open.qs.
}

TEST_F(FilesWindowTest, ChangesOutOfViewInColourAndInTheTextViewCountUndoDoesNot) {
    std::string lines;
    for (int i = 1; i <= 100; ++i) lines += "line " + std::to_string(i) + "\r\n";
    const auto doc = write_file("long.txt", lines);
    start(doc.string());

    // Undone back to the saved state: opening asks nothing.
    dot(1, 1);
    click("n_undo");
    EXPECT_EQ(trimmed(1), "line 1");
    ui.queue_answer(Answer::cancel);  // must stay unused
    open(doc);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(ui.pending_answers());

    // A change scrolled out of view.
    dot(2, 1);
    ASSERT_EQ(trimmed(1), "l#ne 1");
    form->ScrollBar1->setValue(100);
    settle();
    EXPECT_EQ(trimmed(1), "line " + std::to_string(101 - form->canvas.height));
    EXPECT_FALSE(form->close());  // the queued Cancel answers
    EXPECT_EQ(messages().size(), 1u);
    form->ScrollBar1->setValue(form->canvas.height);
    settle();
    EXPECT_EQ(trimmed(1), "l#ne 1");
    ui.queue_answer(Answer::no);
    open(doc);
    EXPECT_EQ(messages().size(), 1u);
    ui.queue_answer(Answer::cancel);

    // A colour-only change.
    click("n_color");
    click("sb_font_color");
    mouse(QEvent::MouseMove, 2, 2);
    mouse(QEvent::MouseButtonPress, 2, 2);
    mouse(QEvent::MouseMove, 3, 2);
    mouse(QEvent::MouseButtonRelease, 3, 2);
    settle();
    ASSERT_TRUE(form->colours.layer.cell(2, 3).text_set);
    EXPECT_EQ(trimmed(2), "line 2");
    EXPECT_FALSE(form->close());  // the queued Cancel answers
    EXPECT_EQ(messages(),
              std::vector<std::string>{"文件已经改变，是否保存“" + doc.string() + "”?"});
    click("sb_undo_color");
    ASSERT_FALSE(form->colours.layer.cell(2, 3).text_set);

    // An edit in the text view.
    click("n_view");
    ASSERT_TRUE(form->normal_mode());
    form->source_memo->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(form->source_memo, &press);
    settle();
    ui.queue_answer(Answer::no);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(file_bytes(doc), lines);
}

TEST_F(FilesWindowTest, OpenTakesColoursBesideAndAColourFileAloneKeepsTheWholeDocument) {
    const std::string clo = "2\r\n2\r\n#1\r\n*1\r\n255\r\n@\r\n@\r\n*2\r\n65280\r\n255\r\n0\r\n";
    std::string lines;
    for (int i = 1; i <= 60; ++i) lines += "row " + std::to_string(i) + "\r\n";
    const auto doc = write_file("sixty.txt", lines);
    const auto plain = write_file("plain.txt", "plain\r\n");
    write_file("sixty.txt.clo", clo);
    const auto alone = write_file("alone.clo", clo);
    start(plain.string());

    open(doc);
    EXPECT_TRUE(form->colours.layer.cell(1, 1).text_set);
    EXPECT_EQ(form->colours.layer.cell(1, 1).text, 255);
    EXPECT_TRUE(form->colours.layer.cell(2, 2).back_set);
    open(plain);
    EXPECT_FALSE(form->colours.layer.cell(1, 1).text_set);
    EXPECT_FALSE(form->colours.layer.cell(2, 2).back_set);

    open(doc);
    form->colours.layer.clear_flags();
    ui.take_shown();
    ui.queue_answer(Answer::no);  // the colours cleared above are a change
    open(alone);
    EXPECT_EQ(form->document_for_reading().lines.size(), 60u);
    EXPECT_EQ(form->document_for_reading().lines[59], "row 60");
    EXPECT_EQ(form->status(5), doc.string());
    EXPECT_TRUE(form->colours.layer.cell(1, 1).text_set);
    // The colours came from the other file: saving asks nothing of them, and keeps every line.
    click("n_quitsave");
    const std::string saved = file_bytes(doc);
    EXPECT_EQ(saved.substr(saved.size() - 8), "row 60\r\n");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 60);
}

TEST_F(FilesWindowTest, AFileThatCannotBeReadKeepsTheDocumentAndItsName) {
    const auto art = write_file("art.txt", "keep me\r\n");
    fs::create_directory(dir / "folder.txt");
    start(art.string());
    for (const char* bad : {"folder.txt", "gone.txt"}) {
        open(dir / bad);
        const auto shown = messages();
        ASSERT_EQ(shown.size(), 1u) << bad;
        EXPECT_NE(shown[0].find(bad), std::string::npos) << shown[0];
        EXPECT_EQ(form->status(5), art.string());
        EXPECT_EQ(trimmed(1), "keep me");
    }
    // The next Save still writes the document it holds.
    click("n_quitsave");
    EXPECT_EQ(canvas::trailing_space_trim(file_bytes(art).substr(0, file_bytes(art).find('\r'))),
              "keep me");
}

TEST_F(FilesWindowTest, SaveAsAsksBeforeReplacingBacksUpAndRenames) {
    replace_in_file(dir / "quillo.ini", "bake_up=0", "bake_up=1");
    const auto art = write_file("art.txt", "first\r\n");
    const auto other = write_file("other.txt", "old other\r\n");
    start(art.string());

    // Save keeps a copy of the old file.
    dot(1, 2);
    click("n_quitsave");
    EXPECT_EQ(file_bytes(dir / "art.txt.bak"), "first\r\n");
    EXPECT_TRUE(ui.shown().empty());

    ui.queue_file(FileDialogResult{other.string(), 1});
    ui.queue_answer(Answer::no);
    click("n_save");
    EXPECT_EQ(messages(), std::vector<std::string>{other.string() + "已经存在，是否覆盖它？"});
    EXPECT_EQ(file_bytes(other), "old other\r\n");
    EXPECT_EQ(form->status(5), art.string());

    ui.queue_file(FileDialogResult{other.string(), 1});
    ui.queue_answer(Answer::yes);
    click("n_save");
    EXPECT_EQ(file_bytes(dir / "other.txt.bak"), "old other\r\n");
    EXPECT_EQ(file_bytes(other).substr(0, 5), "first");
    EXPECT_TRUE(fs::exists(dir / "other.txt.clo"));
    EXPECT_EQ(form->status(5), other.string());
}

TEST_F(FilesWindowTest, AnUntitledDocumentIsSavedAsNewFileAndNeverReplacesOneSilently) {
    replace_in_file(dir / "quillo.ini", "blank_out=0", "blank_out=1");
    start();
    dot(2, 1);
    click("n_quitsave");
    EXPECT_TRUE(ui.shown().empty());
    // blank_out: padding is trimmed, a row of spaces is a single space.
    EXPECT_EQ(file_bytes(dir / "新文件.txt"), " #\r\n");
    EXPECT_TRUE(fs::exists(dir / "新文件.txt.clo"));
    EXPECT_EQ(form->status(5), "新文件.txt");

    click("n_new");
    dot(3, 1);
    ui.queue_answer(Answer::no);
    click("n_quitsave");
    EXPECT_EQ(messages(), std::vector<std::string>{"新文件.txt已经存在，是否覆盖它？"});
    EXPECT_EQ(file_bytes(dir / "新文件.txt"), " #\r\n");
    ui.queue_answer(Answer::yes);
    click("n_quitsave");
    EXPECT_EQ(file_bytes(dir / "新文件.txt"), "  #\r\n");
}

// Upper-case, mixed-case and missing command-line documents: file_command_line_*.qs and
// missing_file.qs.
TEST_F(FilesWindowTest, QuickExitAsksNothingAndLeavesTheSettings) {
    start();
    const std::string ini = file_bytes(dir / "quillo.ini");
    dot(1, 1);
    click("n_color");
    click("n_exit_quickly");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_EQ(file_bytes(dir / "quillo.ini"), ini);
}

TEST_F(FilesWindowTest, AnsiImportGivesAFloatingSelectionOrTheConversionMessage) {
    const auto good = write_file("good.ans", "\x1b\x1b[1;31mAB\r\n");
    const auto bad = write_file("bad.ans", "\x1b\x1b[x;31mAB\r\n");
    start();
    ui.queue_file(FileDialogResult{good.string(), 1});
    click("n_ansi");
    EXPECT_TRUE(ui.shown().size() == 1 &&
                ui.shown()[0].kind == platform::ScriptedUi::Shown::open_file);
    ui.take_shown();
    EXPECT_TRUE(form->write_in_imag->isVisible());
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kSelection, 1)), "AB");
    for (int c = 1; c <= 2; ++c) {
        const auto& cell = form->colours.selection.cell(1, c);
        EXPECT_TRUE(cell.text_set && cell.back_set);
        EXPECT_EQ(cell.text, 0x000066);
        EXPECT_EQ(cell.back, 0x400040);
    }
    click("pop_finish");
    ASSERT_FALSE(form->write_in_imag->isVisible());

    ui.queue_file(FileDialogResult{bad.string(), 1});
    click("n_ansi");
    const auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].kind, platform::ScriptedUi::Shown::message);
    EXPECT_NE(shown[1].text.find("x"), std::string::npos) << shown[1].text;
    EXPECT_FALSE(form->write_in_imag->isVisible());
}

}  // namespace quillo::testing

namespace quillo::testing {

TEST_F(FilesWindowTest, SavingOnTheQuestionNeverReplacesAnEarlierUntitledDocument) {
    write_file("新文件.txt", "earlier\r\n");
    start();
    dot(2, 1);
    // Yes to saving, No to replacing the earlier file: New is called off, the drawing stays.
    ui.queue_answer(Answer::yes);
    ui.queue_answer(Answer::no);
    click("n_new");
    EXPECT_EQ(messages(), (std::vector<std::string>{"文件已经改变，是否保存“新文件.txt”?",
                                                    "新文件.txt已经存在，是否覆盖它？"}));
    EXPECT_EQ(file_bytes(dir / "新文件.txt"), "earlier\r\n");
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kCommitted, 1)), " #");

    // Yes to both: the document is written and New goes on.
    ui.queue_answer(Answer::yes);
    ui.queue_answer(Answer::yes);
    click("n_new");
    EXPECT_EQ(file_bytes(dir / "新文件.txt").substr(0, 2), " #");
    EXPECT_EQ(canvas::trailing_space_trim(row(canvas::kCommitted, 1)), " ");
}

}  // namespace quillo::testing
