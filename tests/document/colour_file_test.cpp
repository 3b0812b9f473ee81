#include "document/colour_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/errors.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;
constexpr platform::WinColour kBtnFace = static_cast<platform::WinColour>(0x8000000F);

fs::path temp_dir() {
    const auto dir =
        fs::temp_directory_path() /
        ("quillo_colour_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    return dir;
}

TEST(ColourFile, WritesTheFormatByteForByte) {
    ColourGrid g;
    g.set(1, 1, {true, false, 255, 0});
    g.set(1, 2, {false, true, 0, kBtnFace});
    g.set(2, 1, {true, true, 0, 16777215});
    const std::string bytes = format_colour_file(g, 2, 2, false, 0, kBtnFace);
    EXPECT_EQ(bytes,
              "2\r\n2\r\n#1\r\n"
              "*1\r\n255\r\n"
              "*2\r\n-2147483633\r\n"
              "*3\r\n0\r\n16777215\r\n"
              "@\r\n"
              "0\r\n-2147483633\r\n");
    EXPECT_EQ(format_colour_file(g, 0, 0, true, 1, 2), "0\r\n0\r\n#2\r\n1\r\n2\r\n");
    EXPECT_EQ(colour_file_name("/a/b.txt"), fs::path("/a/b.txt.clo"));
}

TEST(ColourFile, AWriteThatFailsHalfWayKeepsTheOldColourFile) {
    const auto path = temp_dir() / "kept.txt.clo";
    ColourGrid g;
    g.set(1, 1, {true, false, 255, 0});
    write_colour_file(path, g, 1, 1, false, 0, kBtnFace);
    const std::string good = format_colour_file(g, 1, 1, false, 0, kBtnFace);

    // A full disk, as the file-size limit makes it: a full grid is far beyond 4 KB.
    for (int r = 1; r <= 80; ++r)
        for (int c = 1; c <= 255; ++c) g.set(r, c, {true, true, r, c});
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool failed = false;
    try {
        write_colour_file(path, g, 80, 255, false, 0, kBtnFace);
    } catch (const platform::FileError&) {
        failed = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(failed);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), good);
}

TEST(ColourFile, RoundTripsOnDiskInBothModes) {
    const auto dir = temp_dir();
    for (const bool double_byte : {false, true}) {
        ColourGrid g;
        for (int r = 1; r <= 80; ++r)
            for (int c = 1; c <= 255; ++c)
                if ((r + c) % 3) g.set(r, c, {(r + c) % 3 == 1, c % 2 == 0, r * 1000 + c, -c});
        g.set(5, 7, {true, false, kBtnFace, 0});  // only a text colour, system colour
        const auto path = dir / (double_byte ? "d.txt.clo" : "s.txt.clo");
        write_colour_file(path, g, 80, 255, double_byte, 0x00FF00, kBtnFace);

        ColourGrid back;
        back.set(5, 7, {false, true, 0, 4242});  // its background value must stay
        bool asked = false;
        const auto result = read_colour_file(path, back, double_byte, [&](bool) {
            asked = true;
            return false;
        });
        EXPECT_FALSE(asked);
        EXPECT_TRUE(result.records_read);
        EXPECT_TRUE(result.labels_read);
        EXPECT_EQ(result.file_mode, double_byte ? 2 : 1);
        EXPECT_EQ(result.rows, 80);
        EXPECT_EQ(result.cells, 255);
        EXPECT_EQ(result.chosen_text, 0x00FF00);
        EXPECT_EQ(result.chosen_back, kBtnFace);
        EXPECT_EQ(back.cell(5, 7), (ColourCell{true, false, kBtnFace, 4242}));
        for (int r = 1; r <= 80; ++r)
            for (int c = 1; c <= 255; ++c) {
                const auto& a = g.cell(r, c);
                const auto& b = back.cell(r, c);
                ASSERT_EQ(a.text_set, b.text_set) << r << "," << c;
                ASSERT_EQ(a.back_set, b.back_set) << r << "," << c;
                if (a.text_set) {
                    ASSERT_EQ(a.text, b.text);
                }
                if (a.back_set) {
                    ASSERT_EQ(a.back, b.back);
                }
            }
    }
    fs::remove_all(dir);
}

TEST(ColourFile, AsksForTheModeSwitchBeforeAnyCell) {
    ColourGrid g;
    const std::string file = "1\r\n1\r\n#2\r\n*1\r\n5\r\n0\r\n0\r\n";
    bool asked_to_double = false;
    auto result = read_colour_file_bytes(file, g, false, [&](bool to_double) {
        asked_to_double = to_double;
        EXPECT_FALSE(g.cell(1, 1).has_flag());
        return true;
    });
    EXPECT_TRUE(asked_to_double);
    EXPECT_TRUE(result.mode_switched);
    EXPECT_TRUE(g.cell(1, 1).text_set);
    // The same mode asks nothing; an unknown mode character neither.
    int questions = 0;
    read_colour_file_bytes(file, g, true, [&](bool) { return ++questions, false; });
    read_colour_file_bytes("1\r\n1\r\n#x\r\n@\r\n0\r\n0\r\n", g, true,
                           [&](bool) { return ++questions, false; });
    EXPECT_EQ(questions, 0);
}

TEST(ColourFile, BadInputStopsSilentlyKeepingWhatWasRead) {
    const ColourCell before{true, true, 11, 22};
    auto fresh = [&] {
        ColourGrid g;
        for (int c = 1; c <= 4; ++c) g.set(1, c, before);
        return g;
    };
    // Bad header: nothing read, nothing touched.
    for (const char* bad : {"", "x\r\n1\r\n#1\r\n", "1\r\n\r\n#1\r\n", "1\r\n1\r\n1\r\n@\r\n",
                            "99999999999\r\n1\r\n#1\r\n"}) {
        ColourGrid g = fresh();
        const auto result = read_colour_file_bytes(bad, g, false, {});
        EXPECT_FALSE(result.header_read) << bad;
        EXPECT_EQ(g.cell(1, 1), before);
    }
    // A bad colour value: earlier cells keep theirs, the record loses both flags, later ones
    // and the chosen colours are not applied.
    {
        ColourGrid g = fresh();
        const auto result = read_colour_file_bytes(
            "1\r\n4\r\n#1\r\n*2\r\n7\r\n*3\r\n8\r\nblue\r\n*1\r\n9\r\n0\r\n0\r\n", g, false, {});
        EXPECT_TRUE(result.header_read);
        EXPECT_FALSE(result.records_read);
        EXPECT_FALSE(result.labels_read);
        EXPECT_EQ(g.cell(1, 1), (ColourCell{false, true, 11, 7}));
        EXPECT_FALSE(g.cell(1, 2).has_flag());
        EXPECT_EQ(g.cell(1, 3), before);
    }
    // Any other record line clears both flags and keeps the values.
    {
        ColourGrid g = fresh();
        read_colour_file_bytes("1\r\n1\r\n#1\r\n*4\r\n1\r\n2\r\n", g, false, {});
        EXPECT_EQ(g.cell(1, 1), (ColourCell{false, false, 11, 22}));
    }
    // A cut record: the missing value ends the reading; a file ending between records reads the
    // rest as uncoloured and then fails on the missing chosen colours.
    {
        ColourGrid g = fresh();
        const auto result = read_colour_file_bytes("1\r\n4\r\n#1\r\n*1\r\n5\r\n*1", g, false, {});
        EXPECT_FALSE(result.labels_read);
        EXPECT_EQ(g.cell(1, 1).text, 5);
        EXPECT_FALSE(g.cell(1, 2).has_flag());
        EXPECT_EQ(g.cell(1, 3), before);
    }
    {
        ColourGrid g = fresh();
        EXPECT_THROW(read_colour_file_bytes("1\r\n4\r\n#1\r\n*1\r\n5\r\n", g, false, {}),
                     platform::ConversionError);
        EXPECT_TRUE(g.cell(1, 1).text_set);
        EXPECT_FALSE(g.cell(1, 4).has_flag());
    }
    // A bad chosen colour line is the conversion error.
    {
        ColourGrid g;
        EXPECT_THROW(read_colour_file_bytes("1\n1\n#1\n@\n12\nnope\n", g, false, {}),
                     platform::ConversionError);
    }
}

TEST(ColourFile, MoreRowsAndCellsThanTheLayerAndGarbageNeverCrash) {
    // 90 rows of 300 cells, lone LF line ends: cells beyond 80 x 256 are read and dropped.
    std::string file = "90\n300\n#1\n";
    for (int r = 1; r <= 90; ++r)
        for (int c = 1; c <= 300; ++c) file += "*1\n" + std::to_string(r * 1000 + c) + "\n";
    file += "1\n2\n";
    ColourGrid g;
    const auto result = read_colour_file_bytes(file, g, false, {});
    EXPECT_TRUE(result.labels_read);
    EXPECT_EQ(result.chosen_back, 2);
    EXPECT_EQ(g.cell(80, 256).text, 80256);
    EXPECT_EQ(g.cell(3, 4).text, 3004);

    // Huge counts in a short file end at the file's end, quickly.
    ColourGrid h;
    EXPECT_THROW(
        read_colour_file_bytes("2147483647\r\n2147483647\r\n#1\r\n*1\r\n3\r\n", h, false, {}),
        platform::ConversionError);
    EXPECT_EQ(h.cell(1, 1).text, 3);
    // A negative count reads no records: the next lines are the chosen colours.
    EXPECT_EQ(read_colour_file_bytes("-5\r\n3\r\n#1\r\n7\r\n8\r\n", h, false, {}).chosen_text, 7);

    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        std::string garbage = round % 2 ? "3\r\n3\r\n#1\r\n" : "";
        const int n = static_cast<int>(random() % 400);
        for (int i = 0; i < n; ++i) garbage += static_cast<char>(random() % 256);
        ColourGrid any;
        try {
            read_colour_file_bytes(garbage, any, round % 3 == 0, [](bool) { return true; });
        } catch (const platform::ConversionError&) {
        }
    }
}

}  // namespace
}  // namespace quillo::document
