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

    const QString& address() const { return address_; }
    platform::xdg::BusConnector connector() const;

private:
    QProcess daemon_;
    QString address_;
};

class SignalCounter : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void record() { ++count; }
};

} // namespace tray_testing

// The tray's watcher as a test needs it: it takes registrations, says whether
// a host is there, and can leave the bus as a crashing panel would.
class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    FakeWatcher(const QString& address, bool hostRegistered);
    ~FakeWatcher() override;

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return hostRegistered_; }
    void setHostRegistered(bool registered);
    // As a watcher does when it cannot read an item any more.
    void dropItem(const QString& item);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);

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
