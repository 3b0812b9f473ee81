#include "document/program_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "document/save_file.h"
#include "document/settings_file.h"
#include "document/text_file.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

// A folder nobody can create files in, root included.
const fs::path kUnwritable = "/proc/quillo_nowhere";
const fs::path kReadOnlyFile = "/sys/devices/system/cpu/online";

class ProgramPaths : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("quillo_paths_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "bin");
        fs::create_directories(root / "home");
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(ProgramPaths, ConfigHome) {
    EXPECT_EQ(config_home("/x/cfg", "/home/me"), fs::path("/x/cfg"));
    EXPECT_EQ(config_home("relative", "/home/me"), fs::path("/home/me/.config"));
    EXPECT_EQ(config_home("", "/home/me"), fs::path("/home/me/.config"));
    EXPECT_EQ(config_home("", ""), fs::path());
}

TEST_F(ProgramPaths, SettingsBesideTheProgramOrInTheConfigFolder) {
    const fs::path bin = root / "bin", cfg = root / "home" / ".config";
    const fs::path user = cfg / "quillo" / "quillo.ini";

    // No file beside the program: the user's file, seeded with the shipped settings.
    SettingsLocation at = settings_location(bin, cfg, false);
    EXPECT_EQ(at.path, user);
    EXPECT_TRUE(at.writable);
    EXPECT_EQ(read_settings_file(user).pen_font_color, shipped_settings().pen_font_color);

    // The user's file is not seeded again: changes stay.
    write_file_atomically(user, "[pen]\r\npen_st=5\r\n");
    EXPECT_EQ(settings_location(bin, cfg, false).path, user);
    EXPECT_EQ(read_settings_file(user).pen_st, 5);

    // A writable file beside the program is portable use and comes first.
    write_file_atomically(bin / "quillo.ini", "[pen]\r\npen_st=3\r\n");
    at = settings_location(bin, cfg, false);
    EXPECT_EQ(at.path, bin / "quillo.ini");
    EXPECT_TRUE(at.writable);

    // Seeding copies the file shipped beside the program when that one cannot be written
    // (a read-only sysfs file stands for an installed one: root cannot open it for writing).
    fs::remove_all(cfg);
    const fs::path installed = root / "installed";
    fs::create_directories(installed);
    fs::create_symlink(kReadOnlyFile, installed / "quillo.ini");
    at = settings_location(installed, cfg, false);
    EXPECT_EQ(at.path, user);
    EXPECT_TRUE(at.writable);
    EXPECT_EQ(read_file_bytes(user), read_file_bytes(kReadOnlyFile));
    // The user's file cannot be made: the installed file is read, and the loss message is due.
    at = settings_location(installed, kUnwritable, false);
    EXPECT_EQ(at.path, installed / "quillo.ini");
    EXPECT_FALSE(at.writable);

    // --program-dir uses the file there only, and a missing one is not created.
    at = settings_location(root / "home", cfg, true);
    EXPECT_EQ(at.path, root / "home" / "quillo.ini");
    EXPECT_FALSE(at.writable);
    EXPECT_FALSE(fs::exists(at.path));
    EXPECT_TRUE(settings_location(bin, cfg, true).writable);

    // Nowhere to write: the loss message is due.
    at = settings_location(root / "home", kUnwritable, false);
    EXPECT_FALSE(at.writable);
    EXPECT_TRUE(at.path.empty());
}

TEST_F(ProgramPaths, TempDirIsBesideTheProgramOrInDocuments) {
    const fs::path beside = temp_dir(root / "bin", (root / "home").string());
    EXPECT_EQ(beside, root / "bin" / "temp");
    EXPECT_TRUE(fs::is_directory(beside));

    const fs::path docs = temp_dir(kUnwritable, (root / "home").string());
    EXPECT_EQ(docs, root / "home" / "Documents" / "Quillo" / "temp");
    EXPECT_TRUE(fs::is_directory(docs));
    EXPECT_TRUE(docs.is_absolute());

    EXPECT_TRUE(temp_dir(kUnwritable, kUnwritable.string()).empty());
    EXPECT_FALSE(folder_is_writable(kUnwritable));
    EXPECT_TRUE(folder_is_writable(root));
    EXPECT_EQ(std::distance(fs::directory_iterator(root), {}), 2);  // no probe file left
}

}  // namespace
}  // namespace quillo::document
