#include "platform/scripted_ui.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo::platform {
namespace {

using Kind = ScriptedUi::Shown::Kind;

TEST(ScriptedUi, AnswersFromQueuesInOrder) {
    ScriptedUi ui;
    EXPECT_FALSE(ui.pending_answers());
    ui.queue_answer(Answer::no);
    ui.queue_answer(Answer::cancel);
    ui.queue_input("42");
    ui.queue_input(std::nullopt);
    ui.queue_file(FileDialogResult{"/tmp/a.txt", 2});
    ui.queue_file(std::nullopt);
    ui.queue_colour(0x0000FF);
    EXPECT_TRUE(ui.pending_answers());

    ui.message("Done.");
    EXPECT_EQ(ui.confirm("Save changes?", "Quillo", Icon::question), Answer::no);
    EXPECT_EQ(ui.confirm("Really?", "", Icon::warning, true), Answer::cancel);
    EXPECT_EQ(ui.input("Width", "Columns:", "80"), std::optional<std::string>("42"));
    EXPECT_EQ(ui.input_or_default("Width", "Columns:", "80"), "80");  // cancelled

    FileDialogRequest req;
    req.title = "Open";
    req.filter = "Text(*.txt)|*.txt";
    req.file_name = "a.txt";
    const auto opened = ui.open_file(req);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->path, "/tmp/a.txt");
    EXPECT_EQ(opened->filter_index, 2);
    req.title = "Save as";
    req.overwrite_prompt = true;
    EXPECT_FALSE(ui.save_file(req));  // one queue serves open and save
    EXPECT_EQ(ui.choose_colour(0xFFFFFF), std::optional<std::int32_t>(0x0000FF));
    EXPECT_FALSE(ui.pending_answers());

    ASSERT_EQ(ui.file_requests().size(), 2u);
    EXPECT_EQ(ui.file_requests()[1].title, "Save as");
    EXPECT_TRUE(ui.file_requests()[1].overwrite_prompt);

    const auto shown = ui.take_shown();
    ASSERT_EQ(shown.size(), 8u);
    const Kind kinds[] = {Kind::message, Kind::confirm,   Kind::confirm,   Kind::input,
                          Kind::input,   Kind::open_file, Kind::save_file, Kind::colour};
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].kind, kinds[i]) << i;
    EXPECT_EQ(shown[0].text, "Done.");
    EXPECT_EQ(shown[0].icon, Icon::information);
    EXPECT_EQ(shown[1].text, "Save changes?");
    EXPECT_EQ(shown[1].caption, "Quillo");
    EXPECT_EQ(shown[2].icon, Icon::warning);
    EXPECT_EQ(shown[3].text, "Columns:");
    EXPECT_EQ(shown[3].caption, "Width");
    EXPECT_EQ(shown[5].caption, "Open");
    EXPECT_EQ(shown[5].text, "a.txt");
    EXPECT_EQ(shown[7].text, std::to_string(0xFFFFFF));
    EXPECT_TRUE(ui.shown().empty());
}

TEST(ScriptedUi, UnexpectedDialogNamesKindAndText) {
    ScriptedUi ui;
    auto what_of = [](auto&& f) -> std::string {
        try {
            f();
        } catch (const UnexpectedDialog& e) {
            return e.what();
        }
        return "no throw";
    };
    const std::string c = what_of([&] { ui.confirm("Overwrite file?"); });
    EXPECT_NE(c.find("confirm"), std::string::npos) << c;
    EXPECT_NE(c.find("Overwrite file?"), std::string::npos) << c;
    EXPECT_NE(what_of([&] { ui.input("T", "Name:", ""); }).find("Name:"), std::string::npos);
    FileDialogRequest req;
    req.title = "Export page";
    const std::string s = what_of([&] { ui.save_file(req); });
    EXPECT_NE(s.find("save file"), std::string::npos) << s;
    EXPECT_NE(s.find("Export page"), std::string::npos) << s;
    EXPECT_NE(what_of([&] { ui.choose_colour(0); }).find("colour"), std::string::npos);

    // A Yes/No box cannot be cancelled; the queued answer stays for the dialog that can.
    ui.queue_answer(Answer::cancel);
    EXPECT_NE(what_of([&] { ui.confirm("Yes or no?"); }), "no throw");
    EXPECT_TRUE(ui.pending_answers());
    EXPECT_EQ(ui.confirm("Yes, no or cancel?", "", Icon::question, true), Answer::cancel);

    // Messages never need an answer.
    EXPECT_EQ(what_of([&] { ui.message("Hello", "", Icon::error); }), "no throw");
    EXPECT_EQ(ui.shown().back().kind, Kind::message);
}

TEST(ScriptedUi, RecordsDesktopCallsAndClipboard) {
    ScriptedUi ui;
    EXPECT_TRUE(ui.open_with_default_program("/tmp/page.htm"));
    EXPECT_TRUE(ui.start_program("notepad", {"a b.txt", "-x"}));
    ui.set_desktop_result(false);
    EXPECT_FALSE(ui.open_with_default_program("https://example.org/"));
    ASSERT_EQ(ui.opened().size(), 2u);
    EXPECT_EQ(ui.opened()[1], "https://example.org/");
    ASSERT_EQ(ui.started().size(), 1u);
    EXPECT_EQ(ui.started()[0].program, "notepad");
    EXPECT_EQ(ui.started()[0].args, (std::vector<std::string>{"a b.txt", "-x"}));

    EXPECT_EQ(ui.clipboard_text(), "");
    ui.set_clipboard_text("字符画");
    EXPECT_EQ(ui.clipboard_text(), "字符画");
    EXPECT_TRUE(ui.shown().empty());
}

}  // namespace
}  // namespace quillo::platform
