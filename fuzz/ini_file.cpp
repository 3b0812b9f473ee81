// Profile files: reading and writing back without a change gives the bytes back (line ends made
// CR LF); a value written is read back as written and no other key changes.
#include "document/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/document.h"
#include "fuzz_check.h"

using namespace quillo::document;

namespace {

// Names that can stand in a header or before "=": no line end, no blanks at the edges, no
// "]" in a section, no "=" in a key, and a key that starts no comment or header.
std::string name_from(FuzzedDataProvider& in, bool key) {
    std::string s = in.ConsumeRandomLengthString(12);
    std::string out;
    for (char c : s) {
        if (c == '\r' || c == '\n' || c == (key ? '=' : ']')) continue;
        out += c;
    }
    while (!out.empty() && (out.front() == ' ' || out.front() == '\t')) out.erase(0, 1);
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    if (key && (out.empty() || out.front() == ';' || out.front() == '[')) out.insert(0, "k");
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = name_from(in, false);
    const std::string key = name_from(in, true);
    const std::string other_section = name_from(in, false);
    const std::string other_key = name_from(in, true);
    const std::string value = in.ConsumeRandomLengthString(40);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    IniFile ini = IniFile::from_bytes(bytes);
    const std::string written = ini.to_bytes();
    FUZZ_CHECK(written == join_lines_crlf(split_lines(bytes)));
    FUZZ_CHECK(IniFile::from_bytes(written).to_bytes() == written);
    FUZZ_CHECK(!ini.modified());

    const auto other_before = ini.find(other_section, other_key);
    const std::size_t lines_before = ini.lines().size();
    ini.write_string(section, key, value);
    std::string want = value.substr(0, value.find_first_of("\r\n"));
    FUZZ_CHECK(ini.find(section, key) == want);
    FUZZ_CHECK(ini.lines().size() <= lines_before + 3);
    const bool same_entry = equal_ignoring_ascii_case(section, other_section) &&
                            equal_ignoring_ascii_case(key, other_key);
    if (!same_entry) FUZZ_CHECK(ini.find(other_section, other_key) == other_before);

    // The saved bytes read back to the same values.
    const IniFile reread = IniFile::from_bytes(ini.to_bytes());
    FUZZ_CHECK(reread.find(section, key) == want);
    FUZZ_CHECK(reread.lines() == ini.lines());

    // Numbers written are read as the same numbers.
    const int number = static_cast<int>(value.size() * 2654435761u);
    ini.write_int(section, key, number);
    FUZZ_CHECK(ini.read_int(section, key, number + 1) == number);
    return 0;
}
