// Line ends of text documents: every line end splits, no byte is lost or changed, and the file
// reader gives what the in-memory splitter gives.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/text_file.h"
#include "fuzz_check.h"

using namespace quillo::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = split_lines(text);

    std::string without_ends;
    std::size_t ends = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++ends;
            if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
        } else {
            without_ends += text[i];
        }
    }
    const bool open_last = size > 0 && text.back() != '\r' && text.back() != '\n';
    FUZZ_CHECK(lines.size() == ends + (open_last ? 1 : 0));
    std::string joined;
    for (const auto& l : lines) {
        FUZZ_CHECK(l.find_first_of("\r\n") == std::string::npos);
        joined += l;
    }
    FUZZ_CHECK(joined == without_ends);
    FUZZ_CHECK(split_lines(join_lines_crlf(lines)) == lines);

    // The same bytes through a real file, for one input in 16 (files are slow to write).
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += data[i];
    if (sum % 16 != 0) return 0;
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quillo_fuzz_text_" + std::to_string(::getpid()));
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(size));
    }
    const TextFileContents c = read_text_file(path);
    FUZZ_CHECK(c.lines == lines);
    FUZZ_CHECK(c.byte_count == size);
    FUZZ_CHECK(c.has_nul == (text.find('\0') != std::string_view::npos));
    return 0;
}
