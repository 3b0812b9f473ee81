#pragma once
// Reading and writing text documents as bytes. Failures throw platform::FileError.
#include <filesystem>
#include <string>
#include <vector>

namespace quillo::document {

// Whole file as bytes.
std::string read_file_bytes(const std::filesystem::path& path);

// Lines of a text file (CR LF, lone LF or lone CR end a line; bytes unchanged).
std::vector<std::string> read_text_lines(const std::filesystem::path& path);

}  // namespace quillo::document
