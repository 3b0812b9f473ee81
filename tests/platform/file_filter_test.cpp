#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace quillo::platform {
namespace {

TEST(FileFilter, TranslatesWindowsFilters) {
    EXPECT_EQ(qt_filter_from_windows("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*"),
              "文本文件(*.txt) (*.txt);;所有文件(*.*) (*)");

    const auto three =
        qt_filters_from_windows("网页(*.htm;*.html)|*.htm;*.html|图像|*.jpg; *.bmp|All|*.*");
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0], "网页(*.htm;*.html) (*.htm *.html)");
    EXPECT_EQ(three[1], "图像 (*.jpg *.bmp)");
    EXPECT_EQ(three[2], "All (*)");
    EXPECT_EQ(qt_filter_from_windows("a|*.a|b|*.b|c|*.*"), "a (*.a);;b (*.b);;c (*)");

    // Odd shapes: empty, a trailing bar, a description without a pattern, an empty pattern.
    EXPECT_EQ(qt_filter_from_windows(""), "");
    EXPECT_EQ(qt_filter_from_windows("Text|*.txt|"), "Text (*.txt)");
    EXPECT_EQ(qt_filter_from_windows("Text|*.txt|Lonely"), "Text (*.txt)");
    EXPECT_EQ(qt_filter_from_windows("Any|"), "Any (*)");
}

}  // namespace
}  // namespace quillo::platform
