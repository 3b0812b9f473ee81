#pragma once
// Handing the work to other programs: the names and messages of the plain-text view, the HTML
// code view, the hand-off to a new instance of Quillo and the maker's pages.
#include <string>
#include <string_view>

namespace quillo::output {

// Beside the program: what changed from version to version.
inline constexpr std::string_view kWhatsNewFile = "Whats_new.txt";

// "找不到“name”文件": a file the program expects beside it is missing (UTF-8).
std::string missing_file_message(std::string_view name);
// The page or view was written, but no program could show it: the user can open it by hand.
std::string cannot_show_message(std::string_view path);
// An address or file could not be handed to its default program.
std::string cannot_open_message(std::string_view target);
// A program (the new instance, the program set for pages) could not be started.
std::string cannot_start_message(std::string_view program);

// "mailto:" + address.
std::string mailto_link(std::string_view address);

}  // namespace quillo::output
