#pragma once
// Writing files so that a failure never costs the old file: the bytes go to a temporary file in
// the same folder, which replaces the old file only once every byte is on the disk.
// Failures throw platform::FileError with a message naming the file.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::document {

// Replaces (or creates) `path` with `bytes`. On failure the old file is untouched and no
// temporary file is left behind. A symbolic link is followed: the file it names is replaced.
// A new file gets the permissions a plain create would give it; an old file keeps its own.
void write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// name + ".bak": the backup of a document.
std::filesystem::path backup_path(const std::filesystem::path& path);

// Copies the existing file at `path` to backup_path(path), replacing an older backup. Returns
// false when there is no such file or the copy failed; the caller goes on with the save.
bool make_backup(const std::filesystem::path& path) noexcept;

// The bytes of a document as it is saved: every line followed by CR LF; with `blank_out` each
// line passes through the trailing-space trim first (spaces only become " ", empty stays empty).
std::string document_bytes(const std::vector<std::string>& lines, bool blank_out);

// Save of a document: the backup first when asked for (a failed backup is ignored), then the
// atomic write of document_bytes.
void save_document(const std::filesystem::path& path, const std::vector<std::string>& lines,
                   bool blank_out, bool backup);

}  // namespace quillo::document
