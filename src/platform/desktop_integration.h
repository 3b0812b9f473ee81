#pragma once
// Quillo as the Linux desktop knows it: desktop entries that open text and colour files with
// it, defaults in the user's mimeapps.list, a shared-mime-info type for ".clo" files, and
// shortcuts in the applications menu and on the desktop.
//
// mimeapps.list belongs to every program of the user. Only Quillo's own keys change; before
// one changes, what it held (or that it was missing) is kept in <config>/quillo/mimeapps.bak,
// so that undoing puts the file back byte for byte - unless another program changed the key in
// the meantime, in which case only Quillo's own entry is taken out of it.
#include <filesystem>

#include "platform/helper_tools.h"
#include "platform/xdg_dirs.h"

namespace quillo::platform {

inline constexpr char kEditEntryName[] = "quillo-edit.desktop";  // "使用Quillo编辑" for text
inline constexpr char kOpenEntryName[] = "quillo-open.desktop";  // the default program
inline constexpr char kShortcutName[] = "quillo.desktop";        // menu and desktop shortcut
inline constexpr char kIconName[] = "quillo";  // the entries' icon, from the icon theme
inline constexpr char kTextMimeType[] = "text/plain";
inline constexpr char kColourMimeType[] = "application/x-quillo-clo";
inline constexpr char kDefaultsGroup[] = "Default Applications";
inline constexpr char kAddedGroup[] = "Added Associations";

struct DesktopIntegration {
    XdgDirs dirs;
    std::filesystem::path program;  // the executable the entries start
    std::filesystem::path icon;     // the program's SVG picture; empty: the entries carry no icon
    HelperRunner run_helper;        // empty: no helper is run
};

struct DesktopPaths {
    std::filesystem::path applications;   // <data>/applications
    std::filesystem::path edit_entry;     // applications/quillo-edit.desktop
    std::filesystem::path open_entry;     // applications/quillo-open.desktop
    std::filesystem::path menu_shortcut;  // applications/quillo.desktop
    std::filesystem::path mime_dir;       // <data>/mime
    std::filesystem::path mime_package;   // mime/packages/quillo-clo.xml
    std::filesystem::path mimeapps;       // <config>/mimeapps.list
    std::filesystem::path backup;         // <config>/quillo/mimeapps.bak
    std::filesystem::path icon;           // <data>/icons/hicolor/scalable/apps/quillo.svg
};
DesktopPaths desktop_paths(const XdgDirs& dirs);

struct RegistrationState {
    bool context_entry = false;   // the "使用Quillo编辑" entry for text files is in place
    bool text_default = false;    // Quillo was made the default text editor
    bool colour_default = false;  // colour files were given to Quillo
};
RegistrationState registration_state(const DesktopIntegration& d);

// Each returns true when everything it writes was written; what was written stays otherwise.
// The "使用Quillo编辑" entry, offered for text files (an added association).
bool register_context_entry(const DesktopIntegration& d);
// Quillo as the default program for text files.
bool register_text_default(const DesktopIntegration& d);
// The ".clo" type, and Quillo as its default program (only when the type was written).
bool register_colour_files(const DesktopIntegration& d);
// Puts back the earlier defaults (removing Quillo's where there were none), removes the type
// and the entries, and the icon once no shortcut of Quillo's is left to show it. True when a
// default was put back or the type or the "使用Quillo编辑" entry was removed.
bool undo_registration(const DesktopIntegration& d);

// The text of the files written, for the shortcuts too.
std::string edit_entry_text(const DesktopIntegration& d);
std::string open_entry_text(const DesktopIntegration& d);
std::string shortcut_text(const DesktopIntegration& d);
std::string mime_package_text();

enum class ShortcutPlace { applications_menu, desktop };
enum class ShortcutResult { created, no_folder, failed };
// Every entry and shortcut written puts the program's picture into the user's icon theme
// first (hicolor, scalable), where the entries find it by its name. A shortcut is written anew
// on every call. On the desktop only when the desktop folder
// exists (no_folder otherwise, and nothing is written).
ShortcutResult create_shortcut(const DesktopIntegration& d, ShortcutPlace place);

}  // namespace quillo::platform
