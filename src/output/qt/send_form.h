#pragma once
// Tsend_form: the upload dialog ("将大作上传到网上"). It asks what to publish (the whole work or
// the selection), where the page goes (the default browser or the program set in the options),
// in which colours, and through which upload site's page template; `ok` makes the page. Created
// once with the main window, it keeps its choices for the whole run and is shown modally.
//
// Opening it:
//   form.send_form->show_for_work();            // N15, Tb_out, send2web: the main window's work
//   form.send_form->show_for_picture(picture);  // the image window's tb_send: a converted
//                                               // picture, published whole with its own colours
#include <QDialog>
#include <optional>

#include "output/publish.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillo::canvas {
class TForm1;
}

namespace quillo::output {

class Tsend_form : public QDialog {
    Q_OBJECT
  public:
    explicit Tsend_form(canvas::TForm1& main);

    // Both return when the user has made a page or gone back.
    void show_for_work();
    void show_for_picture(PicturePage picture);

    // What the controls say now.
    PublishChoice choice() const;

    // ---- handlers ----
    void FormCreate();
    void FormShow();
    void okClick();  // makes the page and closes; stays open when no page could be made
    void defaultClick();
    void cancleClick();

    // ---- widgets under their component names ----
    QGroupBox* GroupBox1 = nullptr;  // "上传内容"
    QGroupBox* GroupBox2 = nullptr;  // "输出页面到"
    QGroupBox* GroupBox3 = nullptr;  // "上传作品的颜色"
    QGroupBox* GroupBox4 = nullptr;  // "上传目标站点"
    QRadioButton* r_send_all = nullptr;
    QRadioButton* r_send_select = nullptr;
    QRadioButton* R_d = nullptr;
    QRadioButton* r_s = nullptr;
    QRadioButton* r_mul_color = nullptr;
    QRadioButton* r_sig_color = nullptr;
    QComboBox* CBox_web = nullptr;
    QPushButton* default_ = nullptr;  // "default"
    QPushButton* ok = nullptr;
    QPushButton* cancle = nullptr;

  private:
    void build_widgets();
    void show_modal();

    canvas::TForm1& main_;
    std::optional<PicturePage> picture_;  // set while the dialog publishes a picture
};

}  // namespace quillo::output
