#include "platform/desktop_integration.h"

#include <string>
#include <vector>

#include "platform/desktop_entry.h"
#include "platform/file_io.h"
#include "platform/key_file.h"

namespace quillo::platform {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kEntryMode = 0644;
constexpr mode_t kDesktopShortcutMode = 0755;  // desktops launch only executable entries
// The backup keeps, for each key Quillo changed, "set:" and what it held, or "unset"...
constexpr std::string_view kWasSet = "set:";
constexpr char kWasUnset[] = "unset";
// ...and what Quillo created: the file itself, and groups it did not have.
constexpr char kCreatedGroup[] = "Quillo created";
constexpr char kCreatedFileKey[] = "mimeapps.list";

// ---- lists of desktop-entry names ("a.desktop;b.desktop;") ----

std::vector<std::string> list_entries(const std::string& list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        auto end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) out.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

bool names(const std::string& list, const std::string& id) {
    for (const auto& e : list_entries(list))
        if (e == id) return true;
    return false;
}

// The list with `id` added at its end; a list that names it already stays as it is.
std::string with_entry(const std::string& list, const std::string& id) {
    if (names(list, id)) return list;
    std::string out = list;
    if (!out.empty() && out.back() != ';') out += ';';
    return out + id + ";";
}

std::string without_entry(const std::string& list, const std::string& id) {
    if (!names(list, id)) return list;
    std::string out;
    for (const auto& e : list_entries(list))
        if (e != id) out += e + ";";
    return out;
}

// ---- mimeapps.list and its backup, changed together ----

struct Mimeapps {
    KeyFileText list;
    bool list_existed = false;
    KeyFileText backup;
};

// False when either file exists but cannot be read: neither may be rewritten then.
bool load(const DesktopPaths& p, Mimeapps& m) {
    const FileBytes list = read_file_bytes(p.mimeapps);
    const FileBytes backup = read_file_bytes(p.backup);
    if (!list.readable || !backup.readable) return false;
    m.list = KeyFileText::parse(list.bytes);
    m.list_existed = list.exists;
    m.backup = KeyFileText::parse(backup.bytes);
    return true;
}

// Records what a key holds before Quillo first changes it; a later change keeps the first
// record, which is what undoing must bring back.
void remember(Mimeapps& m, const char* group, const char* key) {
    if (m.backup.get(group, key)) return;
    if (!m.list_existed && !m.backup.get(kCreatedGroup, kCreatedFileKey))
        m.backup.set(kCreatedGroup, kCreatedFileKey, "true");
    if (!m.list.has_group(group)) m.backup.set(kCreatedGroup, group, "true");
    const auto now = m.list.get(group, key);
    m.backup.set(group, key, now ? std::string(kWasSet) + *now : std::string(kWasUnset));
}

// The backup goes first: should the list then fail, undo finds a record of a change that was
// never made and passes it by (the key does not hold Quillo's value).
bool save_registration(const DesktopPaths& p, const Mimeapps& m) {
    return replace_file(p.backup, m.backup.bytes()) && replace_file(p.mimeapps, m.list.bytes());
}

// Sets a key to Quillo's value, remembering what it held.
bool give_to_quillo(const DesktopPaths& p, const char* group, const char* key,
                    const std::string& id, bool add_to_list) {
    Mimeapps m;
    if (!load(p, m)) return false;
    remember(m, group, key);
    const std::string now = m.list.get(group, key).value_or("");
    m.list.set(group, key, add_to_list ? with_entry(now, id) : id + ";");
    return save_registration(p, m);
}

// Puts back what a key held before Quillo changed it. If another program changed the key
// since, its value stays and only Quillo's entry is taken out of it. True when there was a
// record.
bool restore(Mimeapps& m, const char* group, const char* key, const std::string& id,
             bool added_to_list) {
    const auto saved = m.backup.get(group, key);
    if (!saved) return false;
    const bool was_set = saved->rfind(kWasSet, 0) == 0;
    const std::string before = was_set ? saved->substr(kWasSet.size()) : std::string();
    const std::string ours = added_to_list ? with_entry(before, id) : id + ";";
    if (const auto now = m.list.get(group, key)) {
        if (*now == ours) {
            if (was_set)
                m.list.set(group, key, before);
            else
                m.list.remove(group, key);
        } else if (names(*now, id)) {
            const std::string rest = without_entry(*now, id);
            if (rest.empty() && !was_set)
                m.list.remove(group, key);
            else
                m.list.set(group, key, rest);
        }
    }
    m.backup.remove(group, key);
    return true;
}

// ---- files of our own ----

bool can_describe(const DesktopIntegration& d) {
    return !d.program.empty() && !d.dirs.data_home.empty() && !d.dirs.config_home.empty() &&
           is_utf8(d.program.string()) && is_utf8(d.icon.string());
}

void run_helper(const DesktopIntegration& d, const char* program, const fs::path& folder) {
    if (d.run_helper) d.run_helper(program, {folder.string()});
}

std::vector<std::pair<std::string, std::string>> entry_keys(const DesktopIntegration& d,
                                                            const std::string& name,
                                                            const std::string& exec) {
    std::vector<std::pair<std::string, std::string>> keys{
        {"Type", "Application"}, {"Name", name}, {"Exec", exec}};
    if (!d.icon.empty()) keys.emplace_back("Icon", kIconName);
    keys.emplace_back("Terminal", "false");
    return keys;
}

// The picture goes where the icon theme looks for it by name. A picture that cannot be put
// there costs the entries their icon, never the entry itself.
void install_icon(const DesktopIntegration& d) {
    if (d.icon.empty() || d.dirs.data_home.empty()) return;
    const FileBytes picture = read_file_bytes(d.icon);
    if (!picture.exists || !picture.readable) return;
    const fs::path target = desktop_paths(d.dirs).icon;
    const FileBytes installed = read_file_bytes(target);
    if (installed.exists && installed.readable && installed.bytes == picture.bytes) return;
    replace_file(target, picture.bytes, kEntryMode);
}

bool write_entry(const DesktopIntegration& d, const fs::path& path, const std::string& text,
                 mode_t mode = kEntryMode) {
    if (!can_describe(d)) return false;
    install_icon(d);
    return replace_file(path, text, mode);
}

bool entry_has_exec(const fs::path& path) {
    const FileBytes f = read_file_bytes(path);
    return f.exists && f.readable && read_desktop_entry(f.bytes).count("Exec") != 0;
}

}  // namespace

DesktopPaths desktop_paths(const XdgDirs& dirs) {
    DesktopPaths p;
    p.applications = dirs.data_home / "applications";
    p.edit_entry = p.applications / kEditEntryName;
    p.open_entry = p.applications / kOpenEntryName;
    p.menu_shortcut = p.applications / kShortcutName;
    p.mime_dir = dirs.data_home / "mime";
    p.mime_package = p.mime_dir / "packages" / "quillo-clo.xml";
    p.mimeapps = dirs.config_home / "mimeapps.list";
    p.backup = dirs.config_home / "quillo" / "mimeapps.bak";
    p.icon = dirs.data_home / "icons" / "hicolor" / "scalable" / "apps" /
             (std::string(kIconName) + ".svg");
    return p;
}

std::string edit_entry_text(const DesktopIntegration& d) {
    auto keys = entry_keys(d, "使用Quillo编辑", exec_value(d.program.string(), "%f"));
    keys.emplace_back("MimeType", std::string(kTextMimeType) + ";");
    keys.emplace_back("NoDisplay", "true");
    return desktop_entry_text(keys);
}

std::string open_entry_text(const DesktopIntegration& d) {
    auto keys = entry_keys(d, "Quillo", exec_value(d.program.string(), "%f"));
    keys.emplace_back("MimeType",
                      std::string(kTextMimeType) + ";" + std::string(kColourMimeType) + ";");
    keys.emplace_back("NoDisplay", "true");
    return desktop_entry_text(keys);
}

std::string shortcut_text(const DesktopIntegration& d) {
    auto keys = entry_keys(d, "Quillo", exec_value(d.program.string()));
    keys.emplace_back("Categories", "Graphics;");
    return desktop_entry_text(keys);
}

std::string mime_package_text() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kColourMimeType) +
           "\">\n"
           "    <comment>Quillo colour file</comment>\n"
           "    <comment xml:lang=\"zh_CN\">Quillo色彩文件</comment>\n"
           "    <sub-class-of type=\"text/plain\"/>\n"
           "    <glob pattern=\"*.clo\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

RegistrationState registration_state(const DesktopIntegration& d) {
    const DesktopPaths p = desktop_paths(d.dirs);
    RegistrationState s;
    s.context_entry = entry_has_exec(p.edit_entry);
    const FileBytes backup = read_file_bytes(p.backup);
    const KeyFileText b = KeyFileText::parse(backup.readable ? backup.bytes : "");
    s.text_default = b.get(kDefaultsGroup, kTextMimeType).has_value();
    s.colour_default = b.get(kDefaultsGroup, kColourMimeType).has_value();
    return s;
}

bool register_context_entry(const DesktopIntegration& d) {
    const DesktopPaths p = desktop_paths(d.dirs);
    remove_file(p.edit_entry);
    const bool entry = write_entry(d, p.edit_entry, edit_entry_text(d));
    const bool offered =
        entry && give_to_quillo(p, kAddedGroup, kTextMimeType, kEditEntryName, true);
    if (entry) run_helper(d, "update-desktop-database", p.applications);
    return entry && offered;
}

bool register_text_default(const DesktopIntegration& d) {
    const DesktopPaths p = desktop_paths(d.dirs);
    if (!write_entry(d, p.open_entry, open_entry_text(d))) return false;
    const bool ok = give_to_quillo(p, kDefaultsGroup, kTextMimeType, kOpenEntryName, false);
    run_helper(d, "update-desktop-database", p.applications);
    return ok;
}

bool register_colour_files(const DesktopIntegration& d) {
    const DesktopPaths p = desktop_paths(d.dirs);
    if (d.dirs.data_home.empty() || !replace_file(p.mime_package, mime_package_text(), kEntryMode))
        return false;
    run_helper(d, "update-mime-database", p.mime_dir);
    if (!write_entry(d, p.open_entry, open_entry_text(d))) return false;
    const bool ok = give_to_quillo(p, kDefaultsGroup, kColourMimeType, kOpenEntryName, false);
    run_helper(d, "update-desktop-database", p.applications);
    return ok;
}

bool undo_registration(const DesktopIntegration& d) {
    if (d.dirs.data_home.empty() || d.dirs.config_home.empty()) return false;
    const DesktopPaths p = desktop_paths(d.dirs);
    Mimeapps m;
    bool restored = false;
    bool saved = true;
    if (load(p, m)) {
        restored |= restore(m, kDefaultsGroup, kTextMimeType, kOpenEntryName, false);
        restored |= restore(m, kDefaultsGroup, kColourMimeType, kOpenEntryName, false);
        restored |= restore(m, kAddedGroup, kTextMimeType, kEditEntryName, true);
        for (const char* group : {kDefaultsGroup, kAddedGroup})
            if (m.backup.get(kCreatedGroup, group)) m.list.remove_group_if_empty(group);
        const bool created_file = m.backup.get(kCreatedGroup, kCreatedFileKey).has_value();
        if (restored) {
            // The list first: should it fail, the backup stays for another try.
            if (created_file && m.list.empty())
                saved = !fs::exists(p.mimeapps) || remove_file(p.mimeapps);
            else if (m.list_existed || !m.list.empty())
                saved = replace_file(p.mimeapps, m.list.bytes());
            if (saved) remove_file(p.backup);
        }
    } else {
        saved = false;
    }

    const bool type_removed = remove_file(p.mime_package);
    if (type_removed) run_helper(d, "update-mime-database", p.mime_dir);
    const bool edit_removed = remove_file(p.edit_entry);
    // The default program's entry goes once no default names it any more.
    const FileBytes list = read_file_bytes(p.mimeapps);
    const KeyFileText now = KeyFileText::parse(list.readable ? list.bytes : "");
    const bool still_default =
        names(now.get(kDefaultsGroup, kTextMimeType).value_or(""), kOpenEntryName) ||
        names(now.get(kDefaultsGroup, kColourMimeType).value_or(""), kOpenEntryName);
    const bool open_removed = !still_default && remove_file(p.open_entry);
    if (edit_removed || open_removed) run_helper(d, "update-desktop-database", p.applications);
    // The shortcuts stay (they are the user's to delete), and so does the picture they show.
    std::error_code ec;
    const bool shown = fs::exists(p.edit_entry, ec) || fs::exists(p.open_entry, ec) ||
                       fs::exists(p.menu_shortcut, ec) ||
                       (!d.dirs.desktop.empty() && fs::exists(d.dirs.desktop / kShortcutName, ec));
    if (!shown) remove_file(p.icon);
    return ((restored && saved) || type_removed || edit_removed);
}

ShortcutResult create_shortcut(const DesktopIntegration& d, ShortcutPlace place) {
    if (place == ShortcutPlace::desktop) {
        std::error_code ec;
        if (d.dirs.desktop.empty() || !fs::is_directory(d.dirs.desktop, ec))
            return ShortcutResult::no_folder;
        return write_entry(d, d.dirs.desktop / kShortcutName, shortcut_text(d),
                           kDesktopShortcutMode)
                   ? ShortcutResult::created
                   : ShortcutResult::failed;
    }
    const DesktopPaths p = desktop_paths(d.dirs);
    if (d.dirs.data_home.empty() || !write_entry(d, p.menu_shortcut, shortcut_text(d)))
        return ShortcutResult::failed;
    run_helper(d, "update-desktop-database", p.applications);
    return ShortcutResult::created;
}

}  // namespace quillo::platform
