// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"
#include "platform/linux/tray/DBusTypes.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariantMap>

#include <map>
#include <memory>

namespace platform::xdg {

// A menu as the dbusmenu protocol sees it: a tree of numbered entries, each
// with its properties. Taking the menu's items again keeps the number of every
// entry that is still there (same parent, same text, same kind), so a host
// that cached the last layout keeps pointing at the right entries, and tells
// what changed: the tree itself, or only some entries' properties.
class MenuLayout {
public:
    static constexpr int rootId = 0;

    struct Entry {
        QVariantMap properties;
        QList<int> children;
        // The item this entry shows; none for the root.
        std::weak_ptr<MenuItem> item;
        // The menu whose items are this entry's children, if any.
        std::weak_ptr<Menu> submenu;
    };

    struct Changes {
        bool layoutChanged = false;
        DBusMenuItemList updated;
        DBusMenuItemKeysList removed;
    };

    // A layout with only the root: the menu of no items.
    MenuLayout();

    // Takes the menu's current items as the layout and tells what changed.
    Changes update(const std::shared_ptr<Menu>& menu);

    // The entry with this number; null when there is none (never was, or has
    // gone).
    const Entry* entry(int id) const;
    // Counts up each time the tree changes.
    uint revision() const { return revision_; }

    // The subtree below an existing entry, `depth` levels deep (-1: all), with
    // the named properties (all when `names` is empty).
    DBusMenuLayoutItem layout(int id, int depth, const QStringList& names) const;
    // The named properties of an existing entry (all when `names` is empty).
    QVariantMap properties(int id, const QStringList& names) const;

    // The dbusmenu properties that show one item.
    static QVariantMap propertiesOf(const MenuItem& item);
    // The entries' texts for one item: hosts draw the line breaks inside one
    // label as spaces or clip them, so a disabled item of several lines (a
    // tip wrapped to the menu's width) becomes one entry per line, each
    // without its trailing blanks. Any other item is one entry.
    static QStringList linesOf(const MenuItem& item);

private:
    void addChildren(int parentId, const std::shared_ptr<Menu>& menu, int nesting);
    int idFor(int parentId, const QString& signature, int occurrence);
    Changes compare(const std::map<int, Entry>& before) const;

    std::map<int, Entry> entries_;
    // Which number each (parent, text and kind, occurrence) had in the last layout.
    QHash<QString, int> idsByKey_;
    QHash<QString, int> previousIdsByKey_;
    int nextId_ = rootId + 1;
    uint revision_ = 1;
};

} // namespace platform::xdg
