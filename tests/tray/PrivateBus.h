// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/TrayItemExport.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QStringList>

namespace tray_testing {

// A D-Bus daemon of the test's own, so that tests never touch the user's
// session bus and can start and stop services on it at will.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const QString& address() const { return address_; }
    // A new connection of its own under `name`.
    QDBusConnection connect(const QString& name) const;
    platform::xdg::BusConnector connector() const;

private:
    QProcess daemon_;
    QString address_;
};

// Calls a method over the bus and runs the event loop until the answer is
// there, so that objects of this very process can answer it.
QDBusMessage callAndWait(const QDBusConnection& connection, const QDBusMessage& call);

// Counts the signals it is connected to.
class SignalCounter : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void record() { ++count; }
};

} // namespace tray_testing

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
    ~FakeWatcher() override;

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return hostRegistered_; }
    int protocolVersion() const { return 0; }
    void setHostRegistered(bool registered);
    // As a watcher does when it cannot read an item any more.
    void dropItem(const QString& item);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);
    void RegisterStatusNotifierHost(const QString&) { setHostRegistered(true); }

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
