// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"
#include "platform/linux/tray/DBusTypes.h"
#include "platform/linux/tray/MenuLayout.h"

#include <QDBusContext>
#include <QObject>

#include <functional>
#include <memory>

namespace platform::xdg {

// One status item's menu, shown to tray hosts through com.canonical.dbusmenu.
// Hosts differ in how they ask: some call AboutToShow and Event per entry,
// others only the Group forms; some wait for AboutToShow before showing,
// others show the layout they fetched last. So the menu is rebuilt both when
// a host is about to show it and whenever the item it belongs to changes,
// and LayoutUpdated goes out only when the tree really changed. Until a host
// first asks about the menu it is not built at all: a tray of fifty items
// whose menus nobody opens holds no fifty menus.
class DBusMenuExporter : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuExporter(QObject* parent = nullptr);

    // The menu shown from now on; null for none.
    void setMenu(std::shared_ptr<Menu> menu);
    // Rebuilds the menu on a later turn of the event loop, if a host has seen
    // it; several requests before then rebuild it once.
    void scheduleRebuild();
    // Runs whenever a host is about to show the top menu or says it opened
    // it: for a tray item, the user's click. Empty for none.
    void onRootOpening(std::function<void()> opening) { rootOpening_ = std::move(opening); }

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // com.canonical.dbusmenu, called by the generated adaptor.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(DBusMenuItemList updatedProps, DBusMenuItemKeysList removedProps);
    void LayoutUpdated(uint revision, int parent);

private:
    // Builds the menu the first time a host asks about it.
    void buildOnFirstRequest();
    // Asks the menu of an entry (the root or a submenu) to make its items
    // afresh. False when there is no such entry.
    bool askForUpdate(int id);
    // Takes the current items as the layout and tells hosts what changed;
    // returns whether the tree changed.
    bool rebuild();
    // False when there is no such entry.
    bool handleEvent(int id, const QString& eventId);
    void open(int id);
    void close(int id);
    void choose(int id);
    void replyUnknownId(int id);

    // Tells of a host opening the top menu.
    void rootOpens(int id) const;

    std::shared_ptr<Menu> menu_;
    std::function<void()> rootOpening_;
    MenuLayout layout_;
    bool isOpen_ = false;
    bool rebuildScheduled_ = false;
    bool hostHasAsked_ = false;
};

} // namespace platform::xdg
