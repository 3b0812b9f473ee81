// Every row of docs/bad-input.md: what each loader does with files that are cut short, binary,
// badly encoded, huge, empty, or no file at all. The tests run as root, where permission bits
// stop nothing; unreadable and read-only paths are made from /proc (a read fails with EIO, a
// file cannot be created there) and from paths inside a missing folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "canvas/canvas_state.h"
#include "canvas/canvas_window.h"
#include "document/ansi_import.h"
#include "document/colour_file.h"
#include "document/document.h"
#include "document/ini_file.h"
#include "document/save_file.h"
#include "document/settings_file.h"
#include "document/text_file.h"
#include "platform/errors.h"
#include "platform/gbk.h"

namespace quillo::document {
namespace {

namespace fs = std::filesystem;
using platform::ConversionError;
using platform::FileError;

class TempDir {
  public:
    TempDir() : path_(fs::temp_directory_path() / ("quillo_bad_" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return path_ / name;
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const FileError& e) {
        return e.what();
    }
    return "no error";
}

// Load window then store window with nothing changed: the lines the document gets back.
std::vector<std::string> through_window(const std::vector<std::string>& lines, bool double_byte,
                                        int height = 25) {
    auto c = std::make_unique<canvas::CanvasState>();
    c->height = height;
    c->double_byte = double_byte;
    Document doc{lines};
    const int p = std::max(height, doc.line_count());
    canvas::load_window(*c, doc, p);
    canvas::store_window(*c, doc, p);
    return doc.lines;
}

std::string all_bytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
}

TEST(BadInput, TextDocumentsOfEveryShapeLoadByteForByte) {
    TempDir dir;
    // Cut in the middle of a full-width character: the lone lead byte stays the last byte.
    const auto cut = read_text_file(dir.write("cut.txt", "ab\xB0\xA1\r\n\xB0\xA1\xB0"));
    EXPECT_EQ(cut.lines, (std::vector<std::string>{"ab\xB0\xA1", "\xB0\xA1\xB0"}));
    EXPECT_EQ(through_window(cut.lines, true), cut.lines);
    EXPECT_EQ(through_window(cut.lines, false), cut.lines);

    // Binary junk: every byte value, NUL included, loads; only CR and LF split lines.
    const std::string junk = all_bytes() + all_bytes();
    const auto bin = read_text_file(dir.write("junk.bin", junk));
    EXPECT_TRUE(bin.has_nul);
    EXPECT_EQ(bin.byte_count, junk.size());
    std::string rejoined;
    for (const auto& l : bin.lines) rejoined += l;
    std::string expected = junk;
    std::erase_if(expected, [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(rejoined, expected);
    // Two rounds of "...\n\v\f\r..." make LF and CR two line ends each time: 4 ends, 5 lines.
    EXPECT_EQ(bin.lines.size(), 5u);
    EXPECT_EQ(through_window(bin.lines, true), bin.lines);

    // CR alone ends lines (old Mac files); an empty line between two CRs is kept.
    EXPECT_EQ(read_text_file(dir.write("cr.txt", "a\rb\r\rc")).lines,
              (std::vector<std::string>{"a", "b", "", "c"}));

    const auto empty = read_text_file(dir.write("empty.txt", ""));
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_EQ(empty.byte_count, 0u);
    EXPECT_FALSE(empty.has_nul);

    // A 100 000-byte line: the row holds its first 255 bytes, the rest waits in the window and
    // goes back with the row, changed or not.
    std::string huge_line(100000, 'x');
    huge_line[99999] = 'E';
    const auto huge = read_text_file(dir.write("long.txt", "short\r\n" + huge_line + "\r\n"));
    ASSERT_EQ(huge.lines.size(), 2u);
    EXPECT_EQ(huge.lines[1], huge_line);
    EXPECT_EQ(through_window(huge.lines, false), huge.lines);
    auto c = std::make_unique<canvas::CanvasState>();
    c->height = 2;
    Document doc{huge.lines};
    canvas::load_window(*c, doc, 2);
    EXPECT_EQ(c->layers.row(canvas::kCommitted, 2).size(), 255u);
    canvas::lay_pen(*c, canvas::kCommitted, 1, 2, "#");
    canvas::store_window(*c, doc, 2);
    EXPECT_EQ(doc.lines[1], "#" + huge_line.substr(1));
}

TEST(BadInput, HugeFilesLoadOrAreRefusedWhole) {
    TempDir dir;
    // 50 MB of 100-byte lines, written in one piece.
    const std::string line = std::string(98, 'a') + "\r\n";
    const std::size_t count = 50 * 1024 * 1024 / line.size();
    {
        std::string block;
        for (int i = 0; i < 10000; ++i) block += line;
        std::ofstream out(dir.path() / "big.txt", std::ios::binary);
        for (std::size_t i = 0; i < count / 10000; ++i) out << block;
    }
    const auto big = read_text_file(dir.path() / "big.txt");
    EXPECT_EQ(big.lines.size(), count / 10000 * 10000);
    EXPECT_EQ(big.byte_count, big.lines.size() * line.size());
    EXPECT_EQ(big.lines.back(), std::string(98, 'a'));

    // Beyond the limit: refused from its size alone (a sparse file, nothing is read).
    const fs::path sparse = dir.path() / "sparse.txt";
    std::ofstream(sparse).close();
    fs::resize_file(sparse, kMaxDocumentBytes + 1);
    EXPECT_NE(error_of([&] { read_text_file(sparse); }).find("too large"), std::string::npos);
}

TEST(BadInput, PathsThatAreNoReadableFile) {
    TempDir dir;
    const fs::path in_missing_folder = dir.path() / "no such folder" / "a.txt";
    EXPECT_NE(error_of([&] { read_text_file(in_missing_folder); }).find("does not exist"),
              std::string::npos);
    EXPECT_NE(error_of([&] { read_text_file(dir.path()); }).find("It is a folder"),
              std::string::npos);
    // A pipe: refused without waiting for a writer.
    const fs::path fifo = dir.path() / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(error_of([&] { read_text_file(fifo); }).find("not a regular file"),
              std::string::npos);
    // Unreadable even for root: /proc/self/mem is a regular file whose first page is unmapped,
    // so read() fails with EIO.
    EXPECT_NE(error_of([&] { read_text_file("/proc/self/mem"); }).find("Read error"),
              std::string::npos);

    // Colour files beside a document: missing and folder give an error to the caller.
    ColourGrid grid;
    EXPECT_NE(error_of([&] { read_colour_file(in_missing_folder, grid, false, {}); }), "no error");
    EXPECT_NE(error_of([&] { read_colour_file(dir.path(), grid, false, {}); }), "no error");

    // The settings file: missing is an empty profile; a folder or an unreadable file is an
    // error for IniFile, and quietly the defaults for the settings reader.
    EXPECT_TRUE(IniFile::load(in_missing_folder).lines().empty());
    EXPECT_NE(error_of([&] { IniFile::load(dir.path()); }), "no error");
    EXPECT_NE(error_of([&] { IniFile::load("/proc/self/mem"); }), "no error");
    const Settings defaults;
    fs::create_directories(dir.path() / "quillo.ini");
    EXPECT_EQ(read_settings_file(dir.path() / "quillo.ini").chinese, defaults.chinese);
    EXPECT_EQ(read_settings_file("/proc/self/mem").pen_st, defaults.pen_st);
}

TEST(BadInput, PathsThatCannotBeWrittenKeepWhatIsThere) {
    TempDir dir;
    const std::vector<std::string> lines{"keep", "me"};
    // Inside a missing folder: an error, and no folder is made.
    const fs::path in_missing_folder = dir.path() / "gone" / "a.txt";
    EXPECT_NE(error_of([&] { save_document(in_missing_folder, lines, false, true); }), "no error");
    EXPECT_FALSE(fs::exists(dir.path() / "gone"));
    // A folder where the file should go: the folder and what is in it stay.
    const fs::path folder = dir.path() / "doc.txt";
    fs::create_directories(folder);
    dir.write("doc.txt/inside", "x");
    EXPECT_NE(error_of([&] { save_document(folder, lines, false, false); }), "no error");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::exists(folder / "inside"));
    // Read-only even for root: /proc takes no new files, so the temporary file cannot be made
    // and the existing /proc/version stays what it was.
    const std::string version = read_file_bytes("/proc/version");
    EXPECT_NE(error_of([&] { save_document("/proc/version", lines, false, false); }), "no error");
    EXPECT_EQ(read_file_bytes("/proc/version"), version);
    ColourGrid grid;
    EXPECT_NE(error_of([&] { write_colour_file("/proc/version.clo", grid, 1, 1, false, 0, 0); }),
              "no error");
    IniFile ini;
    ini.write_int("display", "chinese", 1);
    EXPECT_NE(error_of([&] { ini.save(folder); }), "no error");
    EXPECT_TRUE(fs::is_directory(folder));
    // Nothing was left behind in the folders written to.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1u);  // doc.txt, the folder
}

TEST(BadInput, ColourFilesCutShortOrJunkColourWhatTheyCan) {
    ColourGrid source;
    for (int c = 1; c <= 3; ++c) source.set(1, c, ColourCell{true, true, 0x0000FF, 0x00FF00});
    const std::string full = format_colour_file(source, 1, 3, false, 255, -16777201);

    // Every cut: no fault, only ConversionError for the missing chosen colours, and no cell
    // beyond the first row's three is touched. (A cut inside the last number leaves a shorter
    // number, which no reader can tell from a whole one.)
    const std::size_t last_label = full.size() - std::string("-16777201\r\n").size();
    for (std::size_t n = 0; n <= last_label; ++n) {
        ColourGrid grid;
        try {
            const auto r = read_colour_file_bytes(full.substr(0, n), grid, false, {});
            EXPECT_FALSE(r.labels_read) << n;
        } catch (const ConversionError&) {
        }
        EXPECT_EQ(grid.cell(1, 4), ColourCell{});
        EXPECT_EQ(grid.cell(2, 1), ColourCell{});
    }
    // A file cut between records and bad headers: colour_file_test.cpp.
    // CR-only line ends read like CR LF.
    std::string cr_only = full;
    std::erase(cr_only, '\n');
    ColourGrid g;
    const auto r = read_colour_file_bytes(cr_only, g, false, {});
    EXPECT_TRUE(r.labels_read);
    EXPECT_EQ(r.chosen_back, -16777201);
    EXPECT_EQ(g.cell(1, 3), source.cell(1, 3));
    // A huge row count with no cells ends at once (it used to spin through two billion empty
    // rows) and so does one with huge counts and no records.
    for (const char* h :
         {"2147483647\r\n0\r\n#1\r\n1\r\n2\r\n", "2147483647\r\n-2147483648\r\n#2\r\n1\r\n2\r\n",
          "2147483647\r\n2147483647\r\n#1\r\n"}) {
        ColourGrid big;
        try {
            EXPECT_TRUE(read_colour_file_bytes(h, big, false, {}).records_read);
        } catch (const ConversionError&) {
        }
    }
}

TEST(BadInput, SettingsFilesOfAnyShapeReadAndKeepTheirBytes) {
    // Empty, junk, cut and CR-only profiles: values that are there are read, the rest default,
    // and a profile saved without a change is the file with CR LF line ends.
    EXPECT_EQ(IniFile::from_bytes("").read_int("display", "chinese", 7), 7);
    const IniFile cr = IniFile::from_bytes("[display]\rchinese=1\r[pen]\rkind=2");
    EXPECT_EQ(cr.read_int("display", "chinese", 0), 1);
    EXPECT_EQ(cr.read_int("pen", "kind", 0), 2);
    EXPECT_EQ(cr.to_bytes(), "[display]\r\nchinese=1\r\n[pen]\r\nkind=2\r\n");
    // Cut in the middle of a header and of a number.
    const IniFile cut = IniFile::from_bytes("[display]\r\nchinese=1\r\n[pe");
    EXPECT_EQ(cut.read_int("display", "chinese", 0), 1);
    EXPECT_EQ(cut.read_int("pen", "kind", 9), 9);
    EXPECT_EQ(IniFile::from_bytes("[a]\r\nn=12").read_int("a", "n", 0), 12);
    EXPECT_EQ(IniFile::from_bytes("[a]\r\nn=").read_int("a", "n", 5), 5);

    IniFile junk = IniFile::from_bytes(all_bytes());
    EXPECT_EQ(junk.to_bytes(), join_lines_crlf(split_lines(all_bytes())));
    junk.write_string("display", "font", "x");
    EXPECT_EQ(junk.read_string("display", "font", ""), "x");
    EXPECT_EQ(read_settings(IniFile::from_bytes(all_bytes())).pen_st, Settings{}.pen_st);

    // A 100 000-byte value goes in and out whole.
    IniFile ini;
    const std::string long_value(100000, '\xB0');
    ini.write_string("file", "name", long_value);
    EXPECT_EQ(IniFile::from_bytes(ini.to_bytes()).read_string("file", "name", ""), long_value);
}

TEST(BadInput, AnsiTextsStayInsideTheSelectionBuffer) {
    const AnsiImport empty = import_ansi("", false, 80);
    EXPECT_TRUE(empty.rows.size() <= 1 && !empty.error);

    // 100 lines of 100 000 bytes: 80 rows, the rest counted as left out. The layer's 150 cells
    // fill before the 255-byte canvas width, and a full row keeps two more bytes: 152.
    std::string huge;
    for (int i = 0; i < 100; ++i) huge += std::string(100000, 'x') + "\r\n";
    const AnsiImport a = import_ansi(huge, false, 255);
    EXPECT_EQ(a.rows.size(), 80u);
    EXPECT_EQ(a.lines_left_out, 20);
    for (const auto& row : a.rows) EXPECT_LE(row.size(), 255u);
    for (const auto& row : a.cells) EXPECT_LE(row.size(), static_cast<std::size_t>(kAnsiMaxCells));
    EXPECT_EQ(a.cut_rows, 80);
    EXPECT_EQ(a.bytes_left_out, 80LL * (100000 - 152));
    EXPECT_EQ(a.rows.front().size(), 152u);

    // Junk, escapes cut short at every point, and a parameter that is no number.
    const std::string escape = "ab**[1;31mcd\x1B\x1B[44m";
    for (std::size_t n = 0; n <= escape.size(); ++n) {
        const AnsiImport cut = import_ansi(escape.substr(0, n), true, 80);
        EXPECT_FALSE(cut.error) << n;
        EXPECT_LE(cut.rows.size(), 1u);
    }
    const AnsiImport junk = import_ansi(all_bytes() + all_bytes(), true, 80);
    EXPECT_LE(junk.rows.size(), 80u);
    const AnsiImport bad = import_ansi("kept\r\n**[4x;1mlost\r\nnever", false, 80);
    ASSERT_TRUE(bad.error.has_value());
    EXPECT_EQ(bad.rows.front().substr(0, 4), "kept");
}

TEST(BadInput, InvalidGbkSurvivesEveryMapping) {
    // Lone lead bytes, 0x80, 0xFF, a lead byte before a control character and before the end.
    const std::vector<std::string> lines{"\x81", "\x80\xFF", "a\xB0\r", "\xFE\x7F\xFE", "\xB0"};
    for (const auto& l : lines) {
        EXPECT_EQ(platform::utf16_to_gbk(platform::gbk_to_utf16(l)), l);
        EXPECT_EQ(platform::utf8_to_gbk(platform::gbk_to_utf8(l)), l);
    }
    std::vector<std::string> doc_lines{"\x81", "\x80\xFF", "\xFE\x7F\xFE", "\xB0"};
    EXPECT_EQ(through_window(doc_lines, true, 4), doc_lines);
    EXPECT_EQ(through_window(doc_lines, false, 1), doc_lines);
    // Malformed UTF-8 (a file name or script text) comes through as stray bytes.
    EXPECT_EQ(platform::utf8_to_gbk("\xC0\xAF\xED\xA0\x80").size(), 5u);
}

}  // namespace
}  // namespace quillo::document
