#pragma once
// Where users reach the people who make Quillo: the home page that messages and the help menu
// point to.
#include <string_view>

namespace quillo::output {

inline constexpr std::string_view kMakerHomePage = "https://github.com/quillo-editor/quillo";

// The mailbox "给我Email" writes to (opened as a mailto: link).
inline constexpr std::string_view kMakerMail = "quillo-editor@users.noreply.github.com";

// Where the first upload site sends its visitors to share a published work: the gallery of the
// project's discussions.
inline constexpr std::string_view kMakerUploadLocation =
    "https://github.com/quillo-editor/quillo/discussions";

}  // namespace quillo::output
