// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusTypes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariant>

namespace e2e {

// Talks to tray items the way a tray host does: it finds them through the
// watcher, reads their properties, and opens their menus and chooses entries.
class TrayHost {
public:
    explicit TrayHost(QDBusConnection bus);

    // Whether the watcher knows a host; false while there is no watcher.
    bool hostRegistered() const;
    // The bus names of the items the watcher knows, in its order.
    QStringList itemServices() const;
    QVariant itemProperty(const QString& service, const QString& name) const;

    // Opens the item's menu and the submenus along `labels` (as a host does
    // when the pointer moves into them) with AboutToShow and GetLayout, then
    // sends the "opened", "clicked" (on the last entry) and "closed" events.
    // False when an entry is not there or a call fails.
    bool choose(const QString& service, const QStringList& labels) const;
    // The menu's entries below `parent` (0: the whole menu), with their properties.
    platform::xdg::DBusMenuLayoutItem menu(const QString& service, int parent = 0) const;

private:
    QDBusMessage callMenu(const QString& service, const QString& method,
                          const QVariantList& arguments) const;
    int idOf(const QString& service, int parent, const QString& label) const;

    QDBusConnection bus_;
};

} // namespace e2e
