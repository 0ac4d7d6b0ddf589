// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

namespace platform::xdg {

// Keeps one tray item registered with the StatusNotifierWatcher and knows
// whether a host shows it. A watcher that appears later, or restarts (a panel
// that crashed and came back), is registered with again; nothing polls.
class WatcherRegistration : public QObject {
    Q_OBJECT

public:
    static QString watcherService() { return QStringLiteral("org.kde.StatusNotifierWatcher"); }
    static QString watcherPath() { return QStringLiteral("/StatusNotifierWatcher"); }
    static QString watcherInterface() { return QStringLiteral("org.kde.StatusNotifierWatcher"); }

    // `itemService` is the bus name under which the item is exported.
    WatcherRegistration(QDBusConnection connection, QString itemService, QObject* parent = nullptr);

    // Registers now if a watcher is there, and from then on whenever one
    // appears.
    void start();

    // The watcher took the item and reports at least one host that shows items.
    bool isVisible() const { return isRegistered_ && isHostRegistered_; }

private Q_SLOTS:
    void readHostRegistered();

private:
    void registerItem();
    void watcherOwnerChanged(const QString& newOwner);
    void setState(bool registered, bool hostRegistered) {
        isRegistered_ = registered;
        isHostRegistered_ = hostRegistered;
    }

    QDBusConnection connection_;
    QString itemService_;
    QDBusServiceWatcher ownerWatcher_;
    bool isRegistered_ = false;
    bool isHostRegistered_ = false;
};

} // namespace platform::xdg
