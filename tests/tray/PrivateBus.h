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

using namespace Qt::StringLiterals;

// A D-Bus daemon of the test's own, so that tests never touch the user's
// session bus and can start and stop services on it at will.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        if (daemon_.waitForStarted() && daemon_.waitForReadyRead())
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    const QString& address() const { return address_; }
    platform::xdg::BusConnector connector() const {
        return [address = address_](const QString& name) {
            return QDBusConnection::connectToBus(address, name);
        };
    }

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

// The tray's watcher as a test needs it: it takes registrations, always has a
// host, and drops items as a watcher does when it cannot read them.
class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    explicit FakeWatcher(const QString& address)
        : connectionName_(u"fake-watcher-%1"_s.arg(quintptr(this))) {
        QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName_);
        connection.registerObject(u"/StatusNotifierWatcher"_s, this,
                                  QDBusConnection::ExportAllSlots |
                                      QDBusConnection::ExportAllSignals |
                                      QDBusConnection::ExportAllProperties);
        connection.registerService(u"org.kde.StatusNotifierWatcher"_s);
    }
    ~FakeWatcher() override { QDBusConnection::disconnectFromBus(connectionName_); }

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return true; }
    void dropItem(const QString& item) {
        items_.removeAll(item);
        Q_EMIT StatusNotifierItemUnregistered(item);
    }

public Q_SLOTS:
    // An item that gives its object path is known by its sender's unique name
    // and the path, as KDE's watcher lists it.
    void RegisterStatusNotifierItem(const QString& serviceOrPath) {
        items_.append(serviceOrPath.startsWith(QLatin1Char('/'))
                          ? message().service() + serviceOrPath
                          : serviceOrPath);
        Q_EMIT StatusNotifierItemRegistered(items_.last());
    }

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);

private:
    QString connectionName_;
    QStringList items_;
};

} // namespace tray_testing
