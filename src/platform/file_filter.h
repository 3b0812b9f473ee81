#pragma once
// File dialog filters: the windows describe them in the Windows form
// "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*"; Qt wants "文本文件(*.txt) (*.txt);;所有文件(*.*) (*)".
#include <string>
#include <vector>

namespace quillo::platform {

// One Qt filter per description/pattern pair, in order, so that a 1-based Windows filter index
// is the position in this list plus one. A trailing description without a pattern is dropped.
std::vector<std::string> qt_filters_from_windows(const std::string& windows_filter);

// The same list joined with ";;".
std::string qt_filter_from_windows(const std::string& windows_filter);

}  // namespace quillo::platform
