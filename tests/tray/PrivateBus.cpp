// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "PrivateBus.h"

using namespace Qt::StringLiterals;

namespace tray_testing {

PrivateBus::PrivateBus() {
    daemon_.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
    if (daemon_.waitForStarted() && daemon_.waitForReadyRead())
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    daemon_.terminate();
    daemon_.waitForFinished();
}

platform::xdg::BusConnector PrivateBus::connector() const {
    return [address = address_](const QString& name) {
        return QDBusConnection::connectToBus(address, name);
    };
}

} // namespace tray_testing

FakeWatcher::FakeWatcher(const QString& address)
    : connectionName_(u"fake-watcher-%1"_s.arg(quintptr(this))) {
    QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName_);
    connection.registerObject(u"/StatusNotifierWatcher"_s, this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                  QDBusConnection::ExportAllProperties);
    connection.registerService(u"org.kde.StatusNotifierWatcher"_s);
}

FakeWatcher::~FakeWatcher() {
    QDBusConnection::disconnectFromBus(connectionName_);
}

// An item that gives its object path is known by its sender's unique name
// and the path, as KDE's watcher lists it.
void FakeWatcher::RegisterStatusNotifierItem(const QString& serviceOrPath) {
    const QString item = serviceOrPath.startsWith(QLatin1Char('/'))
                             ? message().service() + serviceOrPath
                             : serviceOrPath;
    items_.append(item);
    Q_EMIT StatusNotifierItemRegistered(item);
}

void FakeWatcher::dropItem(const QString& item) {
    items_.removeAll(item);
    Q_EMIT StatusNotifierItemUnregistered(item);
}
