#include "document/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/save_file.h"
#include "platform/errors.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

TEST(TextFile, LineEndsEmptyBinaryAndLongLines) {
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
    EXPECT_TRUE(read_text_lines(put("empty.txt", "")).empty());
    EXPECT_EQ(read_text_lines(put("lf.txt", "\n")), (std::vector<std::string>{""}));

    const std::string binary("A\0B\r\n\xFF\0", 7);
    const TextFileContents bin = read_text_file(put("bin.dat", binary));
    EXPECT_TRUE(bin.has_nul);
    EXPECT_EQ(bin.byte_count, 7u);
    EXPECT_EQ(bin.lines,
              (std::vector<std::string>{std::string("A\0B", 3), std::string("\xFF\0", 2)}));
    EXPECT_FALSE(read_text_file(dir / "cr.txt").has_nul);

    const std::string long_line(100000, '\xB0');
    const auto lines = read_text_lines(put("long.txt", long_line + "\r\nend"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], long_line);

    fs::create_directory(dir / "folder.txt");
    try {
        read_text_lines(dir / "folder.txt");
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("folder.txt\". It is a folder."), std::string::npos);
    }
    EXPECT_THROW(read_text_lines(dir / "missing.txt"), platform::FileError);
    EXPECT_THROW(read_text_lines("/dev/null"), platform::FileError);  // not a regular file
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
