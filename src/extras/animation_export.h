#pragma once
// Handing pictures to the animation program Reelix, which stands beside our executable: the
// floating selection becomes a numbered text file in the temporary folder, its path is appended
// to the index "quillo.idx" that Reelix reads, and the canvas colours go to "color.id_" when
// Reelix is started. "tmp.id_" beside it means Reelix is already running.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas_state.h"
#include "document/colour_layer.h"
#include "platform/colours.h"

namespace quillo::extras {

inline constexpr std::string_view kAnimationProgram = "reelix";
// A Windows build of Reelix runs through the compatibility layer.
inline constexpr std::string_view kAnimationProgramWindows = "reelix.exe";
inline constexpr std::string_view kWindowsLayer = "wine";
inline constexpr std::string_view kIndexFile = "quillo.idx";
inline constexpr std::string_view kColourFile = "color.id_";
inline constexpr std::string_view kRunningFile = "tmp.id_";

inline constexpr std::string_view kSentMessage = "  图案传送成功！";
inline constexpr std::string_view kSentSwitchMessage =
    "  图案传送成功！请切换到Reelix\r程序界面查看结果。";

struct ProgramStart {
    std::string program;
    std::vector<std::string> args;
};

// How Reelix is started from `program_dir`: "reelix" by itself, else "reelix.exe" through the
// compatibility layer; nullopt when neither is there. Only existence counts: a file that turns
// out not to run is reported when starting it fails.
std::optional<ProgramStart> find_animation_program(const std::filesystem::path& program_dir);

// The line of "quillo.idx" for a picture: its full path as the file system spells it, CR LF.
std::string index_line(const std::filesystem::path& picture);

// "color.id_": the canvas text colour, then the background colour, each a signed 32-bit decimal
// followed by CR LF (system colours have the top bit set and come out negative).
std::string colour_id_bytes(platform::WinColour text, platform::WinColour back);

// Appends index_line(picture) to `index`, creating it when missing. An index whose last line
// lacks its line end gets one first, so the new path always stands on a line of its own. The
// file is never read beyond its last byte, whatever its size; a failed write cuts it back to its
// old length. Throws platform::FileError.
void append_index_line(const std::filesystem::path& index, const std::filesystem::path& picture);

// The message when Reelix is missing. Files are still written; `picture` names the one that
// was (none without a floating selection).
std::string not_found_message(const std::optional<std::filesystem::path>& picture);

// The message when starting Reelix failed; the picture is in the index all the same.
std::string start_failed_message(const ProgramStart& start, bool picture_indexed);

struct AnimationExport {
    std::filesystem::path program_dir;
    std::filesystem::path temp_dir;  // where the picture files go
    std::string base;                // base name of the current document (UTF-8)
    const canvas::CanvasState* canvas = nullptr;
    const document::ColourState* colours = nullptr;
    bool multicolour = false;
    bool selection_shown = false;  // a floating selection is on the canvas
    int rows = 0;                  // its size in rows and cells
    int cells = 0;
    platform::WinColour text_colour = 0;  // the canvas colours
    platform::WinColour back_colour = 0;
};

struct AnimationResult {
    std::optional<std::filesystem::path> picture;  // written and listed in the index
    std::optional<ProgramStart> start;             // the caller starts it and does not wait
    std::string message;                           // shown once that is done
};

// The export command: checks that the hand-over files can be written (before anything is),
// writes the picture with its colour file and lists it in the index, writes "color.id_" unless
// Reelix is running, and says what to start and what to tell the user. When Reelix is missing
// the files are written all the same and the message says where it belongs. Throws
// platform::FileError; a picture that could not be listed is removed again.
AnimationResult export_animation(const AnimationExport& in);

}  // namespace quillo::extras
