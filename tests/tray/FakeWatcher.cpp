// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "FakeWatcher.h"

#include "fakewatcheradaptor.h"

namespace {
int watcherCount = 0;
}

FakeWatcher::FakeWatcher(const QString& address, bool hostRegistered)
    : connectionName_(QStringLiteral("fake-watcher-%1").arg(++watcherCount))
    , hostRegistered_(hostRegistered) {
    new FakeWatcherAdaptor(this);
    QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName_);
    connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                              QDBusConnection::ExportAdaptors);
    connection.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

FakeWatcher::~FakeWatcher() {
    QDBusConnection::disconnectFromBus(connectionName_);
}

void FakeWatcher::setHostRegistered(bool registered) {
    hostRegistered_ = registered;
    if (registered)
        Q_EMIT StatusNotifierHostRegistered();
    else
        Q_EMIT StatusNotifierHostUnregistered();
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

void FakeWatcher::RegisterStatusNotifierHost(const QString&) {
    setHostRegistered(true);
}
