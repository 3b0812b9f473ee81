#include "document/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "document/document.h"
#include "platform/errors.h"

namespace quillo::document {

namespace fs = std::filesystem;

std::string read_file_bytes(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw platform::FileError("Cannot open file \"" + path.string() + "\". It is a folder.");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw platform::FileError("Cannot open file \"" + path.string() + "\". " +
                                  std::strerror(errno));
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) throw platform::FileError("Read error on file \"" + path.string() + "\".");
    return bytes;
}

std::vector<std::string> read_text_lines(const fs::path& path) {
    return split_lines(read_file_bytes(path));
}

}  // namespace quillo::document
