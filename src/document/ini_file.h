#pragma once
// A profile (ini) file with the semantics of the Windows private-profile functions: "[section]"
// headers and "key=value" lines; sections and keys are matched without regard to ASCII case and
// the first match wins; a missing key reads as the caller's default; values are raw GBK bytes.
// The whole file is kept in memory: load once, change values, save once. Writing a value
// rewrites only its own line; every other line (comments, unknown keys, order) stays as it was.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::document {

class IniFile {
  public:
    IniFile() = default;

    // Lines end at CR LF, LF or CR.
    static IniFile from_bytes(std::string_view bytes);
    // A missing file gives an empty profile; any other read failure throws platform::FileError.
    static IniFile load(const std::filesystem::path& path);

    // Every line followed by CR LF.
    std::string to_bytes() const;
    // Atomic: a failure leaves the old file as it was (platform::FileError).
    void save(const std::filesystem::path& path) const;

    // The value as written, blanks around it removed and one pair of matching quotes ("" or '')
    // stripped; nullopt when the section or the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view fallback) const;
    // Optional blanks, optional sign, decimal digits (anything after them is ignored). A value
    // without digits, or one that does not fit 32 bits, reads as `fallback`. Values from
    // 2^31 to 2^32 - 1 wrap to negative, so colours written unsigned read right.
    int read_int(std::string_view section, std::string_view key, int fallback) const;
    // An integer; anything but 0 is true.
    bool read_bool(std::string_view section, std::string_view key, bool fallback) const;

    // Updates the first matching key in place, or appends the key at the end of the first
    // matching section, or appends the section at the end of the file. Values with leading or
    // trailing blanks, or wrapped in a pair of matching quotes, are written in double quotes so
    // that they read back unchanged. A value cannot hold a line end: it is cut at the first CR
    // or LF.
    void write_string(std::string_view section, std::string_view key, std::string_view value);
    void write_int(std::string_view section, std::string_view key, int value);
    void write_bool(std::string_view section, std::string_view key, bool value);

    // True once a write changed a line.
    bool modified() const { return modified_; }
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    struct Place {
        std::size_t section_line = npos;  // header line of the first matching section
        std::size_t section_end = npos;   // one past its last line
        std::size_t key_line = npos;      // first matching key line inside it
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    Place locate(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_;
    bool modified_ = false;
};

// Compares ASCII letters without case; the bytes of a full-width GBK character compare exactly.
bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);

}  // namespace quillo::document
