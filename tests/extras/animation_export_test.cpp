#include "extras/animation_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "output/maker.h"
#include "platform/errors.h"

namespace quillo::extras {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

class AnimationExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quillo_anim_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "temp");
        canvas.layers.row(canvas::kSelection, 1) = "abc";
        canvas.layers.row(canvas::kSelection, 2) = "d f";
        in.program_dir = dir;
        in.temp_dir = dir / "temp";
        in.base = "art";
        in.canvas = &canvas;
        in.colours = &colours;
        in.selection_shown = true;
        in.rows = 2;
        in.cells = 3;
        in.text_colour = platform::kClWindowText;
        in.back_colour = platform::kClBtnFace;
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    canvas::CanvasState canvas;
    document::ColourState colours;
    AnimationExport in;
};

TEST_F(AnimationExportTest, TwoExportsGiveTwoNumberedPicturesAndTwoIndexLines) {
    write(dir / "reelix", "#!/bin/sh\n");
    const AnimationResult first = export_animation(in);
    canvas.layers.row(canvas::kSelection, 1) = "xyz";
    const AnimationResult second = export_animation(in);

    ASSERT_TRUE(first.picture && second.picture);
    EXPECT_EQ(*first.picture, dir / "temp" / "art_v1.txt");
    EXPECT_EQ(*second.picture, dir / "temp" / "art_v2.txt");
    EXPECT_EQ(read(*first.picture), "abc\r\nd f\r\n");
    EXPECT_EQ(read(*second.picture), "xyz\r\nd f\r\n");
    EXPECT_FALSE(fs::exists(dir / "temp" / "art_v1.txt.clo"));  // multicolour is off
    EXPECT_EQ(read(dir / "quillo.idx"), (dir / "temp/art_v1.txt").string() + "\r\n" +
                                            (dir / "temp/art_v2.txt").string() + "\r\n");
    EXPECT_EQ(read(dir / "color.id_"), "-2147483640\r\n-2147483633\r\n");
    for (const auto* r : {&first, &second}) {
        ASSERT_TRUE(r->start);
        EXPECT_EQ(r->start->program, (dir / "reelix").string());
        EXPECT_TRUE(r->start->args.empty());
        EXPECT_EQ(r->message, "  图案传送成功！");
    }
}

TEST_F(AnimationExportTest, ARunningReelixIsNotStartedAgainNorItsColoursRewritten) {
    write(dir / "reelix", "");
    write(dir / "tmp.id_", "");
    write(dir / "color.id_", "255\r\n0\r\n");
    in.multicolour = true;
    const AnimationResult r = export_animation(in);
    EXPECT_FALSE(r.start);
    EXPECT_EQ(r.message, "  图案传送成功！请切换到Reelix\r程序界面查看结果。");
    EXPECT_EQ(read(dir / "color.id_"), "255\r\n0\r\n");
    ASSERT_TRUE(r.picture);
    EXPECT_TRUE(fs::exists(dir / "temp" / "art_v1.txt.clo"));
    EXPECT_EQ(read(dir / "quillo.idx"), r.picture->string() + "\r\n");
}

TEST_F(AnimationExportTest, WithoutReelixTheFilesAreWrittenAndTheMessageSaysWhereItBelongs) {
    const AnimationResult r = export_animation(in);
    EXPECT_FALSE(r.start);
    ASSERT_TRUE(r.picture);
    EXPECT_EQ(read(dir / "quillo.idx"), r.picture->string() + "\r\n");
    EXPECT_TRUE(fs::exists(dir / "color.id_"));
    const std::string lines =
        "  在当前目录下未能找到Reelix程序，\r"
        "程序“Reelix.exe”是Quillo的一个\r"
        "附属程序，请将其放置在同一目录下，再运\r"
        "行此操作。若有疑问请访问以下地址：\r   " +
        std::string(output::kMakerHomePage);
    EXPECT_EQ(r.message.substr(0, lines.size()), lines);
    EXPECT_NE(r.message.find(r.picture->string()), std::string::npos);
    // Without a selection nothing is listed, and the message is the five lines alone.
    in.selection_shown = false;
    EXPECT_EQ(export_animation(in).message, lines);
    EXPECT_FALSE(fs::exists(dir / "temp" / "art_v2.txt"));
}

TEST_F(AnimationExportTest, AWindowsReelixRunsThroughTheCompatibilityLayer) {
    write(dir / "reelix.exe", "MZ");
    in.selection_shown = false;
    const AnimationResult r = export_animation(in);
    ASSERT_TRUE(r.start);
    EXPECT_EQ(r.start->program, "wine");
    EXPECT_EQ(r.start->args, std::vector<std::string>{(dir / "reelix.exe").string()});
    EXPECT_FALSE(fs::exists(dir / "quillo.idx"));
    const std::string failed = start_failed_message(*r.start, false);
    EXPECT_NE(failed.find("Wine"), std::string::npos);
    // The native program wins when both stand there.
    write(dir / "reelix", "");
    EXPECT_EQ(find_animation_program(dir)->program, (dir / "reelix").string());
}

TEST_F(AnimationExportTest, HandOverFilesInTheWayStopItBeforeAnythingIsWritten) {
    write(dir / "reelix", "");
    fs::create_directory(dir / "quillo.idx");
    EXPECT_THROW(export_animation(in), platform::FileError);
    EXPECT_TRUE(fs::is_empty(dir / "temp"));
    EXPECT_FALSE(fs::exists(dir / "color.id_"));

    fs::remove(dir / "quillo.idx");
    fs::create_directory(dir / "color.id_");
    EXPECT_THROW(export_animation(in), platform::FileError);
    EXPECT_TRUE(fs::is_empty(dir / "temp"));
    EXPECT_FALSE(fs::exists(dir / "quillo.idx"));

    // A program folder that cannot take a file (here: one that is gone).
    in.program_dir = dir / "gone";
    try {
        export_animation(in);
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("gone"), std::string::npos);
    }
    in.program_dir = "/proc";  // no file can be created there, even by root
    EXPECT_THROW(export_animation(in), platform::FileError);
    EXPECT_TRUE(fs::is_empty(dir / "temp"));
}

TEST_F(AnimationExportTest, TheIndexGrowsAtItsEndWithoutBeingRead) {
    const fs::path index = dir / "quillo.idx";
    // A last line without its line end gets one, so the new path stands on a line of its own.
    write(index, "/old/a_v1.txt");
    append_index_line(index, "/new/b_v1.txt");
    EXPECT_EQ(read(index), "/old/a_v1.txt\r\n/new/b_v1.txt\r\n");

    // A huge index (sparse, so it costs no disk) is appended to at its end.
    const auto huge = std::uintmax_t(5) << 30;
    std::error_code ec;
    fs::resize_file(index, huge, ec);
    if (ec) GTEST_SKIP() << "no sparse files here";
    append_index_line(index, "/c_v1.txt");
    EXPECT_EQ(fs::file_size(index), huge + 2 + 11);  // CR LF for the zero bytes' last line
    std::ifstream file(index, std::ios::binary);
    file.seekg(std::streamoff(huge));
    std::string tail(13, '\0');
    file.read(tail.data(), 13);
    EXPECT_EQ(tail, "\r\n/c_v1.txt\r\n");
}

}  // namespace
}  // namespace quillo::extras
