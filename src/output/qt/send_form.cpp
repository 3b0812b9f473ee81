#include "output/qt/send_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "canvas/qt/quillo.h"
#include "platform/qt/gbk_qt.h"

namespace quillo::output {

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QRadioButton* radio(QGroupBox* group, const char* name, const char* caption,
                    const char* hint = nullptr) {
    auto* b = new QRadioButton(q(caption), group);
    b->setObjectName(name);
    if (hint) b->setToolTip(q(hint));
    group->layout()->addWidget(b);
    return b;
}

QGroupBox* group(QWidget* parent, const char* name, const char* caption) {
    auto* g = new QGroupBox(q(caption), parent);
    g->setObjectName(name);
    new QVBoxLayout(g);
    return g;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(q(caption), parent);
    b->setObjectName(name);
    b->setToolTip(q(hint));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Tsend_form::Tsend_form(canvas::TForm1& main) : QDialog(&main), main_(main) {
    setObjectName("send_form");
    setWindowTitle(q("将大作上传到网上"));
    setModal(true);
    build_widgets();
    FormCreate();
}

void Tsend_form::build_widgets() {
    GroupBox1 = group(this, "GroupBox1", "上传内容");
    r_send_all =
        radio(GroupBox1, "r_send_all", " 全文的内容", "将当前画板上的所有画面制成网页上传");
    r_send_select =
        radio(GroupBox1, "r_send_select", " 选中的内容", "将已经框选的内容制成网页上传");
    GroupBox2 = group(this, "GroupBox2", "输出页面到");
    R_d = radio(GroupBox2, "R_d", " 默认浏览器");
    r_s = radio(GroupBox2, "r_s", " 指定程序 *", "需要预先在选项中设定，不建议");
    GroupBox3 = group(this, "GroupBox3", "上传作品的颜色");
    r_mul_color = radio(GroupBox3, "r_mul_color", "多彩色模式");
    r_sig_color = radio(GroupBox3, "r_sig_color", "单色模式");
    GroupBox4 = group(this, "GroupBox4", "上传目标站点");
    CBox_web = new QComboBox(GroupBox4);
    CBox_web->setObjectName("CBox_web");
    CBox_web->setToolTip(q("选择一个上传的目的地网站"));
    GroupBox4->layout()->addWidget(CBox_web);
    r_send_all->setChecked(true);
    R_d->setChecked(true);
    r_mul_color->setChecked(true);

    default_ = button(this, "default", "默认", "当不知道选什么的时候");
    ok = button(this, "ok", "显示登陆界面并返回", "生成网页");
    cancle = button(this, "cancle", "返回", "取消上传");
    ok->setDefault(true);
    connect(default_, &QPushButton::clicked, this, [this] { defaultClick(); });
    connect(ok, &QPushButton::clicked, this, [this] { okClick(); });
    connect(cancle, &QPushButton::clicked, this, [this] { cancleClick(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(GroupBox1, 0, 0);
    grid->addWidget(GroupBox2, 0, 1);
    grid->addWidget(GroupBox3, 1, 0);
    grid->addWidget(GroupBox4, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(default_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancle);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

void Tsend_form::FormCreate() {
    // Every site has its place, named or not, so that item i is site i + 1.
    for (const UploadSite& site : upload_sites(main_.settings))
        CBox_web->addItem(platform::to_qstring(site.name));
    CBox_web->setCurrentIndex(0);
}

void Tsend_form::FormShow() {
    const bool picture = picture_.has_value();
    (main_.selection.floating && !picture ? r_send_select : r_send_all)->setChecked(true);
    (main_.multicolour() ? r_mul_color : r_sig_color)->setChecked(true);
    // A picture is published whole, in the colours its conversion gave it.
    GroupBox1->setEnabled(!picture);
    GroupBox3->setEnabled(!picture);
}

void Tsend_form::show_for_work() {
    picture_.reset();
    show_modal();
}

void Tsend_form::show_for_picture(PicturePage picture) {
    picture_ = std::move(picture);
    show_modal();
    picture_.reset();
}

void Tsend_form::show_modal() {
    FormShow();
    exec();
}

PublishChoice Tsend_form::choice() const {
    PublishChoice c;
    c.whole = r_send_all->isChecked();
    c.default_browser = R_d->isChecked();
    c.multicolour = r_mul_color->isChecked();
    c.site = std::max(0, CBox_web->currentIndex());
    return c;
}

void Tsend_form::okClick() {
    bool made = false;
    main_.run_command([&] {
        main_.init_image1();
        made =
            picture_ ? main_.publish_picture(*picture_, choice()) : main_.publish_canvas(choice());
    });
    // Without a page the dialog stays, so that another site can be chosen.
    if (made) accept();
}

void Tsend_form::defaultClick() {
    r_send_all->setChecked(true);
    R_d->setChecked(true);
    CBox_web->setCurrentIndex(0);
}

void Tsend_form::cancleClick() {
    reject();
}

}  // namespace quillo::output
