#include "document/file_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "platform/errors.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;

TEST(FileNames, NumberedFilesAreCreatedExclusively) {
    const fs::path dir = fs::temp_directory_path() / ("quillo_names_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "quillo_v1.tmp") << "taken";
    fs::create_directory(dir / "quillo_v2.tmp");  // a folder takes its number as well

    const fs::path first = create_numbered_file(dir, "quillo", "tmp");
    EXPECT_EQ(first, dir / "quillo_v3.tmp");
    EXPECT_TRUE(fs::exists(first));
    EXPECT_EQ(create_numbered_file(dir, "quillo", "tmp"), dir / "quillo_v4.tmp");
    EXPECT_EQ(create_numbered_file(dir, "page", "htm"), dir / "page_v1.htm");
    EXPECT_EQ(create_numbered_file(dir, "x", ""), dir / "x_v1");
    // A number freed again is the first free one.
    fs::remove(dir / "quillo_v1.tmp");
    EXPECT_EQ(create_numbered_file(dir, "quillo", "tmp"), dir / "quillo_v1.tmp");
    EXPECT_EQ(fs::file_size(dir / "quillo_v3.tmp"), 0u);

    // Many takers at once never share a number.
    std::vector<fs::path> got(64);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < got.size(); ++i)
        threads.emplace_back([&, i] { got[i] = create_numbered_file(dir, "race", "htm"); });
    for (auto& t : threads) t.join();
    EXPECT_EQ(std::set<fs::path>(got.begin(), got.end()).size(), got.size());

    EXPECT_THROW(create_numbered_file(dir / "missing", "a", "b"), platform::FileError);
    fs::remove_all(dir);
}

TEST(FileNames, BaseNamesAndExtensions) {
    EXPECT_EQ(document_base_name("C:\\art\\cat.txt"), "cat");
    EXPECT_EQ(document_base_name("/home/me/art/cat.txt"), "cat");
    EXPECT_EQ(document_base_name("mixed\\dir/sub\\dog.clo"), "dog");
    EXPECT_EQ(document_base_name("新文件.txt"), "新文件");
    EXPECT_EQ(document_base_name("/a/b/noext"), "n");  // four characters always go
    // Counted as characters, not bytes: the name is never cut inside one.
    EXPECT_EQ(document_base_name("/a/图片画"), "a");
    EXPECT_EQ(document_base_name("a/图片画作品"), "图");
    EXPECT_EQ(document_base_name(".txt"), "");
    EXPECT_EQ(document_base_name("ab"), "");

    EXPECT_EQ(file_extension("/x.y/pic.txt"), ".txt");
    EXPECT_EQ(file_extension("/x.y/pic"), "");
    EXPECT_EQ(file_extension("a\\b.c\\pic"), "");

    EXPECT_EQ(open_dialog_kind("/a/pic.txt"), FileKind::text);
    EXPECT_EQ(open_dialog_kind("/a/PIC.TXT"), FileKind::none);
    EXPECT_EQ(open_dialog_kind("/a/pic.txt.clo"), FileKind::colour);
    EXPECT_EQ(open_dialog_kind("/a/pic.CLO"), FileKind::none);
    EXPECT_EQ(open_dialog_kind("/a/pic.htm"), FileKind::none);
    EXPECT_EQ(command_line_kind("PIC.TXT"), FileKind::text);
    EXPECT_EQ(command_line_kind("pic.txt"), FileKind::text);
    EXPECT_EQ(command_line_kind("pic.Txt"), FileKind::none);
    EXPECT_EQ(command_line_kind("pic.CLO"), FileKind::colour);
    EXPECT_EQ(command_line_kind("txt"), FileKind::none);
}

}  // namespace
}  // namespace quillo::document
