// Printing from the main window. Window tests never reach a real printer: the command offers a
// PDF file instead, and the PDF is read back with poppler's pdfinfo, pdftotext and pdftoppm.
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <cstdio>
#include <sstream>

#include "platform/gbk.h"
#include "window_fixture.h"
#include "window_helpers.h"

namespace quillo::testing {

namespace {

namespace fs = std::filesystem;

// Standard output of a shell command line (arguments are our own temporary paths).
std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

int pdf_pages(const fs::path& pdf) {
    std::istringstream info(run("pdfinfo '" + pdf.string() + "' 2>/dev/null"));
    std::string line;
    while (std::getline(info, line))
        if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
    return -1;
}

// The non-blank lines of one page's text.
std::vector<std::string> page_lines(const fs::path& pdf, int page) {
    const std::string p = std::to_string(page);
    std::istringstream text(
        run("pdftotext -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>/dev/null"));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(text, line)) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
        while (!line.empty() && line.front() == '\f') line.erase(0, 1);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class PrintWindowTest : public WindowTest {
  protected:
    // Answers the no-printer question with Yes and the save dialog with `pdf`.
    void print_to(const fs::path& pdf) {
        ui.queue_answer(platform::Answer::yes);
        ui.queue_file(platform::FileDialogResult{pdf.string(), 1});
        click("n_print");
    }

    void to_normal_mode() {
        if (!form->normal_mode()) click("n_view");
        ASSERT_TRUE(form->normal_mode());
    }
    void to_drawing_mode() {
        if (form->normal_mode()) click("n_view");
        ASSERT_FALSE(form->normal_mode());
    }
};

TEST_F(PrintWindowTest, ALongDocumentGoesOnOverPagesWithEveryLineInItsPlace) {
    std::string doc;
    char name[16];
    for (int i = 1; i <= 200; ++i) {
        std::snprintf(name, sizeof name, "line %03d", i);
        doc += name;
        if (i == 1) doc += " \xD6\xD0\xCE\xC4";  // 中文: full-width glyphs are text too
        doc += "\r\n";
    }
    start(write_file("long.txt", doc).string());
    to_normal_mode();
    const fs::path pdf = dir / "long.pdf";
    print_to(pdf);  // the no-printer question: print_pdf.qs
    EXPECT_EQ(ui.file_requests().back().file_name, "long.pdf");

    const int pages = pdf_pages(pdf);
    ASSERT_GE(pages, 3) << "pdfinfo (poppler-utils) must be installed";
    int next = 1;
    std::size_t per_page = 0;
    for (int p = 1; p <= pages; ++p) {
        const auto lines = page_lines(pdf, p);
        ASSERT_FALSE(lines.empty()) << "page " << p;
        if (p == 1) {
            per_page = lines.size();
            EXPECT_EQ(lines.front(), "line 001 中文");
        }
        if (p < pages) {
            EXPECT_EQ(lines.size(), per_page) << "page " << p << " is not full";
        }
        for (const auto& line : lines) {
            std::snprintf(name, sizeof name, "line %03d", next);
            EXPECT_EQ(line.substr(0, 8), name) << "page " << p;
            ++next;
        }
    }
    EXPECT_EQ(next, 201);
    EXPECT_EQ(page_lines(pdf, pages).back(), "line 200");
}

TEST_F(PrintWindowTest, ColouredCellsPrintAsTheCanvasShowsThem) {
    start(write_file("art.txt", "XXXXXXXXXX\r\n\xD6\xD0\xCE\xC4XXXXXX\r\nXXXXXXXXXX\r\n").string());
    to_drawing_mode();
    ASSERT_FALSE(form->double_byte());
    if (!form->multicolour()) click("n_color");
    ASSERT_TRUE(form->multicolour());
    // Cells 1..4 of rows 1 and 3 on green (Windows colour values are 0x00BBGGRR); on row 2 a
    // red cell holds the second byte of a full-width character.
    for (int r : {1, 3})
        for (int c = 1; c <= 4; ++c) form->colours.layer.set(r, c, {false, true, 0, 0x00FF00});
    form->colours.layer.set(2, 2, {false, true, 0, 0x0000FF});
    const fs::path pdf = dir / "art.pdf";
    print_to(pdf);
    ASSERT_EQ(pdf_pages(pdf), 1);
    const auto lines = page_lines(pdf, 1);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "XXXXXXXXXX");
    EXPECT_EQ(lines[1], "中文XXXXXX");  // the character is not cut by its colours

    // At 72 pixels per inch a point is a pixel: a column is 6 of them and a line 11.52.
    run("pdftoppm -r 72 -f 1 -l 1 -png '" + pdf.string() + "' '" + (dir / "page").string() + "'");
    QImage page;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".png") page.load(QString::fromStdString(e.path().string()));
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) must be installed";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const auto pixel = [&](double column, double line) {
        return page.pixelColor(int(area.left() + column * 6), int(area.top() + line * 11.52));
    };
    // Between glyph strokes: the top pixel rows of a cell hold no ink in Unifont.
    EXPECT_EQ(pixel(1.5, 2.05), QColor(0, 255, 0));
    EXPECT_EQ(pixel(1.5, 1.05), QColor(255, 0, 0));
    EXPECT_EQ(pixel(6.5, 2.05), QColor(0xD4, 0xD0, 0xC8));  // the canvas background
    EXPECT_EQ(pixel(20.5, 2.05), QColor(255, 255, 255));    // beyond the rows: paper
}

// Declining, a cancelled dialog and a missing folder are in print_pdf.qs.
TEST_F(PrintWindowTest, AnExistingPdfIsReplacedOnlyByACompleteOne) {
    start(write_file("note.txt", "hello\r\n").string());
    const fs::path pdf = write_file("note.pdf", "old");
    print_to(pdf);
    EXPECT_EQ(file_bytes(pdf).substr(0, 5), "%PDF-");
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find(".quillo-"), std::string::npos);
}

}  // namespace
}  // namespace quillo::testing
