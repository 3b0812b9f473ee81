#include "document/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/save_file.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

// Binary files, empty ones, long lines, folders and missing files: bad_input_test.cpp.
TEST(TextFile, EveryKindOfLineEnd) {
    const fs::path dir = fs::temp_directory_path() / ("quillo_text_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto put = [&](const char* name, std::string_view bytes) {
        write_file_atomically(dir / name, bytes);
        return dir / name;
    };
    EXPECT_EQ(read_text_lines(put("mixed.txt", "a\r\nb\nc\rd\r\n\r\ne")),
              (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(read_text_lines(put("cr.txt", "x\ry\r")), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(read_text_lines(put("lf.txt", "\n")), (std::vector<std::string>{""}));
    fs::remove_all(dir);
}

TEST(TextFile, SavedLinesTellEveryChange) {
    std::vector<std::string> lines = {"abc", "", "\xB0\xA1  "};
    SavedLines saved;
    saved.remember(lines);
    EXPECT_FALSE(saved.differs(lines));

    auto changed = lines;
    changed[2][3] = 'x';  // same length, one byte
    EXPECT_TRUE(saved.differs(changed));
    changed = lines;
    changed[0] = "ab";  // bytes move between lines: same total, different split
    changed[1] = "c";
    EXPECT_TRUE(saved.differs(changed));
    changed = lines;
    changed.push_back("");
    EXPECT_TRUE(saved.differs(changed));
    changed.pop_back();
    EXPECT_FALSE(saved.differs(changed));  // undone back to the saved text

    SavedLines empty;
    EXPECT_FALSE(empty.differs({}));
    EXPECT_TRUE(empty.differs({""}));
}

}  // namespace
}  // namespace quillo::document
