#include "platform/qt/gbk_qt.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <random>
#include <string>
#include <vector>

namespace quillo::platform {
namespace {

// Lines as the document holds them: any bytes but CR and LF, which split lines.
std::vector<std::string> nasty_lines() {
    std::vector<std::string> lines = {
        "ab\xD6",  // full-width character cut at the end
        "\x81\x7F",
        "\x81 x",
        "\x80",
        "\xFF",
        "\xD6"
        "A\xD6",
        "\xA1\xA1\xFE\xFE\xFE",
        // 我们画中国文字。
        "\xCE\xD2\xC3\xC7\xBB\xAD\xD6\xD0\xB9\xFA\xCE\xC4\xD7\xD6\xA1\xA3",
        std::string("a\0b", 3),
    };
    std::string every_byte;
    for (int b = 0; b < 256; ++b) {
        if (b == '\n' || b == '\r') continue;
        lines.push_back(std::string("a") + static_cast<char>(b) + "b");
        every_byte.push_back(static_cast<char>(b));
    }
    lines.push_back(every_byte);
    std::mt19937 gen(777);
    std::uniform_int_distribution<int> byte(0, 255), len(1, 60);
    for (int iter = 0; iter < 300; ++iter) {
        std::string s;
        for (int n = len(gen); n > 0; --n) {
            char c = static_cast<char>(byte(gen));
            if (c != '\n' && c != '\r') s.push_back(c);
        }
        lines.push_back(s);
    }
    return lines;
}

TEST(GbkQt, BytesComeBackUnchangedFromTextBoxes) {
    QPlainTextEdit memo;
    QLineEdit edit;
    for (const std::string& line : nasty_lines()) {
        memo.setPlainText(to_qstring(line));
        EXPECT_EQ(to_gbk(memo.toPlainText()), line) << "QPlainTextEdit, size " << line.size();
        edit.setText(to_qstring(line));
        EXPECT_EQ(to_gbk(edit.text()), line) << "QLineEdit, size " << line.size();
    }
    // A stray CR must not split the line in the memo.
    memo.setPlainText(to_qstring("a\rb"));
    EXPECT_EQ(memo.document()->blockCount(), 1);
    EXPECT_EQ(to_gbk(memo.toPlainText()), "a\rb");

    // Whole documents go in joined by LF and come out the same way.
    const std::string text = "line\x80one\n\xD6\xD0\n\n\x81";
    memo.setPlainText(to_qstring(text));
    EXPECT_EQ(memo.document()->blockCount(), 4);
    EXPECT_EQ(to_gbk(memo.toPlainText()), text);
}

TEST(GbkQt, TypedCharactersGbkLacksBecomeQuestionMarks) {
    const QString emoji = QString::fromUtf16(u"\U0001F600");
    const QString zhong = QString::fromUtf16(u"\u4E2D");

    QPlainTextEdit memo;
    memo.setPlainText(to_qstring("a\x80"));
    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText(emoji + zhong);
    EXPECT_EQ(to_gbk(memo.toPlainText()), "a\x80?\xD6\xD0");

    QLineEdit edit;
    edit.setText(to_qstring("\xFF"));
    edit.end(false);
    edit.insert(emoji + zhong);
    EXPECT_EQ(to_gbk(edit.text()), "\xFF?\xD6\xD0");
}

}  // namespace
}  // namespace quillo::platform
