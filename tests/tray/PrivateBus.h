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

// The tray's watcher as a test needs it: it takes registrations, always has a
// host, and drops items as a watcher does when it cannot read them.
class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    explicit FakeWatcher(const QString& address);
    ~FakeWatcher() override;

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return true; }
    void dropItem(const QString& item);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);

private:
    QString connectionName_;
    QStringList items_;
};
