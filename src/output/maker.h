#pragma once
// Where users reach the people who make Quillo: the home page that messages and the help menu
// point to.
#include <string_view>

namespace quillo::output {

inline constexpr std::string_view kMakerHomePage = "https://github.com/quillo-editor/quillo";

}  // namespace quillo::output
