// Quillo registered with the desktop: the files written, parsed back; mimeapps.list changed in
// Quillo's keys only and put back byte for byte; the helpers run or missing; shortcuts.
#include "platform/desktop_integration.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/desktop_entry.h"
#include "platform/file_io.h"
#include "platform/key_file.h"

namespace quillo::platform {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// desktop-file-validate accepts the file (checked when the tool is installed).
void expect_valid_entry(const fs::path& p) {
    const auto status = run_helper_tool("desktop-file-validate", {p.string()});
    if (!status || *status == 0) return;
    std::string report;
    if (FILE* out = ::popen(("desktop-file-validate '" + p.string() + "' 2>&1").c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, out)) report += buf;
        ::pclose(out);
    }
    ADD_FAILURE() << p << " is not a valid desktop entry:\n" << report << "\n" << read(p);
}

const std::string kPicture = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";

class DesktopIntegrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("quillo_desktop_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "home");
        d.dirs = xdg_dirs((root / "home").string(), "", "");
        d.program = root / "my apps" / "quillo";
        d.icon = root / "my apps" / "quillo.svg";
        write(d.icon, kPicture);
        d.run_helper = [this](const std::string& program, const std::vector<std::string>& args) {
            ran.push_back(program + " " + (args.empty() ? "" : args[0]));
            return helpers_installed;
        };
        p = desktop_paths(d.dirs);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    DesktopIntegration d;
    DesktopPaths p;
    std::vector<std::string> ran;
    bool helpers_installed = true;
};

TEST(DesktopEntryTest, ExecQuotesAnyProgramPathAndParsesBack) {
    for (const std::string path : {"/usr/bin/quillo", "/opt/my apps/quillo",
                                   "/tmp/a\"b'c/$HOME/`id`/100%/back\\slash/quillo",
                                   "/tmp/new\nline/tab\there/quillo", "/中文/程序/quillo"}) {
        const std::string text = desktop_entry_text({{"Exec", exec_value(path, "%f")}});
        const auto keys = read_desktop_entry(text);
        ASSERT_EQ(keys.count("Exec"), 1u) << text;
        const auto args = split_exec(keys.at("Exec"));
        ASSERT_TRUE(args) << text;
        EXPECT_EQ(*args, (std::vector<std::string>{path, "%f"})) << text;
        // One line per key: a line break in a path is escaped.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
        const fs::path file =
            fs::temp_directory_path() / ("quillo_exec_" + std::to_string(::getpid()) + ".desktop");
        write(file, desktop_entry_text({{"Type", "Application"},
                                        {"Name", "Quillo"},
                                        {"Exec", exec_value(path, "%f")},
                                        {"MimeType", "text/plain;"}}));
        expect_valid_entry(file);
        fs::remove(file);
    }
    EXPECT_EQ(exec_value("/opt/my apps/quillo", "%f"), "\"/opt/my apps/quillo\" %f");
    EXPECT_EQ(quote_exec_argument("a\"$`\\%"), "\"a\\\"\\$\\`\\\\%%\"");
    // A backslash in a quoted argument takes four in the file: string escape over quoting.
    EXPECT_EQ(desktop_entry_text({{"Exec", exec_value("/a\\b")}}),
              "[Desktop Entry]\nExec=\"/a\\\\\\\\b\"\n");
    EXPECT_FALSE(split_exec("\"/never closed %f"));
}

TEST(KeyFileTest, EditsOnlyItsKeysAndUndoesThemExactly) {
    const std::string original =
        "# my defaults\r\n[Default Applications]\r\ntext/html = firefox.desktop;\r\n"
        "this line is no key\r\n\r\n[Added Associations]\r\nimage/png=gimp.desktop;";
    KeyFileText f = KeyFileText::parse(original);
    EXPECT_EQ(f.bytes(), original);
    EXPECT_EQ(f.get("Default Applications", "text/html"), "firefox.desktop;");
    EXPECT_FALSE(f.get("Default Applications", "TEXT/HTML"));

    f.set("Default Applications", "text/html", "quillo.desktop;");   // an existing key
    f.set("Default Applications", "text/plain", "quillo.desktop;");  // a new key
    f.set("Added Associations", "text/plain", "q.desktop;");         // after a last line
    f.set("Removed Associations", "text/plain", "x.desktop;");       // a new group
    const std::string changed = f.bytes();
    EXPECT_NE(changed.find("text/html = quillo.desktop;\r\ntext/plain=quillo.desktop;\r\n"),
              std::string::npos)
        << changed;
    const std::string tail = "q.desktop;\r\n[Removed Associations]\r\ntext/plain=x.desktop;";
    EXPECT_EQ(changed.substr(changed.size() - tail.size()), tail) << changed;

    EXPECT_TRUE(f.remove("Removed Associations", "text/plain"));
    EXPECT_TRUE(f.remove_group_if_empty("Removed Associations"));
    EXPECT_TRUE(f.remove("Added Associations", "text/plain"));
    EXPECT_TRUE(f.remove("Default Applications", "text/plain"));
    EXPECT_FALSE(f.remove("Default Applications", "text/plain"));
    EXPECT_FALSE(f.remove_group_if_empty("Added Associations"));
    f.set("Default Applications", "text/html", "firefox.desktop;");
    EXPECT_EQ(f.bytes(), original);

    KeyFileText empty = KeyFileText::parse("");
    empty.set("Default Applications", "text/plain", "q;");
    EXPECT_EQ(empty.bytes(), "[Default Applications]\ntext/plain=q;\n");
    empty.remove("Default Applications", "text/plain");
    empty.remove_group_if_empty("Default Applications");
    EXPECT_TRUE(empty.empty());
}

TEST(XdgDirsTest, BaseDirectoriesAndTheDesktopFolder) {
    const fs::path root = fs::temp_directory_path() / ("quillo_xdg_" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path home = root / "home";
    fs::create_directories(home / ".config");

    auto dirs = xdg_dirs(home.string(), "relative/data", (root / "conf").string());
    EXPECT_EQ(dirs.data_home, home / ".local" / "share");  // a relative value is ignored
    EXPECT_EQ(dirs.config_home, root / "conf");
    EXPECT_EQ(dirs.desktop, home / "Desktop");
    EXPECT_TRUE(xdg_dirs("", "", "").data_home.empty());

    write(home / ".config" / "user-dirs.dirs",
          "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(xdg_dirs(home.string(), "", "").desktop, home / "Schreibtisch");
    write(home / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desk\"\n");
    EXPECT_EQ(xdg_dirs(home.string(), "", "").desktop, fs::path("/srv/desk"));
    // A desktop set to the home folder means there is none.
    write(home / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_TRUE(xdg_dirs(home.string(), "", "").desktop.empty());
    fs::remove_all(root);
}

TEST_F(DesktopIntegrationTest, RegisterThenUndoLeavesOtherProgramsFilesByteForByte) {
    // Someone else's defaults, odd lines and no final line break.
    const std::string before =
        "[Default Applications]\ntext/plain=org.gnome.TextEditor.desktop;\n"
        "x-scheme-handler/http=firefox.desktop;\n;; garbage \xff\xfe line\n\n"
        "[Added Associations]\ntext/plain=vim.desktop;\n[Removed Associations]\n"
        "image/png=eog.desktop;";
    write(p.mimeapps, before);
    const std::string other_entry = "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim %f\n";
    write(p.applications / "vim.desktop", other_entry);

    EXPECT_EQ(registration_state(d).context_entry, false);
    ASSERT_TRUE(register_context_entry(d));
    ASSERT_TRUE(register_text_default(d));
    ASSERT_TRUE(register_colour_files(d));
    const auto state = registration_state(d);
    EXPECT_TRUE(state.context_entry && state.text_default && state.colour_default);

    const KeyFileText list = KeyFileText::parse(read(p.mimeapps));
    EXPECT_EQ(list.get(kDefaultsGroup, kTextMimeType), "quillo-open.desktop;");
    EXPECT_EQ(list.get(kDefaultsGroup, kColourMimeType), "quillo-open.desktop;");
    EXPECT_EQ(list.get(kAddedGroup, kTextMimeType), "vim.desktop;quillo-edit.desktop;");
    EXPECT_EQ(list.get(kDefaultsGroup, "x-scheme-handler/http"), "firefox.desktop;");

    // The entries say what they start, and parse back to the program itself.
    for (const auto& entry : {p.edit_entry, p.open_entry}) {
        const auto keys = read_desktop_entry(read(entry));
        EXPECT_EQ(keys.at("Type"), "Application");
        EXPECT_EQ(split_exec(keys.at("Exec")),
                  (std::vector<std::string>{d.program.string(), "%f"}));
        EXPECT_EQ(keys.at("Icon"), "quillo");
        expect_valid_entry(entry);
    }
    EXPECT_EQ(read_desktop_entry(read(p.edit_entry)).at("Name"), "使用Quillo编辑");
    EXPECT_EQ(read_desktop_entry(read(p.open_entry)).at("MimeType"),
              "text/plain;application/x-quillo-clo;");
    const std::string package = read(p.mime_package);
    EXPECT_NE(package.find("<mime-type type=\"application/x-quillo-clo\">"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.clo\"/>"), std::string::npos);
    EXPECT_NE(package.find("Quillo色彩文件"), std::string::npos);
    const std::string apps = "update-desktop-database " + p.applications.string();
    EXPECT_EQ(ran, (std::vector<std::string>{apps, apps,
                                             "update-mime-database " + p.mime_dir.string(), apps}));

    EXPECT_TRUE(undo_registration(d));
    EXPECT_EQ(read(p.mimeapps), before);
    EXPECT_EQ(read(p.applications / "vim.desktop"), other_entry);
    for (const auto& gone : {p.edit_entry, p.open_entry, p.mime_package, p.backup, p.icon})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    EXPECT_FALSE(registration_state(d).text_default);
    // Nothing left to undo.
    EXPECT_FALSE(undo_registration(d));
    EXPECT_EQ(read(p.mimeapps), before);
}

TEST_F(DesktopIntegrationTest, WithoutAnEarlierDefaultUndoTakesQuillosAway) {
    // No mimeapps.list at all: none is left behind.
    ASSERT_TRUE(register_text_default(d));
    ASSERT_TRUE(register_context_entry(d));
    EXPECT_TRUE(undo_registration(d));
    EXPECT_FALSE(fs::exists(p.mimeapps));
    EXPECT_FALSE(fs::exists(p.open_entry));

    // A file without the groups, without a final line break, in CR LF.
    const std::string before = "[Removed Associations]\r\ntext/plain=nano.desktop;";
    write(p.mimeapps, before);
    ASSERT_TRUE(register_colour_files(d));
    ASSERT_TRUE(register_text_default(d));
    ASSERT_TRUE(register_context_entry(d));
    EXPECT_NE(read(p.mimeapps).find("\r\n[Default Applications]\r\n"), std::string::npos);
    EXPECT_TRUE(undo_registration(d));
    EXPECT_EQ(read(p.mimeapps), before);

    // An empty group of the user's stays, empty.
    write(p.mimeapps, "[Default Applications]\n");
    ASSERT_TRUE(register_text_default(d));
    EXPECT_TRUE(undo_registration(d));
    EXPECT_EQ(read(p.mimeapps), "[Default Applications]\n");
}

TEST_F(DesktopIntegrationTest, AChangeByAnotherProgramSinceIsKept) {
    write(p.mimeapps, "[Default Applications]\ntext/plain=gedit.desktop;\n");
    ASSERT_TRUE(register_text_default(d));
    ASSERT_TRUE(register_context_entry(d));
    // The user then picks another editor, and another program adds itself to the list.
    KeyFileText list = KeyFileText::parse(read(p.mimeapps));
    list.set(kDefaultsGroup, kTextMimeType, "kate.desktop;");
    list.set(kAddedGroup, kTextMimeType, "quillo-edit.desktop;kate.desktop;");
    write(p.mimeapps, list.bytes());

    EXPECT_TRUE(undo_registration(d));
    const KeyFileText after = KeyFileText::parse(read(p.mimeapps));
    EXPECT_EQ(after.get(kDefaultsGroup, kTextMimeType), "kate.desktop;");
    EXPECT_EQ(after.get(kAddedGroup, kTextMimeType), "kate.desktop;");
}

TEST_F(DesktopIntegrationTest, MissingHelpersAndUnwritableFoldersAreNoCrash) {
    helpers_installed = false;  // update-mime-database and friends not installed: no failure
    EXPECT_TRUE(register_colour_files(d));
    EXPECT_TRUE(undo_registration(d));

    // The real runner, for a helper that is not there.
    EXPECT_FALSE(run_helper_tool("quillo-no-such-helper", {"x"}).has_value());
    EXPECT_FALSE(installed_helper_runner()("quillo-no-such-helper", {}));

    // A file where the config folder should be: nothing can be registered there, and the
    // data folder gets only what was written before the failure (the entry), as reported.
    auto blocked = d;
    write(root / "blocked", "not a folder");
    blocked.dirs.config_home = root / "blocked";
    EXPECT_FALSE(register_text_default(blocked));
    EXPECT_FALSE(register_context_entry(blocked));
    EXPECT_EQ(read(root / "blocked"), "not a folder");
    EXPECT_FALSE(registration_state(blocked).text_default);

    // A mimeapps.list that cannot be read is never rewritten.
    fs::create_directories(p.mimeapps);  // a folder in its place
    EXPECT_FALSE(register_text_default(d));
    EXPECT_TRUE(fs::is_directory(p.mimeapps));

    // No home at all.
    DesktopIntegration homeless = d;
    homeless.dirs = xdg_dirs("", "", "");
    EXPECT_FALSE(register_colour_files(homeless));
    EXPECT_EQ(create_shortcut(homeless, ShortcutPlace::applications_menu), ShortcutResult::failed);
}

TEST_F(DesktopIntegrationTest, ShortcutsInTheMenuAndOnADesktopThatExists) {
    EXPECT_EQ(create_shortcut(d, ShortcutPlace::desktop), ShortcutResult::no_folder);
    EXPECT_FALSE(fs::exists(d.dirs.desktop));

    ASSERT_EQ(create_shortcut(d, ShortcutPlace::applications_menu), ShortcutResult::created);
    fs::create_directories(d.dirs.desktop);
    ASSERT_EQ(create_shortcut(d, ShortcutPlace::desktop), ShortcutResult::created);
    const fs::path on_desk = d.dirs.desktop / "quillo.desktop";
    EXPECT_EQ(read(on_desk), read(p.menu_shortcut));
    const auto keys = read_desktop_entry(read(on_desk));
    EXPECT_EQ(keys.at("Name"), "Quillo");
    EXPECT_EQ(split_exec(keys.at("Exec")), std::vector<std::string>{d.program.string()});
    struct stat st {};
    ASSERT_EQ(::stat(on_desk.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    expect_valid_entry(on_desk);
    expect_valid_entry(p.menu_shortcut);

    // Written anew each time, even over a damaged one.
    write(on_desk, "garbage");
    ASSERT_EQ(create_shortcut(d, ShortcutPlace::desktop), ShortcutResult::created);
    EXPECT_EQ(read(on_desk), shortcut_text(d));

    // A program path that is no UTF-8 cannot be put in an entry.
    auto odd = d;
    odd.program = root / "bad\xff" / "quillo";
    EXPECT_EQ(create_shortcut(odd, ShortcutPlace::applications_menu), ShortcutResult::failed);
}

TEST_F(DesktopIntegrationTest, TheIconGoesIntoTheThemeAndLeavesWithTheLastEntry) {
    const fs::path themed = d.dirs.data_home / "icons/hicolor/scalable/apps/quillo.svg";
    EXPECT_EQ(p.icon, themed);
    ASSERT_TRUE(register_context_entry(d));
    EXPECT_EQ(read(themed), kPicture);
    EXPECT_EQ(read_desktop_entry(read(p.edit_entry)).at("Icon"), "quillo");

    // A newer picture beside the program replaces the installed one at the next registration.
    write(d.icon, kPicture + "<!-- new -->\n");
    ASSERT_TRUE(register_text_default(d));
    EXPECT_EQ(read(themed), kPicture + "<!-- new -->\n");

    // A shortcut in the menu still shows the icon after undoing: it stays until that goes too.
    ASSERT_EQ(create_shortcut(d, ShortcutPlace::applications_menu), ShortcutResult::created);
    EXPECT_TRUE(undo_registration(d));
    EXPECT_TRUE(fs::exists(themed));
    fs::remove(p.menu_shortcut);
    ASSERT_TRUE(register_colour_files(d));
    EXPECT_TRUE(undo_registration(d));
    EXPECT_FALSE(fs::exists(themed));

    // Without a picture beside the program the entries carry no icon, and none is installed.
    auto bare = d;
    bare.icon.clear();
    ASSERT_TRUE(register_context_entry(bare));
    EXPECT_EQ(read_desktop_entry(read(p.edit_entry)).count("Icon"), 0u);
    EXPECT_FALSE(fs::exists(themed));
    // A picture that cannot be installed (a file where its folder should be) keeps the entry.
    undo_registration(bare);
    write(d.dirs.data_home / "icons", "not a folder");
    EXPECT_TRUE(register_context_entry(d));
    EXPECT_TRUE(fs::exists(p.edit_entry));
    EXPECT_TRUE(undo_registration(d));
}

}  // namespace
}  // namespace quillo::platform
