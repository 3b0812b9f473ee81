// The image window through its widgets: opening pictures (and failing to), cutting out a region,
// the sliders and read-outs, the grey tables, the page and the block on the canvas.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

#include "../imagetext/test_pictures.h"
#include "canvas/qt/canvas_widgets.h"
#include "document/text_file.h"
#include "extras/qt/select_form.h"
#include "imagetext/jpeg_reader.h"
#include "imagetext/qt/img2html.h"
#include "imagetext/qt/picture_view.h"
#include "window_fixture.h"

namespace quillo::testing {
namespace {

namespace fs = std::filesystem;
using imagetext::Picture;
using imagetext::Rgb;
using imagetext::Timg2html;

// Four blocks of flat colour: red, green / blue, white.
Picture blocks(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(
                x, y,
                x < w / 2 ? (y < h / 2 ? 0xFF0000 : 0x00FF00) : (y < h / 2 ? 0x0000FF : 0xFFFFFF));
    return p;
}

class ImageWindowTest : public WindowTest {
  protected:
    Timg2html* w() { return form->img2html; }

    void open(const fs::path& path) {
        ui.queue_file(platform::FileDialogResult{path.string(), 1});
        w()->tb_openfile->click();
        settle();
    }

    std::string panel(int i) { return w()->StaBar_panels[i]->text().toStdString(); }

    void drag_on_picture(QPoint from, QPoint to) {
        QWidget* target = w()->tImage1;
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                              Qt::MouseButtons held) {
            QMouseEvent ev(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(target, &ev);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        settle();
    }

    std::string last_message() {
        std::string last;
        for (const auto& s : ui.shown())
            if (s.kind == platform::ScriptedUi::Shown::message) last = s.text;
        return last;
    }
};

TEST_F(ImageWindowTest, OpenCutOutResizeAndPlaceOnTheCanvasWithColours) {
    // The caption, the read-outs, the proportional sliders and the first cut-out of a picture:
    // image_to_canvas.qs.
    start();
    open(write_file("blocks.bmp", imagetext::testing::bmp24(blocks(60, 40))));
    EXPECT_EQ(w()->TImage3->image().size(), QSize(42 * 8, 28 * 8));

    // Cut out the top-left red block and a little green below it.
    drag_on_picture({2, 2}, {22, 26});
    EXPECT_EQ(w()->PageControl1->currentIndex(), 1);  // "调节分辨率"
    EXPECT_EQ(w()->state.working().width, 20);
    EXPECT_EQ(w()->state.working().height, 24);
    EXPECT_EQ(w()->state.working().pixel(0, 0), 0xFF0000u);

    // Width 10; with the box unticked the height is set by itself.
    w()->TrackBar1->setValue(10);
    settle();
    w()->CheckBox1->click();
    EXPECT_TRUE(w()->TrackBar2->isEnabled());
    w()->TrackBar2->setValue(6);
    settle();
    EXPECT_EQ(panel(1), "Now:10×6");
    EXPECT_EQ(w()->tImage2->toolTip().toStdString(), "6 x 10|10 pixels x 6 pixels");

    // Colour words with the solid block, placed in double-byte multicolour mode.
    click("n_color");
    form->canvas.double_byte = true;
    w()->RB_Color2Color->click();
    w()->RB_Word_black->click();
    ASSERT_TRUE(w()->tb_draw->isEnabled());
    w()->show();
    settle();
    w()->tb_draw->click();
    settle();
    EXPECT_FALSE(w()->isVisible());
    EXPECT_TRUE(form->write_in_imag->isVisible());
    EXPECT_EQ(form->selection.rect, (tools::SelectionRect{1, 1, 10, 6}));
    EXPECT_EQ(form->write_in_imag->width(), 10 * 16);
    const Picture& res = w()->state.resolution();
    for (int r = 1; r <= 6; ++r) {
        std::string blocks10;
        for (int i = 0; i < 10; ++i) blocks10 += "\xA8\x80";
        EXPECT_EQ(row(canvas::kSelection, r), blocks10);
        for (int c = 1; c <= 10; ++c) {
            const auto& cell = form->colours.selection.cell(r, c);
            EXPECT_TRUE(cell.text_set);
            EXPECT_EQ(cell.text, platform::colour_from_rgb(res.pixel(c - 1, r - 1)));
        }
    }

    // Placing it writes the cells and their colours into the canvas.
    form->init_image1();
    settle();
    EXPECT_EQ(row(canvas::kWorking, 1).substr(0, 4), "\xA8\x80\xA8\x80");
    const auto& placed = form->colours.layer.cell(6, 10);
    EXPECT_TRUE(placed.text_set);
    EXPECT_EQ(placed.text, platform::colour_from_rgb(res.pixel(9, 5)));
    EXPECT_EQ(res.pixel(0, 0), 0xFF0000u);
}

TEST_F(ImageWindowTest, PageOfGreyCharactersIsWrittenAndOpened) {
    start();
    form->html_temp_dir();
    open(write_file("two.bmp", imagetext::testing::bmp24(
                                   imagetext::testing::picture_of(2, 1, {0x000000, 0xFFFFFF}))));
    w()->Edit_title->setText("");
    w()->tb_convert->click();
    settle();
    ASSERT_FALSE(ui.opened().empty());
    const fs::path page = ui.opened().back();
    const std::string bytes = document::read_file_bytes(page);
    // The shipped 16-level table: darkest and lightest characters.
    const std::string& t = form->settings.gray_pen[0];
    ASSERT_EQ(t.size(), 32u);
    EXPECT_NE(bytes.find("quillo\">\r\n" + t.substr(0, 2) + t.substr(30, 2) + "\r\n<br>\r\n"),
              std::string::npos)
        << bytes;
    EXPECT_EQ(bytes.find("<H1>"), std::string::npos);
}

TEST_F(ImageWindowTest, PicturesThatCannotBeReadLeaveTheLastOne) {
    start();
    open(write_file("good.jpg", imagetext::encode_jpeg(blocks(64, 32))));
    ASSERT_EQ(panel(0), "Org:64×32");
    const Picture before = w()->state.source();
    const std::string full = imagetext::encode_jpeg(blocks(80, 80));
    const std::string bmp = imagetext::testing::bmp24(blocks(8, 8));
    struct Case {
        std::string name, bytes, reason;
    };
    const std::vector<Case> cases{
        {"cut.jpg", full.substr(0, full.size() / 2), "cut short"},
        {"cut.bmp", bmp.substr(0, bmp.size() - 10), "cut short"},
        {"empty.bmp", "", "empty"},
        {"huge.bmp",
         [] {
             imagetext::testing::BmpSpec s{50000, 50000, 24, 0, {}, {}, std::string(4, '\0')};
             return imagetext::testing::bmp_file(s);
         }(),
         "too large"},
    };
    for (const Case& c : cases) {
        ui.take_shown();
        open(write_file(c.name, c.bytes));
        const std::string m = last_message();
        EXPECT_NE(m.find("Cannot open picture"), std::string::npos) << c.name << ": " << m;
        EXPECT_NE(m.find(c.name), std::string::npos) << m;
        EXPECT_NE(m.find(c.reason), std::string::npos) << c.name << ": " << m;
        EXPECT_EQ(w()->state.source(), before);
        EXPECT_EQ(panel(0), "Org:64×32");
    }
    // A name that does not exist loads nothing and says nothing; the picture starts over whole.
    ui.take_shown();
    w()->state.toggle_grey();
    open(dir / "missing.jpg");
    EXPECT_EQ(last_message(), "");
    EXPECT_EQ(w()->state.source(), before);
    EXPECT_TRUE(w()->state.colour());
    // A folder named like a picture is refused with a message.
    fs::create_directory(dir / "folder.jpg");
    ui.take_shown();
    w()->open_dialog_file.clear();
    EXPECT_THROW(w()->open_picture_file((dir / "folder.jpg").string()), imagetext::PictureError);
}

TEST_F(ImageWindowTest, GreyTablesAreEditedConfirmedAndRestored) {
    start();
    Timg2html* win = w();
    win->RB_en->click();
    EXPECT_EQ(form->settings.gray_pen_kind, 2);
    win->Button1->click();
    EXPECT_TRUE(win->LB_Gray_Word->isEnabled());
    ui.take_shown();
    win->LB_Gray_Word->setText(QString::fromUtf8("ab中c"));
    settle();
    EXPECT_EQ(win->LB_Gray_Word->text(), "abc");
    EXPECT_EQ(win->lb_gread->text(), "3");
    ASSERT_EQ(ui.shown().size(), 1u);  // one message, not one a byte
    EXPECT_EQ(last_message(), "输入内容不能含有全角字符！");
    ui.queue_answer(platform::Answer::yes);
    win->Button1->click();
    EXPECT_EQ(form->settings.gray_pen[1], "abc");
    EXPECT_EQ(win->tables.table(2), "abc");

    // The full-width table is normalised on confirming; No keeps the old one.
    win->RB_32->click();
    win->Button1->click();
    win->LB_Gray_Word->setText(QString::fromUtf8("a中"));
    ui.queue_answer(platform::Answer::no);
    win->Button1->click();
    EXPECT_EQ(win->tables.table(3), form->settings.gray_pen[2]);
    win->Button1->click();
    win->LB_Gray_Word->setText(QString::fromUtf8("a中"));
    ui.queue_answer(platform::Answer::yes);
    win->Button1->click();
    EXPECT_EQ(win->tables.table(3), "a \xD6\xD0 ");

    ui.queue_answer(platform::Answer::yes);
    win->Button2->click();
    EXPECT_EQ(win->tables.tables, win->saved_tables.tables);
    EXPECT_EQ(form->settings.gray_pen, win->saved_tables.tables);
    EXPECT_FALSE(win->LB_Gray_Word->isEnabled());
}

TEST_F(ImageWindowTest, LimitsOfTheDrawAndSendButtons) {
    start();
    int uploads = 0;
    QObject::connect(w(), &Timg2html::show_upload_dialog, [&] { ++uploads; });
    open(write_file("wide.bmp", imagetext::testing::bmp24(imagetext::testing::gradient(200, 100))));
    w()->CheckBox1->click();  // not proportional
    w()->TrackBar1->setValue(151);
    w()->TrackBar2->setValue(10);
    settle();
    EXPECT_FALSE(w()->tb_draw->isEnabled());
    w()->TrackBar1->setValue(150);
    settle();
    EXPECT_TRUE(w()->tb_draw->isEnabled());
    // Colours and grey characters at once are not placed on the canvas.
    w()->RB_ColorandWord->click();
    EXPECT_FALSE(w()->tb_draw->isEnabled());
    w()->RB_Color2Word->click();
    EXPECT_TRUE(w()->tb_draw->isEnabled());  // the same rule after a mode change
    w()->TrackBar1->setValue(40);
    w()->TrackBar2->setValue(30);
    settle();
    EXPECT_FALSE(w()->tb_send->isEnabled());  // 42000 bytes
    w()->TrackBar2->setValue(28);
    settle();
    ASSERT_TRUE(w()->tb_send->isEnabled());
    // The upload dialog opens over the window (modal); going back publishes nothing.
    auto dialog = when_modal([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    w()->tb_send->click();
    EXPECT_TRUE(*dialog);
    EXPECT_EQ(uploads, 1);
    // A slider at 0: nothing to place, an empty page to write.
    w()->TrackBar2->setValue(0);
    settle();
    EXPECT_FALSE(w()->tb_draw->isEnabled());
    EXPECT_EQ(panel(2), "FileSize:0Byte");
}

TEST_F(ImageWindowTest, FirstShowingAsksForAPictureAndTheGreyViewToggles) {
    start();
    ui.queue_file(platform::FileDialogResult{
        write_file("p.bmp", imagetext::testing::bmp24(blocks(20, 10))).string(), 1});
    w()->show();
    settle();
    EXPECT_EQ(ui.file_requests().back().filter, "jpg|*.jpg;*.jpeg|bmp|*.bmp|png|*.png");
    EXPECT_EQ(ui.file_requests().back().file_name, "*.jpg");
    EXPECT_EQ(panel(0), "Org:20×10");

    w()->tb_gray->click();
    EXPECT_EQ(w()->PageControl1->currentIndex(), 2);  // from the source page to the preview
    const QImage preview = w()->TImage3->image();
    const QRgb red_block = preview.pixel(4, 4);
    EXPECT_EQ(qRed(red_block), 76);
    EXPECT_EQ(qGreen(red_block), 76);
    w()->tb_gray->click();
    EXPECT_EQ(qRed(w()->TImage3->image().pixel(4, 4)), 255);

    // Select mode off: drags cut nothing and the whole picture comes back.
    w()->tb_select->click();
    drag_on_picture({1, 1}, {15, 8});
    EXPECT_EQ(w()->state.working(), w()->state.source());
    EXPECT_FALSE(w()->Btop->isVisible());

    // The character picker opens above this window and goes back to the main window after.
    w()->pen_txtDblClick();
    settle();
    ASSERT_NE(form->SelectForm, nullptr);
    EXPECT_TRUE(form->SelectForm->isVisible());
    EXPECT_EQ(form->SelectForm->parentWidget(), w());
    w()->set_pen_text("\xD6\xD0");
    EXPECT_EQ(form->pen_txt->text(), QString::fromUtf8("中"));

    w()->Tb_help->click();
    EXPECT_EQ(fs::path(ui.opened().back()).filename(), "quillo_map.htm");
    w()->ToolButton3->click();
    EXPECT_FALSE(w()->isVisible());
    EXPECT_EQ(form->SelectForm->parentWidget(), form.get());
}

}  // namespace
}  // namespace quillo::testing
