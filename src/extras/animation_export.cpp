#include "extras/animation_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "document/clipboard_ops.h"
#include "document/file_names.h"
#include "document/program_paths.h"
#include "document/save_file.h"
#include "output/maker.h"
#include "platform/errors.h"

namespace quillo::extras {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& path, const std::string& reason) {
    throw platform::FileError("Cannot write file \"" + path.string() + "\". " + reason);
}

bool stands(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec)) && !ec;
}

// A hand-over file that stands in the way as something other than a file.
void check_is_file_or_missing(const fs::path& p) {
    std::error_code ec;
    const auto st = fs::status(p, ec);
    if (!fs::exists(st) || fs::is_regular_file(st)) return;
    fail(p, fs::is_directory(st) ? "It is a folder." : "It is not a regular file.");
}

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

void write_all(int fd, std::string_view bytes, const fs::path& path, off_t old_size) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            // A half-written line would join the next one: the index goes back as it was.
            if (::ftruncate(fd, old_size) != 0) {
                // Nothing more can be done; the error below is what the user needs to know.
            }
            fail(path, std::strerror(err));
        }
        p += n;
        left -= std::size_t(n);
    }
}

}  // namespace

std::optional<ProgramStart> find_animation_program(const fs::path& program_dir) {
    const fs::path native = program_dir / kAnimationProgram;
    if (stands(native)) return ProgramStart{native.string(), {}};
    const fs::path windows = program_dir / kAnimationProgramWindows;
    if (stands(windows)) return ProgramStart{std::string(kWindowsLayer), {windows.string()}};
    return std::nullopt;
}

std::string index_line(const fs::path& picture) {
    std::error_code ec;
    const fs::path full = fs::absolute(picture, ec);
    return (ec ? picture : full).string() + "\r\n";
}

std::string colour_id_bytes(platform::WinColour text, platform::WinColour back) {
    return std::to_string(text) + "\r\n" + std::to_string(back) + "\r\n";
}

void append_index_line(const fs::path& index, const fs::path& picture) {
    Fd f;
    f.fd = ::open(index.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (f.fd < 0) fail(index, errno == EISDIR ? "It is a folder." : std::strerror(errno));
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fail(index, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) fail(index, "It is not a regular file.");

    std::string bytes;
    if (st.st_size > 0) {
        char last = 0;
        if (::pread(f.fd, &last, 1, st.st_size - 1) != 1) fail(index, std::strerror(errno));
        if (last != '\n') bytes = "\r\n";
    }
    bytes += index_line(picture);
    write_all(f.fd, bytes, index, st.st_size);
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0) fail(index, std::strerror(errno));
}

std::string not_found_message(const std::optional<fs::path>& picture) {
    std::string m =
        "  在当前目录下未能找到Reelix程序，\r"
        "程序“Reelix.exe”是Quillo的一个\r"
        "附属程序，请将其放置在同一目录下，再运\r"
        "行此操作。若有疑问请访问以下地址：\r"
        "   ";
    m += output::kMakerHomePage;
    if (picture)
        m += "\r\r图案已保存为“" + picture->string() + "”，\r并已登记在" + std::string(kIndexFile) +
             "中，Reelix启动后即可看到。";
    return m;
}

std::string start_failed_message(const ProgramStart& start, bool picture_indexed) {
    std::string m = "  未能启动Reelix程序“" + start.program;
    for (const auto& a : start.args) m += " " + a;
    m += "”。";
    if (start.program == kWindowsLayer) m += "\r运行Windows版的Reelix需要Wine。";
    if (picture_indexed)
        m += "\r图案已登记在" + std::string(kIndexFile) + "中，Reelix启动后即可看到。";
    return m;
}

AnimationResult export_animation(const AnimationExport& in) {
    const auto program = find_animation_program(in.program_dir);
    const fs::path index = in.program_dir / kIndexFile;
    const fs::path colour_file = in.program_dir / kColourFile;
    const bool running = stands(in.program_dir / kRunningFile);
    const bool picture_due = in.selection_shown && in.canvas && in.colours && in.rows > 0;

    // Everything that could stop the hand-over is found before a file is written, so a
    // failure leaves no picture that the index does not list.
    if ((picture_due || !running) && !document::folder_is_writable(in.program_dir))
        throw platform::FileError("Cannot hand the picture over to Reelix: the program folder \"" +
                                  in.program_dir.string() + "\" cannot be written.");
    if (picture_due) check_is_file_or_missing(index);
    if (!running) check_is_file_or_missing(colour_file);

    AnimationResult result;
    if (picture_due) {
        const fs::path picture = document::create_numbered_file(in.temp_dir, in.base, "txt");
        try {
            document::write_selection_files(picture, *in.canvas, in.rows, in.cells, *in.colours,
                                            in.multicolour);
            append_index_line(index, picture);
        } catch (...) {
            std::error_code ec;
            fs::remove(picture, ec);
            throw;
        }
        result.picture = picture;
    }

    if (!running)
        document::write_file_atomically(colour_file,
                                        colour_id_bytes(in.text_colour, in.back_colour));

    if (!program) {
        result.message = not_found_message(result.picture);
    } else if (!running) {
        result.start = program;
        result.message = std::string(kSentMessage);
    } else {
        result.message = std::string(kSentSwitchMessage);
    }
    return result;
}

}  // namespace quillo::extras
