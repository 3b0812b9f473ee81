#pragma once
// Names of files: generated numbered files, the base name of a document and the extension
// rules of Open and of the command line.
#include <filesystem>
#include <string>
#include <string_view>

namespace quillo::document {

// dir/base_vN.extension for the first N = 1, 2, 3, ... that names nothing yet. The file is
// created (empty) with O_CREAT | O_EXCL, so two running copies never take the same number; the
// caller then writes it. An empty extension gives no dot. Throws platform::FileError when the
// folder cannot take a file.
std::filesystem::path create_numbered_file(const std::filesystem::path& dir, std::string_view base,
                                           std::string_view extension);

// The name create_numbered_file tries for number n.
std::filesystem::path numbered_file_name(const std::filesystem::path& dir, std::string_view base,
                                         std::string_view extension, int n);

// The last 4 characters (the extension with its dot) dropped, then everything up to and
// including the last "/" or "\" (C:\art\cat.txt and /art/cat.txt give cat). Characters are
// counted as UTF-8 sequences, so a name without an extension is never cut inside a character.
std::string document_base_name(std::string_view path);

// From the last "." after the last "/" or "\", dot included; empty when there is none.
std::string_view file_extension(std::string_view name);

enum class FileKind { none, text, colour };

// Open dialog: ".txt" is a text file, ".clo" a colour file, exactly and in lower case only.
FileKind open_dialog_kind(std::string_view name);
// Command line: ".txt" or ".TXT", ".clo" or ".CLO" (mixed case like ".Txt" is neither).
FileKind command_line_kind(std::string_view name);

}  // namespace quillo::document
