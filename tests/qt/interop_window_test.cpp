// UTF-8 open and copy, PNG and ANSI export, and the zoom, through the main window.
#include <unistd.h>

#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <fstream>
#include <functional>
#include <sstream>

#include "canvas/canvas_size.h"
#include "canvas/qt/canvas_widgets.h"
#include "canvas/row_text.h"
#include "interop/ansi_export.h"
#include "interop/canvas_picture.h"
#include "platform/colours.h"
#include "window_fixture.h"

namespace quillo::testing {

namespace fs = std::filesystem;
using platform::Answer;
using platform::FileDialogResult;

class InteropWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        old_cwd = fs::current_path();
        fs::current_path(dir);  // an untitled document is saved in the current folder
    }
    void TearDown() override {
        fs::current_path(old_cwd);
        WindowTest::TearDown();
    }

    std::string read(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto& s : ui.take_shown())
            if (s.kind == platform::ScriptedUi::Shown::message) out.push_back(s.text);
        return out;
    }

    // A mouse event at a point of the widget, in its own units (as a real mouse gives them).
    void mouse(QWidget* w, QEvent::Type type, QPointF at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent ev(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
        settle();
    }
    // A drag of the floating block by (dx, dy) widget units: it moves under the pointer, so
    // every step is aimed in screen coordinates.
    void drag_block(int dx, int dy) {
        QWidget* w = form->write_in_imag;
        const QPoint start = w->mapToGlobal(QPoint(4, 4));
        mouse(w, QEvent::MouseMove, w->mapFromGlobal(start));
        mouse(w, QEvent::MouseButtonPress, w->mapFromGlobal(start));
        for (int s = 1; s <= 4; ++s)
            mouse(w, QEvent::MouseMove, w->mapFromGlobal(start + QPoint(dx, dy) * s / 4));
        mouse(w, QEvent::MouseButtonRelease, w->mapFromGlobal(start + QPoint(dx, dy)));
    }
    void drag(QWidget* w, QPointF from, QPointF to) {
        mouse(w, QEvent::MouseMove, from);
        mouse(w, QEvent::MouseButtonPress, from);
        mouse(w, QEvent::MouseMove, (from + to) / 2);
        mouse(w, QEvent::MouseMove, to);
        mouse(w, QEvent::MouseButtonRelease, to);
    }

    // The PNG export of the canvas (tag 0) or of the floating block, at a scale.
    QImage export_png(const char* command, int scale, const fs::path& path) {
        ui.queue_input(std::to_string(scale));
        ui.queue_file(FileDialogResult{path.string(), 1});
        if (fs::exists(path)) ui.queue_answer(Answer::yes);
        click(command);
        return QImage(QString::fromStdString(path.string()));
    }

    // Every pixel of the file is the picture's pixel under it.
    void expect_pixels(const QImage& png, int width, int height, int scale,
                       const std::function<platform::Rgb(int, int)>& want) {
        ASSERT_FALSE(png.isNull());
        ASSERT_EQ(png.width(), width * scale);
        ASSERT_EQ(png.height(), height * scale);
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                ASSERT_EQ(png.pixel(x, y) & 0xFFFFFF, want(x / scale, y / scale))
                    << "at " << x << "," << y << " scale " << scale;
    }

    void colour_some_cells() {
        if (!form->multicolour()) click("n_color");
        form->colours.layer.set(1, 2, {true, true, 0x0000FF, 0x00FFFF});
        form->colours.layer.set(2, 5, {false, true, 0, 0x804000});
        form->colours.layer.set(3, 1, {true, false, 0x00AA00, 0});
        form->repaint_all(true);
        settle();
    }

    fs::path old_cwd;
};

TEST_F(InteropWindowTest, PngIsTheViewPixelForPixel) {
    write_file("art.txt", "Hi \xD6\xD0\xCE\xC4 there\r\n/\\_/\\ **\r\n( o.o )\r\n");
    start((dir / "art.txt").string());
    colour_some_cells();
    const auto& c = form->canvas;
    for (int scale : {1, 3}) {
        const QImage png = export_png("n_png_out", scale, dir / "canvas.png");
        expect_pixels(png, c.width * 8, c.height * 16, scale,
                      [&](int x, int y) { return form->image.pixel(x, y); });
    }

    // A copied block, dragged two cells right and one row down: the picture shows it floating.
    click("sb1_drag");
    drag(form->Image1, {8 + 4, 8}, {4 * 8 + 4, 16 + 8});  // cells 2..5, rows 1..2
    ASSERT_TRUE(form->write_in_imag->isVisible());
    drag_block(16, 16);
    const auto& block = form->write_in_imag->raster();
    const int bx = form->write_in_imag->canvas_x();
    const int by = form->write_in_imag->canvas_y();
    EXPECT_EQ(bx, 3 * 8);
    EXPECT_EQ(by, 16);
    expect_pixels(export_png("n_png_out", 2, dir / "floating.png"), c.width * 8, c.height * 16, 2,
                  [&](int x, int y) {
                      const bool on =
                          x >= bx && x < bx + block.width() && y >= by && y < by + block.height();
                      return on ? block.pixel(x - bx, y - by) : form->image.pixel(x, y);
                  });
    expect_pixels(export_png("n_png_block", 4, dir / "block.png"), block.width(), block.height(), 4,
                  [&](int x, int y) { return block.pixel(x, y); });
    EXPECT_TRUE(form->write_in_imag->isVisible()) << "an export leaves the block floating";
    EXPECT_TRUE(messages().empty());

    // A folder that cannot be written: a message, no file (bad scales: png_export.qs).
    ui.queue_input("1");
    ui.queue_file(FileDialogResult{"/proc/quillo/none.png", 1});
    click("n_png_out");
    const auto failed = messages();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].rfind("PNG图片没有写成：", 0), 0u) << failed[0];
}

TEST_F(InteropWindowTest, PicturesOfManyColoursAreWrittenAsRgb) {
    platform::Raster raster(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            raster.set_brush_colour(
                static_cast<platform::Rgb>(x * 6 << 16 | y * 12 << 8 | (x ^ y)));
            raster.fill_rect(x, y, 1, 1);
        }
    const std::string png = interop::picture_png(interop::block_picture(raster), 2);
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                          static_cast<int>(png.size()), "PNG");
    expect_pixels(image, 40, 20, 2, [&](int x, int y) { return raster.pixel(x, y); });
}

TEST_F(InteropWindowTest, MouseMapsToCellsAtZoomThree) {
    start();
    click("n_zoom_3");
    ASSERT_EQ(form->zoom_factor, 3);
    EXPECT_EQ(form->Image1->width(), 3 * canvas::kImageSize);
    // The columns the panel holds, the status read-out at units 95 and 96 and the checked
    // commands: zoom.qs.

    // A point laid at the cell under the pointer.
    form->pen_txt->setText("#");
    click("sb2_line");
    click("sb2_dot");
    const QPointF cell_7_3(3 * (6 * 8 + 4), 3 * (2 * 16 + 8));
    mouse(form->Image1, QEvent::MouseMove, cell_7_3);
    mouse(form->Image1, QEvent::MouseButtonPress, cell_7_3);
    mouse(form->Image1, QEvent::MouseMove, cell_7_3);
    mouse(form->Image1, QEvent::MouseButtonRelease, cell_7_3);
    EXPECT_EQ(row(canvas::kCommitted, 3).substr(0, 8), "      # ");

    // What the widget paints is the raster, each pixel 3 x 3, the point included (also a part
    // whose edges fall inside canvas pixels).
    for (const QRect part : {QRect(0, 0, 300, 150), QRect(131, 95, 61, 44)}) {
        const QImage shown = form->Image1->grab(part).toImage();
        ASSERT_EQ(shown.size(), part.size());
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF,
                          form->image.pixel((part.x() + x) / 3, (part.y() + y) / 3))
                    << "at " << part.x() + x << "," << part.y() + y;
    }

    // A block chosen and dragged at zoom 3: its frame and image stand where the view shows it.
    click("sb1_drag");
    drag(form->Image1, {3 * (8 + 4), 3 * 8}, {3 * (3 * 8 + 4), 3 * (16 + 8)});
    ASSERT_TRUE(form->write_in_imag->isVisible());
    EXPECT_EQ(form->selection.rect.left, 2);
    EXPECT_EQ(form->selection.rect.right, 4);
    EXPECT_EQ(form->selection.rect.bottom, 2);
    EXPECT_EQ(form->write_in_imag->geometry(), QRect(3 * 8, 0, 3 * 3 * 8, 3 * 2 * 16));
    EXPECT_EQ(form->Btop->geometry().topLeft(), QPoint(3 * 8, 0));
    drag_block(3 * 16, 0);  // 16 canvas pixels: two cells
    EXPECT_EQ(form->selection.rect.left, 4);
    EXPECT_EQ(form->selection.rect.right, 6);
    EXPECT_EQ(form->write_in_imag->geometry().topLeft(), QPoint(3 * 3 * 8, 0));  // cell 4
    EXPECT_EQ(form->Bright->x(), 3 * 6 * 8);                                     // after cell 6

    // Back to the screen's factor: the block is placed (the canvas's size back: zoom.qs).
    click("n_zoom_default");
    EXPECT_FALSE(form->write_in_imag->isVisible());
    EXPECT_EQ(row(canvas::kCommitted, 1).substr(0, 8), "        ");
}

// Bad UTF-8, the stand-ins for what GBK lacks and Open's Yes: utf8_open.qs.
TEST_F(InteropWindowTest, Utf8TextsTooLargeAreRefusedAndOpenMayKeepTheBytesAsTheyAre) {
    write_file("doc.txt", "keep me\r\n");
    start((dir / "doc.txt").string());
    const std::vector<std::string> before = form->document_for_reading().lines;

    // 50 MB: refused before a byte is read.
    const auto huge = dir / "huge.txt";
    { std::ofstream(huge) << "x"; }
    fs::resize_file(huge, 50u << 20);
    ui.queue_file(FileDialogResult{huge.string(), 1});
    click("n_utf8_open");
    const auto refused = messages();
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("50.0 MB"), std::string::npos) << refused[0];
    EXPECT_EQ(form->document_for_reading().lines, before);

    // Open on a ".txt" that is UTF-8 and no GBK asks; No reads its bytes as they are.
    const auto box = write_file("box.txt", "\xE2\x94\x80\xE2\x94\x80\r\n");
    ui.queue_file(FileDialogResult{box.string(), 1});
    ui.queue_answer(Answer::no);
    click("n_open");
    EXPECT_EQ(form->document_for_reading().lines[0], "\xE2\x94\x80\xE2\x94\x80");
    EXPECT_EQ(form->status(5), box.string());
}

TEST_F(InteropWindowTest, Utf8CopyIsWrittenBesideAndNeverOverTheDocument) {
    const auto doc = write_file("doc.txt", "\xD6\xD0\xCE\xC4\r\nabc\x80\r\n");
    start(doc.string());
    const auto copy = dir / "copy.txt";
    ui.queue_file(FileDialogResult{copy.string(), 1});
    click("n_utf8_save");
    EXPECT_EQ(read(copy), "\xE4\xB8\xAD\xE6\x96\x87\r\nabc?\r\n");
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "有 1 个字节不是GBK字符，在UTF-8副本中写成了“?”。第一个在第 2 行。"});
    EXPECT_EQ(form->file_name, doc.string());
    // An existing file is replaced only on Yes.
    write_file("copy.txt", "older");
    ui.queue_file(FileDialogResult{copy.string(), 1});
    ui.queue_answer(Answer::no);
    click("n_utf8_save");
    EXPECT_EQ(read(copy), "older");
    // The document's own file and unwritable folders are refused: utf8_copy.qs.
    EXPECT_EQ(read(doc), "\xD6\xD0\xCE\xC4\r\nabc\x80\r\n");
    EXPECT_FALSE(fs::exists(dir / "doc.txt.bak"));
}

TEST_F(InteropWindowTest, AnsiExportReadsBackThroughTheAnsiImport) {
    write_file("art.txt", "Hi \xD6\xD0\xCE\xC4 there\r\n**[x] \xA9\xA4\xA9\xA4\r\n\r\n( o.o )\r\n");
    start((dir / "art.txt").string());
    colour_some_cells();
    const auto path = dir / "art.ans";
    ui.queue_answer(Answer::no);  // LF
    ui.queue_file(FileDialogResult{path.string(), 1});
    click("n_ansi_out");
    const std::string bytes = read(path);
    EXPECT_EQ(bytes.rfind("\x1B[38;2;", 0), 0u);
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    EXPECT_NE(bytes.find("\x1B[38;2;255;0;0;48;2;255;255;0m"), std::string::npos);

    ui.queue_file(FileDialogResult{path.string(), 1});
    ui.queue_answer(Answer::yes);  // read it as UTF-8
    click("n_ansi");
    ASSERT_TRUE(form->write_in_imag->isVisible());
    const auto& c = form->canvas;
    std::vector<std::string> rows;
    for (int r = 1; r <= c.height; ++r) rows.push_back(row(canvas::kWorking, r));
    interop::AnsiCanvas shown;
    shown.rows = rows;
    shown.width = c.width;
    shown.layer = &form->colours.layer;
    shown.multicolour = true;
    shown.canvas_text = platform::resolve_colour(form->canvas_text_colour);
    shown.canvas_back = platform::resolve_colour(form->canvas_back_colour);
    for (int r = 1; r <= c.height; ++r) {
        ASSERT_EQ(row(canvas::kSelection, r),
                  rows[std::size_t(r - 1)].substr(0, std::size_t(c.width)))
            << "row " << r;
        for (int cell = 1; cell <= c.width; ++cell) {
            const auto want = interop::shown_colours(shown, r, cell);
            const auto& got = form->colours.selection.cell(r, cell);
            ASSERT_TRUE(got.text_set && got.back_set);
            ASSERT_EQ(platform::resolve_colour(got.text), want.text) << r << "," << cell;
            ASSERT_EQ(platform::resolve_colour(got.back), want.back) << r << "," << cell;
        }
    }
}

}  // namespace quillo::testing
