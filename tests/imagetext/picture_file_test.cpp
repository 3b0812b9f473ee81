#include "imagetext/picture_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "imagetext/jpeg_reader.h"
#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

namespace fs = std::filesystem;

class PictureFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillo_pictures_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
    std::string error_of(const fs::path& path) {
        try {
            load_picture_file(path, 0, 0, nullptr);
        } catch (const PictureError& e) {
            return e.what();
        }
        return "(no error)";
    }
    fs::path dir;
};

TEST_F(PictureFileTest, FilesAreReadByWhatTheyHoldNotByTheirNames) {
    const Picture p = testing::gradient(40, 30);
    // A bitmap named .jpg opens as the bitmap it is.
    EXPECT_EQ(load_picture_file(write("bitmap.jpg", testing::bmp24(p)), 0, 0, nullptr), p);
    // A JPEG is decoded from the file, scaled as asked.
    PictureFormat format{};
    const Picture j = load_picture_file(write("photo.bmp", encode_jpeg(p)), 10, 8, &format);
    EXPECT_EQ(format, PictureFormat::jpeg);
    EXPECT_EQ(j.width, 10);
    EXPECT_EQ(j.height, 8);
    // A PNG is left to the caller.
    const Picture none = load_picture_file(write("x.png", "\x89PNG\r\n\x1A\n...."), 0, 0, &format);
    EXPECT_EQ(format, PictureFormat::png);
    EXPECT_TRUE(none.empty());
}

TEST_F(PictureFileTest, FilesThatCannotBeReadNameThemselvesAndTheReason) {
    const std::string jpeg = encode_jpeg(testing::gradient(64, 64));
    const fs::path cut = write("cut.jpg", jpeg.substr(0, jpeg.size() / 2));
    EXPECT_EQ(error_of(cut).rfind("Cannot open picture \"" + cut.string() + "\": ", 0), 0u);
    EXPECT_NE(error_of(cut).find("cut short"), std::string::npos);
    EXPECT_NE(error_of(write("note.jpg", "hello")).find("not a BMP or JPEG picture"),
              std::string::npos);
    EXPECT_NE(error_of(write("empty.jpg", "")).find("empty"), std::string::npos);
    EXPECT_NE(error_of(dir / "missing.jpg").find("does not exist"), std::string::npos);
    EXPECT_NE(error_of(dir).find("It is a folder."), std::string::npos);
    // /proc/self/mem reports no size and fails to read: nothing to show, said so.
    EXPECT_NE(error_of("/proc/self/mem"), "(no error)");
}

}  // namespace
}  // namespace quillo::imagetext
