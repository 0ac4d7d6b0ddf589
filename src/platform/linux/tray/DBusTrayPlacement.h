// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"
#include "platform/TrayPlacement.h"
#include "platform/linux/tray/TrayItemDirectory.h"

#include <QDBusConnection>
#include <QObject>

namespace platform::xdg {

// Placement on a freedesktop tray: the other items from the
// StatusNotifierWatcher and the items themselves, XFCE's known items through
// xfconf, and our own items' sort keys and arrivals.
class DBusTrayPlacement final : public QObject, public TrayPlacement {
    Q_OBJECT

public:
    // `ours` are this program's items; `hosts` tell whose watcher lists
    // the items; `bus` is the session bus.
    DBusTrayPlacement(TrayItemDirectory& ours, const TrayHosts& hosts,
                      QDBusConnection bus = QDBusConnection::sessionBus());

    QList<TrayItemDescription> otherItems() override;
    QStringList arrivalOrder() override;
    void onItemsChanged(std::function<void()> changed) override;
    std::optional<QStringList> knownItems(int plugin) override;
    bool setKnownItems(int plugin, const QStringList& ids) override;
    void setSortKey(const QString& id, const QString& category, const QString& title) override;
    void arriveAgain(const QString& id) override;
    void holdBack(const QString& id) override;

private Q_SLOTS:
    void itemsChanged();

private:
    QStringList registeredItems();
    std::optional<TrayItemDescription> describe(const QString& registered);

    TrayItemDirectory& ours_;
    const TrayHosts& hosts_;
    QDBusConnection bus_;
    std::function<void()> changed_;
};

} // namespace platform::xdg
