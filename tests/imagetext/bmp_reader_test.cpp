#include "imagetext/bmp_reader.h"

#include <gtest/gtest.h>

#include "imagetext/picture_file.h"
#include "test_pictures.h"

namespace quillo::imagetext {
namespace {

using testing::bmp_file;
using testing::BmpSpec;

Picture read(const std::string& bytes, const DecodeLimits& limits = {}) {
    return read_bmp(as_bytes(bytes), limits);
}

std::string error_of(const std::string& bytes, const DecodeLimits& limits = {}) {
    try {
        read(bytes, limits);
    } catch (const PictureError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(BmpReader, TwentyFourBitsBottomUpAndTopDown) {
    const Picture p = testing::gradient(5, 3);  // 15-byte rows padded to 16
    EXPECT_EQ(read(testing::bmp24(p)), p);
    EXPECT_EQ(read(testing::bmp24(p, true)), p);
}

TEST(BmpReader, PaletteBitmapsOfOneFourAndEightBits) {
    const std::vector<std::uint32_t> palette{0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
    BmpSpec one{9, -2, 1, 0, {0x102030, 0xA0B0C0}, {}, {}};
    // Row 0: 1 0 1 0 1 0 1 0 | 1; row 1: all 0. Rows are 4 bytes.
    one.data = std::string("\xAA\x80\0\0", 4) + std::string(4, '\0');
    const Picture p1 = read(bmp_file(one));
    EXPECT_EQ(p1.pixel(0, 0), 0xA0B0C0u);
    EXPECT_EQ(p1.pixel(1, 0), 0x102030u);
    EXPECT_EQ(p1.pixel(8, 0), 0xA0B0C0u);
    EXPECT_EQ(p1.pixel(8, 1), 0x102030u);

    BmpSpec four{3, 1, 4, 0, palette, {}, std::string("\x23\x10\0\0", 4)};
    const Picture p4 = read(bmp_file(four));
    EXPECT_EQ(p4.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(p4.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(p4.pixel(2, 0), 0xFFFFFFu);

    BmpSpec eight{2, 2, 8, 0, palette, {}, std::string("\x01\x02\0\0\x03\x00\0\0", 8)};
    const Picture p8 = read(bmp_file(eight));  // bottom-up: the first stored row is the bottom
    EXPECT_EQ(p8.pixel(0, 1), 0xFFFFFFu);
    EXPECT_EQ(p8.pixel(1, 1), 0xFF0000u);
    EXPECT_EQ(p8.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(p8.pixel(1, 0), 0x000000u);
}

TEST(BmpReader, SixteenAndThirtyTwoBitsWithAndWithoutBitFields) {
    BmpSpec rgb555{2, 1, 16, 0, {}, {}, std::string("\x00\x7C\x1F\x00", 4)};
    const Picture p16 = read(bmp_file(rgb555));
    EXPECT_EQ(p16.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(p16.pixel(1, 0), 0x0000FFu);

    BmpSpec rgb565{1, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, std::string("\xE0\x07\0\0", 4)};
    EXPECT_EQ(read(bmp_file(rgb565)).pixel(0, 0), 0x00FF00u);

    BmpSpec plain32{1, 1, 32, 0, {}, {}, std::string("\x30\x20\x10\x99", 4)};
    EXPECT_EQ(read(bmp_file(plain32)).pixel(0, 0), 0x102030u);

    // Bit fields in another order: red in the low byte.
    BmpSpec fields{
        1, 1, 32, 3, {}, {0x0000FF, 0x00FF00, 0xFF0000}, std::string("\x30\x20\x10\0", 4)};
    EXPECT_EQ(read(bmp_file(fields)).pixel(0, 0), 0x302010u);
}

TEST(BmpReader, RunLengthEncodedBitmaps) {
    const std::vector<std::uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // RLE8, 4 x 2 bottom-up: bottom row: run of 3 x index 1, literal [2]... (3 bytes: 2 3 2 + pad)
    BmpSpec rle8{4, 2, 8, 1, palette, {}, {}};
    rle8.data = std::string("\x03\x01\x01\x02\x00\x00", 6)            // bottom: 1 1 1 2
                + std::string("\x00\x03\x02\x03\x01\x00\x00\x00", 8)  // top: literal 2 3 1, eol
                + std::string("\x00\x01", 2);
    const Picture p = read(bmp_file(rle8));
    EXPECT_EQ(p.pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(p.pixel(3, 1), 0x00FF00u);
    EXPECT_EQ(p.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(p.pixel(1, 0), 0x0000FFu);
    EXPECT_EQ(p.pixel(2, 0), 0xFF0000u);
    EXPECT_EQ(p.pixel(3, 0), 0x000000u);  // no run reached it

    // RLE4 with a jump: run of 3 alternating 1,2; jump right 1; then 1 pixel of 3.
    BmpSpec rle4{
        5, 1, 4, 2, palette, {}, std::string("\x03\x12\x00\x02\x01\x00\x01\x30\x00\x01", 10)};
    const Picture q = read(bmp_file(rle4));
    EXPECT_EQ(q.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(q.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(q.pixel(2, 0), 0xFF0000u);
    EXPECT_EQ(q.pixel(3, 0), 0x000000u);
    EXPECT_EQ(q.pixel(4, 0), 0x0000FFu);
}

TEST(BmpReader, BrokenFilesGiveClearMessages) {
    const std::string good = testing::bmp24(testing::gradient(4, 4));
    EXPECT_NE(error_of(good.substr(0, good.size() - 1)).find("cut short"), std::string::npos);
    EXPECT_NE(error_of(good.substr(0, 20)).find("cut short"), std::string::npos);
    EXPECT_NE(error_of("BM").find("cut short"), std::string::npos);

    BmpSpec past{2, 1, 8, 0, {0x000000, 0xFFFFFF}, {}, std::string("\x01\x05\0\0", 4)};
    EXPECT_NE(error_of(bmp_file(past)).find("past the end of its palette of 2 colours"),
              std::string::npos);
    BmpSpec rle_past{2, 1, 8, 1, {0x000000}, {}, std::string("\x02\x03\x00\x01", 4)};
    EXPECT_NE(error_of(bmp_file(rle_past)).find("palette"), std::string::npos);
    BmpSpec rle_cut{2, 1, 8, 1, {0x000000}, {}, std::string("\x02\x00", 2)};
    EXPECT_NE(error_of(bmp_file(rle_cut)).find("cut short"), std::string::npos);

    BmpSpec zero{0, 5, 24, 0, {}, {}, std::string(16, '\0')};
    EXPECT_NE(error_of(bmp_file(zero)).find("no pixels"), std::string::npos);
    BmpSpec negative{-3, 5, 24, 0, {}, {}, std::string(16, '\0')};
    EXPECT_NE(error_of(bmp_file(negative)).find("no pixels"), std::string::npos);
    BmpSpec flat{3, 0, 24, 0, {}, {}, std::string(16, '\0')};
    EXPECT_NE(error_of(bmp_file(flat)).find("no pixels"), std::string::npos);

    BmpSpec odd_bits{1, 1, 7, 0, {}, {}, std::string(4, '\0')};
    EXPECT_NE(error_of(bmp_file(odd_bits)).find("7 bits"), std::string::npos);
    BmpSpec png_inside{1, 1, 24, 5, {}, {}, std::string(4, '\0')};
    EXPECT_NE(error_of(bmp_file(png_inside)).find("does not read"), std::string::npos);
}

TEST(BmpReader, HugeDeclaredSizesAreRefusedBeforeAnyAllocation) {
    // 30000 x 30000 x 24 bits declared in a 60-byte file: refused by the pixel cap.
    BmpSpec huge{30000, 30000, 24, 0, {}, {}, std::string(6, '\0')};
    EXPECT_NE(error_of(bmp_file(huge)).find("too large"), std::string::npos);
    // RLE could unpack a tiny file into a big picture: the same cap holds.
    BmpSpec bomb{20000, 20000, 8, 1, {0}, {}, std::string("\x00\x01", 2)};
    EXPECT_NE(error_of(bmp_file(bomb)).find("too large"), std::string::npos);
    // Within the cap but longer than the file: cut short, nothing allocated.
    BmpSpec lie{4000, 3000, 24, 0, {}, {}, std::string(6, '\0')};
    EXPECT_NE(error_of(bmp_file(lie)).find("cut short"), std::string::npos);
    // A side longer than any picture may have.
    BmpSpec thin{1, 100000, 24, 0, {}, {}, std::string(400000, '\0')};
    EXPECT_NE(error_of(bmp_file(thin)).find("at most 65535 on a side"), std::string::npos);
    // A tighter cap, as the fuzz target uses.
    DecodeLimits small;
    small.max_pixels = 10;
    EXPECT_NE(error_of(testing::bmp24(testing::gradient(4, 4)), small).find("too large"),
              std::string::npos);
}

TEST(PictureFile, KindIsToldFromTheBytesNotTheName) {
    EXPECT_EQ(sniff_picture(as_bytes("BM....")), PictureFormat::bmp);
    EXPECT_EQ(sniff_picture(as_bytes("\xFF\xD8\xFF\xE0")), PictureFormat::jpeg);
    EXPECT_EQ(sniff_picture(as_bytes("\x89PNG\r\n\x1A\n....")), PictureFormat::png);
    EXPECT_EQ(sniff_picture(as_bytes("hello")), PictureFormat::unknown);
    try {
        decode_picture(as_bytes("just some text\r\n"));
        FAIL();
    } catch (const PictureError& e) {
        EXPECT_STREQ(e.what(), "The file is not a BMP or JPEG picture.");
    }
    const Picture p = testing::gradient(3, 2);
    EXPECT_EQ(decode_picture(as_bytes(testing::bmp24(p))), p);
}

}  // namespace
}  // namespace quillo::imagetext
