// The script runner against a test-only modal dialog: commands go on while QDialog::exec()
// waits, address the dialog's controls (tabs, spin box, slider, combo box, list, text boxes,
// mouse work at points) and close it, and the handler that opened it resumes.
#include "script/qt/script_runner.h"

#include <pwd.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <optional>
#include <vector>

#include "script/qt/script_mode.h"
#include "script/qt/script_stepper.h"
#include "window_fixture.h"

namespace quillo::testing {
namespace {

// Records the mouse events it gets, as "press 3 4".
class Pad : public QWidget {
  public:
    explicit Pad(std::vector<std::string>& log, QWidget* parent) : QWidget(parent), log_(log) {}

  protected:
    void mousePressEvent(QMouseEvent* e) override { note("press", e); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton) note("drag", e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override { note("release", e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { note("double", e); }

  private:
    void note(const char* what, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        log_.push_back(objectName().toStdString() + " " + what + " " + std::to_string(p.x()) + " " +
                       std::to_string(p.y()));
    }
    std::vector<std::string>& log_;
};

class ScriptRunnerTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        start();
        opener = new QPushButton("open", form.get());
        opener->setObjectName("opener");
        QObject::connect(opener, &QPushButton::clicked, [this] { open_dialog(); });
        opener->show();
        settle();
    }

    // What a handler of a real window does: asks, opens a modal dialog, acts on its result.
    void open_dialog() {
        if (ask_first) ui.input("Cap", "Prompt:", "dflt");
        QDialog dialog(form.get());
        dialog.setObjectName("test_dialog");
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel("in the dialog", &dialog);
        label->setObjectName("Label1");  // the main window has a Label1 too
        auto* tabs = new QTabWidget(&dialog);
        auto* page1 = new QWidget;
        page1->setObjectName("TabSheet1");
        auto* page2 = new QWidget;
        page2->setObjectName("TabSheet2");
        tabs->addTab(page1, "one");
        tabs->addTab(page2, "two");
        auto* l1 = new QVBoxLayout(page1);
        auto* spin = new QSpinBox(page1);
        spin->setObjectName("SpinEdit1");
        spin->setRange(0, 100);
        auto* slider = new QSlider(Qt::Horizontal, page1);
        slider->setObjectName("TrackBar1");
        slider->setRange(10, 50);
        auto* combo = new QComboBox(page1);
        combo->setObjectName("ComboBox1");
        combo->addItems({"one", "two", "三"});
        auto* list = new QListWidget(page1);
        list->setObjectName("ListBox1");
        list->addItems({"alpha", "beta", "gamma"});
        auto* pad = new Pad(mouse, page1);
        pad->setObjectName("Pad");
        pad->setFixedSize(100, 40);
        auto* inner = new Pad(mouse, pad);
        inner->setObjectName("Inner");
        inner->setGeometry(60, 0, 20, 20);
        for (QWidget* w : std::initializer_list<QWidget*>{spin, slider, combo, list, pad})
            l1->addWidget(w);
        auto* l2 = new QVBoxLayout(page2);
        auto* check = new QCheckBox("check", page2);
        check->setObjectName("CheckBox1");
        auto* edit = new QLineEdit("ab中c", page2);
        edit->setObjectName("Edit1");
        auto* memo = new QPlainTextEdit("ab\n中x", page2);
        memo->setObjectName("Memo1");
        l2->addWidget(check);
        l2->addWidget(edit);
        l2->addWidget(memo);
        auto* ok = new QPushButton("OK", &dialog);
        ok->setObjectName("Button1");
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        layout->addWidget(label);
        layout->addWidget(tabs);
        layout->addWidget(ok);
        dialog.resize(300, 400);

        const int result = dialog.exec();
        outcome = std::to_string(result) + " " + std::to_string(spin->value()) + " " +
                  std::to_string(slider->value()) + " " + combo->currentText().toStdString() + " " +
                  (list->currentItem() ? list->currentItem()->text().toStdString() : "-") + " " +
                  (check->isChecked() ? "checked" : "unchecked");
        ui.message("closed");
    }

    // Runs a script through the stepper, as script mode does; the failure as "LINE: message".
    std::string run(const std::string& source) {
        const auto parsed = script::parse_script(source);
        EXPECT_FALSE(parsed.error);
        script::ScriptRunner runner(*form, ui, dir);
        script::ScriptStepper stepper(runner, ui, parsed.commands, 0);
        const auto failure = stepper.run();
        return failure ? std::to_string(failure->line) + ": " + failure->message : "";
    }

    QPushButton* opener = nullptr;
    bool ask_first = false;
    std::string outcome = "never opened";
    std::vector<std::string> mouse;
};

TEST_F(ScriptRunnerTest, CommandsGoOnInsideAModalDialogAndItsOpenerResumes) {
    ask_first = true;
    EXPECT_EQ(run("answer-text \"x\"\n"
                  "click opener\n"
                  "expect-prompt \"Cap\" \"Prompt:\" \"dflt\"\n"
                  "expect-visible test_dialog true\n"
                  // Only the dialog can be reached while it is open.
                  "expect-text test_dialog.Label1 \"in the dialog\"\n"
                  "expect-visible SpinEdit1 true\n"
                  "set SpinEdit1 7\n"
                  "expect-value SpinEdit1 7\n"
                  "set TrackBar1 30\n"
                  "expect-value test_dialog.TrackBar1 30\n"
                  "expect-items ComboBox1 3\n"
                  "set ComboBox1 \"三\"\n"
                  "expect-value ComboBox1 \"三\"\n"
                  "set ComboBox1 \"two\"\n"
                  "expect-items ListBox1 3\n"
                  "set ListBox1 \"beta\"\n"
                  "expect-value ListBox1 \"beta\"\n"
                  // A tab is chosen as a person clicks it; the other page's controls hide.
                  "click TabSheet2\n"
                  "expect-visible SpinEdit1 false\n"
                  "click CheckBox1\n"
                  "key Edit1 End\n"
                  "key Edit1 Shift+Left\n"
                  "key Edit1 Shift+Left\n"
                  "expect-selection Edit1 2 3\n"
                  "key Memo1 Ctrl+End\n"
                  "key Memo1 Shift+Up\n"
                  "expect-selection Memo1 2 5\n"
                  "click test_dialog.Button1\n"
                  "expect-message \"closed\"\n"),
              "");
    EXPECT_EQ(outcome, "1 7 30 two beta checked");
}

TEST_F(ScriptRunnerTest, MouseWorkAtPointsGoesToTheControlUnderThePointer) {
    EXPECT_EQ(run("click opener\n"
                  "click-at Pad 5 6\n"
                  "double-click-at test_dialog.Pad 10 12\n"
                  "click-at Pad 65 5\n"
                  "drag Pad 2 30 42 10\n"
                  "click-at Pad 100 5\n"),
              "6: Pad has no point (100, 5): it is 100 x 40 pixels");
    const std::vector<std::string> want{
        "Pad press 5 6",    "Pad release 5 6",   "Pad press 10 12", "Pad release 10 12",
        "Pad double 10 12", "Pad release 10 12", "Inner press 5 5", "Inner release 5 5",
        "Pad press 2 30",   "Pad drag 6 28",     "Pad drag 10 26",  "Pad drag 14 24",
        "Pad drag 18 22",   "Pad drag 22 20",    "Pad drag 26 18",  "Pad drag 30 16",
        "Pad drag 34 14",   "Pad drag 38 12",    "Pad drag 42 10",  "Pad release 42 10"};
    EXPECT_EQ(mouse, want);
    // The failure closed the dialog, so its opener went on.
    EXPECT_EQ(outcome.substr(0, 2), "0 ");
}

TEST_F(ScriptRunnerTest, FailuresInsideTheDialogAndScriptsThatLeaveItOpen) {
    // Ending with the dialog open fails and names it; the dialog is cancelled on the way out.
    EXPECT_EQ(run("click opener\nexpect-visible test_dialog true\n"),
              "2: the script ended while the modal window test_dialog is still open");
    EXPECT_EQ(outcome.substr(0, 2), "0 ");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_EQ(run("click opener\nset SpinEdit1 101\n"),
              "2: the value 101 is outside the range 0..100 of SpinEdit1");
    EXPECT_EQ(run("click opener\nset ComboBox1 \"four\"\n"),
              "2: ComboBox1 has no item \"four\" (items: \"one\", \"two\", \"三\")");
    EXPECT_EQ(run("click opener\nset Label1 3\n"),
              "2: Label1 takes no value (set works on sliders, track bars, scroll bars, spin "
              "boxes, combo boxes and list boxes)");
    // A control on a page not shown cannot be clicked.
    EXPECT_EQ(run("click opener\nclick CheckBox1\n"), "2: CheckBox1 is not visible");
    // The main window is out of reach behind the dialog.
    EXPECT_EQ(run("click opener\nclick TForm1.n_view\n"),
              "2: TForm1.n_view cannot be reached while the modal window test_dialog is open");
    EXPECT_EQ(run("click opener\nkey TForm1.pen_txt a\n"),
              "2: TForm1.pen_txt cannot be reached while the modal window test_dialog is open");
    // A name qualified by a window that does not hold it.
    EXPECT_EQ(run("click opener\nexpect-value TForm1.SpinEdit1 0\n"),
              "2: no control named TForm1.SpinEdit1");
    // Every failure above closed the dialog and let its opener finish.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ui.shown().size(), 8u);

    EXPECT_EQ(run("answer yes\n"), "1: an answer given by the script was never asked for");
}

TEST(TestHome, TestsAndScriptsRunInAHomeOfTheirOwn) {
    // ctest names the home it gives every test; run by hand, the test has nothing to check.
    const char* test_home = std::getenv("QUILLO_TEST_HOME");
    if (!test_home) GTEST_SKIP() << "not run by ctest";
    const passwd* user = ::getpwuid(::getuid());
    const std::string real_home = user && user->pw_dir ? user->pw_dir : "";
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(std::string(home), std::string(test_home));
    EXPECT_NE(std::filesystem::path(home), std::filesystem::path(real_home));
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const char* value = std::getenv(v);
        ASSERT_NE(value, nullptr) << v;
        EXPECT_EQ(std::string(value).rfind(home, 0), 0u) << v << " = " << value;
    }

    // Script mode's own home folder: script_controls.qs.
}

}  // namespace
}  // namespace quillo::testing
