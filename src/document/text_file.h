#pragma once
// Reading and writing text documents as bytes. Failures throw platform::FileError.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillo::document {

// Files larger than this are refused instead of exhausting memory.
inline constexpr std::uint64_t kMaxDocumentBytes = 1ull << 30;

// Whole file as bytes. A folder, a device or a pipe, a missing or unreadable file and a file
// larger than kMaxDocumentBytes throw FileError naming the file.
std::string read_file_bytes(const std::filesystem::path& path);

// Lines of a text file (CR LF, lone LF or lone CR end a line; bytes unchanged).
std::vector<std::string> read_text_lines(const std::filesystem::path& path);

// A document as read from disk. NUL bytes are kept like any other byte: a binary file loads as
// lines, and `has_nul` lets the caller tell the user what was opened.
struct TextFileContents {
    std::vector<std::string> lines;
    std::size_t byte_count = 0;
    bool has_nul = false;
};
TextFileContents read_text_file(const std::filesystem::path& path);

// The document lines as last loaded or saved, for the ask-to-save question: remember() at every
// load and save, differs() when closing. The compare is exact (undoing back to the saved text
// counts as unchanged) and stops at the first difference; the copy is kept in one buffer.
class SavedLines {
  public:
    void remember(const std::vector<std::string>& lines);
    bool differs(const std::vector<std::string>& lines) const;

  private:
    std::string bytes_;              // every line, back to back
    std::vector<std::size_t> ends_;  // end offset of each line in bytes_
};

}  // namespace quillo::document
