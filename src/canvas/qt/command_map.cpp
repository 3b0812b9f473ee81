#include "canvas/qt/command_map.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

#include "canvas/qt/quillo.h"
#include "canvas/qt/tool_icons.h"

namespace quillo::canvas {

namespace {
QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
}  // namespace

const CommandEntry* CommandMap::entry(const QString& name) const {
    return entries_.value(name);
}

void CommandMap::build(TForm1* form, QMenuBar* menu_bar) {
    form_ = form;
    QHash<QString, QStringList> by_key;
    QList<QKeySequence> keys_in_order;
    for (const auto& e : command_table()) {
        const QString name = q(e.name);
        const QString parent = q(e.parent);
        if (e.kind == EntryKind::separator) {
            if (QMenu* m = menus_.value(parent))
                m->addSeparator();
            else if (QToolBar* bar = tool_bars_.value(parent))
                bar->addSeparator();
            continue;
        }
        entries_.insert(name, &e);
        own_enabled_.insert(
            name, (e.flags & kDisabled) == 0 &&
                      (e.handler != nullptr || (e.flags & kInert) || e.kind == EntryKind::menu ||
                       e.kind == EntryKind::popup || e.kind == EntryKind::tool_bar));
        if (!parent.isEmpty()) children_[parent].append(name);

        switch (e.kind) {
            case EntryKind::menu: {
                QMenu* m = parent.isEmpty() ? menu_bar->addMenu(q(e.caption))
                                            : menus_.value(parent)->addMenu(q(e.caption));
                m->setObjectName(name);
                m->menuAction()->setObjectName(name);
                menus_.insert(name, m);
                actions_.insert(name, m->menuAction());
                break;
            }
            case EntryKind::popup: {
                auto* m = new QMenu(form);
                m->setObjectName(name);
                menus_.insert(name, m);
                break;
            }
            case EntryKind::tool_bar: {
                auto* bar = new QToolBar(q(e.caption), form);
                bar->setObjectName(name);
                bar->setMovable(false);
                bar->setFloatable(false);
                bar->setIconSize(QSize(16, 16));
                tool_bars_.insert(name, bar);
                break;
            }
            case EntryKind::separator:
                break;
            case EntryKind::item:
            case EntryKind::button: {
                auto* a = new QAction(form);
                a->setObjectName(name);
                if (e.kind == EntryKind::item) {
                    a->setText(q(e.caption));
                } else {
                    a->setText(q(e.face));
                    a->setToolTip(q(e.caption));
                    a->setIcon(tool_icon(name));
                }
                if (*e.shortcut) {
                    const QKeySequence key(q(e.shortcut));
                    a->setShortcut(key);
                    a->setShortcutContext(Qt::WindowShortcut);
                    const QString text = key.toString(QKeySequence::PortableText);
                    if (!by_key.contains(text)) keys_in_order.append(key);
                    by_key[text].append(name);
                }
                a->setCheckable((e.flags & (kCheckable | kToolGroup)) != 0);
                a->setChecked((e.flags & kChecked) != 0);
                const Sender sender{e.name, e.tag,
                                    e.kind == EntryKind::item ? Sender::Kind::menu_item
                                                              : Sender::Kind::tool_button};
                const Handler handler = e.handler;
                const bool own_mark = (e.flags & kCheckable) != 0;
                QObject::connect(a, &QAction::triggered, form,
                                 [form, handler, sender, a, own_mark](bool now) {
                                     // A menu item's check mark is its handler's to set (the
                                     // toggles flip it themselves), so the flip Qt made on the way
                                     // in is taken back.
                                     if (own_mark) {
                                         const QSignalBlocker block(a);
                                         a->setChecked(!now);
                                     }
                                     // A speed button goes down when clicked; its handler decides
                                     // the group.
                                     if (handler)
                                         form->run_command([&] { (form->*handler)(sender); });
                                 });
                if (menus_.contains(parent)) {
                    menus_.value(parent)->addAction(a);
                } else if (auto* bar = tool_bars_.value(parent)) {
                    bar->addAction(a);
                    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
                        button->setObjectName(name + "_button");
                }
                // Shortcuts of menu items work while the menu bar is the window's.
                form->addAction(a);
                actions_.insert(name, a);
                break;
            }
        }
    }
    for (const auto& key : keys_in_order) {
        const QStringList& holders = by_key.value(key.toString(QKeySequence::PortableText));
        if (holders.size() > 1) shared_keys_.append({key, holders});
    }
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it) refresh(it.key());
    resolve_shared_keys();
}

void CommandMap::resolve_shared_keys() {
    for (const auto& [key, holders] : shared_keys_) {
        QString owner;
        for (const auto& name : holders)
            if (effectively_enabled(name)) {
                owner = name;
                break;
            }
        // A disabled item keeps showing its key: it cannot answer it anyway.
        for (const auto& name : holders)
            if (QAction* a = actions_.value(name))
                a->setShortcut(name == owner || !effectively_enabled(name) ? key : QKeySequence());
    }
}

bool CommandMap::enabled(const QString& name) const {
    return own_enabled_.value(name, false);
}

bool CommandMap::effectively_enabled(const QString& name) const {
    const CommandEntry* e = entries_.value(name);
    if (!e) return false;
    if (!own_enabled_.value(name, false)) return false;
    const QString parent = q(e->parent);
    if (parent.isEmpty() || tool_bars_.contains(parent)) return true;
    return effectively_enabled(parent);
}

void CommandMap::set_enabled(const QString& name, bool on) {
    if (!entries_.contains(name)) return;
    const CommandEntry* e = entries_.value(name);
    // An item with no handler yet stays disabled whatever the enabling rules say.
    if (on && e->handler == nullptr && !(e->flags & kInert) && e->kind != EntryKind::menu &&
        e->kind != EntryKind::popup && e->kind != EntryKind::tool_bar)
        on = false;
    own_enabled_[name] = on;
    refresh(name);
    resolve_shared_keys();
}

void CommandMap::refresh(const QString& name) {
    const bool on = effectively_enabled(name);
    if (QAction* a = actions_.value(name)) {
        // A top-level menu shows its own setting; items under a disabled menu go grey with it.
        a->setEnabled(on);
    }
    for (const auto& child : children_.value(name)) refresh(child);
}

void CommandMap::set_checked(const QString& name, bool on) {
    if (QAction* a = actions_.value(name)) {
        const bool was = a->blockSignals(true);
        a->setChecked(on);
        a->blockSignals(was);
    }
}

bool CommandMap::checked(const QString& name) const {
    QAction* a = actions_.value(name);
    return a && a->isChecked();
}

bool CommandMap::click(const QString& name) {
    QAction* a = actions_.value(name);
    const CommandEntry* e = entries_.value(name);
    if (!a || !e || !effectively_enabled(name)) return false;
    a->trigger();
    return true;
}

}  // namespace quillo::canvas
