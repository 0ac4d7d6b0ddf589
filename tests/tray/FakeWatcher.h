// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

// The tray's watcher as a test needs it: it takes registrations, says whether
// a host is there, and can leave the bus as a crashing panel would. Outside
// any namespace, as the generated adaptor names it.
class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    // Connects to the bus at `address` and takes the watcher's name.
    FakeWatcher(const QString& address, bool hostRegistered);
    // Leaves the bus.
    ~FakeWatcher() override;

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return hostRegistered_; }
    int protocolVersion() const { return 0; }
    void setHostRegistered(bool registered);
    // As a watcher does when it cannot read an item any more.
    void dropItem(const QString& item);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);
    void RegisterStatusNotifierHost(const QString& service);

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();

private:
    QString connectionName_;
    QStringList items_;
    bool hostRegistered_;
};
