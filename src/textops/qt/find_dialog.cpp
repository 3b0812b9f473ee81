#include "textops/qt/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/gbk_qt.h"

namespace quillo::textops {

namespace {
QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(q(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
}  // namespace

FindDialog::FindDialog(QWidget* parent, bool replace, const SearchOptions& options,
                       const QString& text)
    : QDialog(parent) {
    setObjectName(replace ? "ReplaceDialog1" : "FindDialog1");
    setWindowTitle(q(replace ? "替换" : "查找"));
    setModal(false);

    auto* fields = new QGridLayout;
    find_text = new QLineEdit(text, this);
    find_text->setObjectName("find_text");
    fields->addWidget(new QLabel(q("查找内容(&N):"), this), 0, 0);
    fields->addWidget(find_text, 0, 1);
    if (replace) {
        replace_text = new QLineEdit(this);
        replace_text->setObjectName("replace_text");
        fields->addWidget(new QLabel(q("替换为(&P):"), this), 1, 0);
        fields->addWidget(replace_text, 1, 1);
    }

    match_case = new QCheckBox(q("区分大小写(&C)"), this);
    match_case->setObjectName("match_case");
    match_case->setChecked(options.match_case);
    whole_word = new QCheckBox(q("全字匹配(&W)"), this);
    whole_word->setObjectName("whole_word");
    whole_word->setChecked(options.whole_word);

    auto* direction = new QGroupBox(q("方向"), this);
    direction_up = new QRadioButton(q("向上(&U)"), direction);
    direction_up->setObjectName("direction_up");
    direction_down = new QRadioButton(q("向下(&D)"), direction);
    direction_down->setObjectName("direction_down");
    (options.down || replace ? direction_down : direction_up)->setChecked(true);
    auto* direction_row = new QHBoxLayout(direction);
    direction_row->addWidget(direction_up);
    direction_row->addWidget(direction_down);
    // The replace dialog always searches down, as the system's own does.
    direction->setVisible(!replace);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(whole_word);
    left->addWidget(match_case);
    left->addWidget(direction);
    left->addStretch();

    auto* right = new QVBoxLayout;
    find_next = button(this, "find_next", "查找下一个(&F)");
    find_next->setDefault(true);
    right->addWidget(find_next);
    if (replace) {
        replace_one = button(this, "replace_one", "替换(&R)");
        replace_all = button(this, "replace_all", "全部替换(&A)");
        right->addWidget(replace_one);
        right->addWidget(replace_all);
    }
    close_button = button(this, "close_button", "取消");
    right->addWidget(close_button);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(find_text, &QLineEdit::textChanged, this, [this] { update_buttons(); });
    connect(find_next, &QPushButton::clicked, this, [this] {
        if (on_find_next) on_find_next();
    });
    if (replace) {
        connect(replace_one, &QPushButton::clicked, this, [this] {
            if (on_replace) on_replace(false);
        });
        connect(replace_all, &QPushButton::clicked, this, [this] {
            if (on_replace) on_replace(true);
        });
    }
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);
    update_buttons();
}

// Nothing to search for: an empty find text would match everywhere.
void FindDialog::update_buttons() {
    const bool any = !find_text->text().isEmpty();
    find_next->setEnabled(any);
    if (replace_one) replace_one->setEnabled(any);
    if (replace_all) replace_all->setEnabled(any);
}

SearchOptions FindDialog::chosen_options() const {
    SearchOptions o;
    o.down = replace_text != nullptr || direction_down->isChecked();
    o.match_case = match_case->isChecked();
    o.whole_word = whole_word->isChecked();
    return o;
}

SearchRequest FindDialog::request(bool all) const {
    SearchRequest r;
    r.find_text = platform::to_gbk(find_text->text());
    if (replace_text) r.replace_text = platform::to_gbk(replace_text->text());
    r.options = chosen_options();
    r.replace_all = all;
    return r;
}

void FindDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (on_close) on_close();
}

}  // namespace quillo::textops
