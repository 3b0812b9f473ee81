#include "imagetext/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "imagetext/picture_file.h"
#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

std::string error_of(const std::string& bytes, const DecodeLimits& limits = {}) {
    try {
        read_jpeg(as_bytes(bytes), limits);
    } catch (const PictureError& e) {
        return e.what();
    }
    return "(no error)";
}

// Blocks of flat colour survive JPEG almost unchanged.
Picture four_blocks(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(
                x, y,
                x < w / 2 ? (y < h / 2 ? 0xFF0000 : 0x00FF00) : (y < h / 2 ? 0x0000FF : 0xFFFFFF));
    return p;
}

bool close_to(Rgb a, Rgb b, int tolerance) {
    return std::abs(red_of(a) - red_of(b)) <= tolerance &&
           std::abs(green_of(a) - green_of(b)) <= tolerance &&
           std::abs(blue_of(a) - blue_of(b)) <= tolerance;
}

// The SOF0 marker's height and width fields.
std::size_t sof_at(const std::string& jpeg) {
    return jpeg.find("\xFF\xC0");
}

TEST(JpegReader, DecodesColoursAndDeclaredSize) {
    const Picture p = four_blocks(64, 48);
    const std::string jpeg = encode_jpeg(p, 95);
    JpegSize declared;
    const Picture back = read_jpeg(as_bytes(jpeg), {}, 0, 0, &declared);
    ASSERT_EQ(back.width, 64);
    ASSERT_EQ(back.height, 48);
    EXPECT_EQ(declared.width, 64);
    for (auto [x, y] : {std::pair{8, 8}, {56, 8}, {8, 40}, {56, 40}})
        EXPECT_TRUE(close_to(back.pixel(x, y), p.pixel(x, y), 8)) << x << "," << y;
    EXPECT_EQ(back.pixels[0] >> 24, 0xFFu);  // the unused top byte is set as in every picture
}

TEST(JpegReader, DctScalingDecodesOnlyThePixelsNeeded) {
    EXPECT_EQ(jpeg_scale_denominator(4000, 3000, 192, 144), 8);
    EXPECT_EQ(jpeg_scale_denominator(4000, 3000, kShownMinSide, kShownMinSide), 4);
    EXPECT_EQ(jpeg_scale_denominator(6000, 4000, kShownMinSide, kShownMinSide), 4);
    EXPECT_EQ(jpeg_scale_denominator(1000, 800, kShownMinSide, kShownMinSide), 1);
    EXPECT_EQ(jpeg_scale_denominator(300, 200, 0, 0), 1);
    EXPECT_EQ(jpeg_scale_denominator(1001, 1001, 126, 0), 8);  // 1001 / 8 rounded up
    EXPECT_EQ(jpeg_scale_denominator(1001, 1001, 127, 0), 4);

    const Picture p = four_blocks(200, 120);
    const std::string jpeg = encode_jpeg(p, 90);
    const Picture quarter = read_jpeg(as_bytes(jpeg), {}, 40, 30);
    EXPECT_EQ(quarter.width, 50);
    EXPECT_EQ(quarter.height, 30);
    EXPECT_TRUE(close_to(quarter.pixel(10, 5), 0xFF0000, 12));
    EXPECT_TRUE(close_to(quarter.pixel(40, 25), 0xFFFFFF, 12));
    const Picture eighth = read_jpeg(as_bytes(jpeg), {}, 20, 10);
    EXPECT_EQ(eighth.width, 25);
    EXPECT_EQ(eighth.height, 15);
}

TEST(JpegReader, CutAndCorruptFilesGiveClearMessages) {
    const std::string jpeg = encode_jpeg(testing::gradient(64, 64), 90);
    for (std::size_t cut : {jpeg.size() - 2, jpeg.size() / 2, std::size_t(200), std::size_t(3)}) {
        const std::string e = error_of(jpeg.substr(0, cut));
        EXPECT_TRUE(e.find("cut short") != std::string::npos ||
                    e.find("cannot be read") != std::string::npos)
            << cut << ": " << e;
    }
    EXPECT_NE(error_of(jpeg.substr(0, jpeg.size() / 2)).find("cut short"), std::string::npos);
    std::string junk = jpeg;
    for (std::size_t i = jpeg.size() / 2; i < jpeg.size() / 2 + 40; ++i) junk[i] = char(0xFF);
    EXPECT_NE(error_of(junk), "(no error)");
    EXPECT_EQ(error_of("GIF89a"), "The file is not a JPEG picture.");
}

TEST(JpegReader, HugeDeclaredSizesAreRefusedByThePixelCap) {
    std::string jpeg = encode_jpeg(testing::gradient(16, 16), 90);
    const std::size_t sof = sof_at(jpeg);
    ASSERT_NE(sof, std::string::npos);
    // Height and width at sof + 5 and + 7, big-endian: 65000 x 65000.
    std::string bomb = jpeg;
    bomb[sof + 5] = char(0xFD), bomb[sof + 6] = char(0xE8);
    bomb[sof + 7] = char(0xFD), bomb[sof + 8] = char(0xE8);
    EXPECT_NE(error_of(bomb).find("too large"), std::string::npos);
    // Within the declared cap, DCT scaling may bring a picture under the decoded cap.
    DecodeLimits tight;
    tight.max_pixels = 100;
    tight.max_declared_pixels = 1000;
    EXPECT_NE(error_of(jpeg, tight).find("too large"), std::string::npos);  // 256 pixels
    EXPECT_EQ(read_jpeg(as_bytes(jpeg), tight, 4, 4).pixels.size(), 16u);
    // ...and a zero height is no picture at all.
    std::string flat = jpeg;
    flat[sof + 5] = 0, flat[sof + 6] = 0;
    EXPECT_NE(error_of(flat), "(no error)");
}

}  // namespace
}  // namespace quillo::imagetext
