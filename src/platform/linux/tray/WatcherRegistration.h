// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

#include <functional>

namespace platform::xdg {

// One tray item's registration with the StatusNotifierWatcher. The item
// registers by its object path from its own connection, so the watcher knows
// it by the connection's unique name: GNOME's extension loses items that
// register by a well-known name now and then. A watcher that drops the item
// while it is still there is asked again; a watcher that appears or restarts
// is the scheduler's to register all items with, in their order. Nothing
// polls.
class WatcherRegistration : public QObject {
    Q_OBJECT

public:
    static QString watcherService() { return QStringLiteral("org.kde.StatusNotifierWatcher"); }
    static QString watcherPath() { return QStringLiteral("/StatusNotifierWatcher"); }
    static QString watcherInterface() { return QStringLiteral("org.kde.StatusNotifierWatcher"); }

    // `itemPath` is where the item is exported on `connection`;
    // `wantsRegistration` runs when the watcher dropped the item.
    WatcherRegistration(QDBusConnection connection, QString itemPath,
                        std::function<void()> wantsRegistration, QObject* parent = nullptr);

    // Asks the watcher to take the item; `answered` runs once it replied
    // (or failed to).
    void registerItem(std::function<void()> answered);

private Q_SLOTS:
    void itemUnregistered(const QString& service);

private:
    // A watcher that drops an item it cannot read would drop it again:
    // asking this often is enough.
    static constexpr int maximumReRegistrations = 3;

    QDBusConnection connection_;
    QString itemPath_;
    std::function<void()> wantsRegistration_;
    QDBusServiceWatcher ownerWatcher_;
    bool isRegistered_ = false;
    int reRegistrations_ = 0;
};

} // namespace platform::xdg
