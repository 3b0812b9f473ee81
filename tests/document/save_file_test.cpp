#include "document/save_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "document/text_file.h"
#include "platform/errors.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

class SaveFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillo_save_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    fs::path dir;
};

TEST_F(SaveFile, DocumentBytesWithAndWithoutBlankOut) {
    const std::vector<std::string> lines = {"ab  ", "    ", "", " x", "\xB0\xA1 "};
    EXPECT_EQ(document_bytes(lines, false), "ab  \r\n    \r\n\r\n x\r\n\xB0\xA1 \r\n");
    EXPECT_EQ(document_bytes(lines, true), "ab\r\n \r\n\r\n x\r\n\xB0\xA1\r\n");
    EXPECT_EQ(document_bytes({}, true), "");
}

TEST_F(SaveFile, ReplacesTheFileAndKeepsABackupOfTheOldOne) {
    const fs::path doc = dir / "pic.txt";
    save_document(doc, {"old"}, false, true);  // nothing to back up yet
    EXPECT_FALSE(fs::exists(backup_path(doc)));
    fs::permissions(doc, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    save_document(doc, {"new", "lines"}, false, true);
    EXPECT_EQ(read_file_bytes(doc), "new\r\nlines\r\n");
    EXPECT_EQ(read_file_bytes(dir / "pic.txt.bak"), "old\r\n");
    EXPECT_EQ(fs::status(doc).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    save_document(doc, {"third"}, false, true);  // an older backup is replaced
    EXPECT_EQ(read_file_bytes(dir / "pic.txt.bak"), "new\r\nlines\r\n");
    save_document(doc, {"fourth"}, false, false);
    EXPECT_EQ(read_file_bytes(dir / "pic.txt.bak"), "new\r\nlines\r\n");
    EXPECT_EQ(entries(), 2u);  // no temporary file left

    // A link is followed: the file it names is replaced, the link stays.
    fs::create_symlink(doc, dir / "link.txt");
    write_file_atomically(dir / "link.txt", "via link");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(read_file_bytes(doc), "via link");
}

TEST_F(SaveFile, FailuresNameTheFileAndLeaveTheOldOneIntact) {
    const fs::path doc = dir / "pic.txt";
    write_file_atomically(doc, "precious");

    // A folder in the file's place, a missing folder and /proc: bad_input_test.cpp.
    // A full disk, as the file-size limit makes it: the write fails half way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool failed = false;
    try {
        write_file_atomically(doc, std::string(100000, 'x'));
    } catch (const platform::FileError& e) {
        failed = true;
        EXPECT_NE(std::string(e.what()).find("pic.txt"), std::string::npos);
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(failed);
    EXPECT_EQ(read_file_bytes(doc), "precious");
    EXPECT_EQ(entries(), 1u);  // no temporary file left
}

}  // namespace
}  // namespace quillo::document
