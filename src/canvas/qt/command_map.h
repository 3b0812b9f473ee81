#pragma once
// The command map: menus, context menus and tool bars are built from one table of entries
// (component name, caption, shortcut, Tag, handler, enabling). Every command is found by its
// component name, by the script mode and the tests alike.
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;
class QToolButton;
class QWidget;

namespace quillo::canvas {

class TForm1;

// Who sent a command: its component name and Tag, as handlers dispatched by Tag need them.
struct Sender {
    enum class Kind { menu_item, tool_button, other };
    std::string name;
    int tag = 0;
    Kind kind = Kind::other;
};

using Handler = void (TForm1::*)(const Sender&);

enum class EntryKind { menu, item, tool_bar, button, popup, separator };

enum EntryFlags : unsigned {
    kCheckable = 1u << 0,
    kChecked = 1u << 1,
    kDisabled = 1u << 2,   // disabled at start
    kToolGroup = 1u << 3,  // one of the drawing speed buttons (at most one down)
    kInert = 1u << 4,      // has no handler on purpose: choosing it does nothing
};

struct CommandEntry {
    const char* name;
    const char* parent;  // "" for a top-level menu, tool bar or context menu
    EntryKind kind;
    const char* caption;  // menu caption, or the hint of a tool button (UTF-8)
    const char* shortcut;
    int tag;
    Handler handler;  // nullptr: not built yet (stands disabled) or opens a submenu
    unsigned flags;
    const char* face;  // short text a tool button shows when it has no picture
};

// The table of every command of the main window.
const std::vector<CommandEntry>& command_table();

class CommandMap {
  public:
    // Builds menus into the menu bar, the tool bars and the context menus of the window.
    void build(TForm1* form, QMenuBar* menu_bar);

    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    QToolBar* tool_bar(const QString& name) const { return tool_bars_.value(name); }
    const CommandEntry* entry(const QString& name) const;
    QStringList names() const { return entries_.keys(); }

    // Enabling of an item or a menu. A disabled menu disables every item under it, shortcut
    // keys included, while each item keeps its own setting for when the menu comes back.
    // Where two items carry the same key, the first of them in menu order that is enabled
    // answers it; the other shows no key while both are enabled, so a key never means two
    // commands at once.
    void set_enabled(const QString& name, bool enabled);
    bool enabled(const QString& name) const;  // its own setting
    bool effectively_enabled(const QString& name) const;

    void set_checked(const QString& name, bool checked);
    bool checked(const QString& name) const;

    // Runs the command as a click does. False when it is disabled or has no handler.
    bool click(const QString& name);

  private:
    void refresh(const QString& name);

    TForm1* form_ = nullptr;
    QHash<QString, const CommandEntry*> entries_;
    QHash<QString, QAction*> actions_;  // items and buttons; menus by their menu action
    QHash<QString, QMenu*> menus_;
    QHash<QString, QToolBar*> tool_bars_;
    QHash<QString, bool> own_enabled_;
    QHash<QString, QStringList> children_;
    // Keys that more than one entry carries, with those entries in table order.
    QList<QPair<QKeySequence, QStringList>> shared_keys_;
    void resolve_shared_keys();
};

}  // namespace quillo::canvas
