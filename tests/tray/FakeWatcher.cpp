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

void FakeWatcher::RegisterStatusNotifierItem(const QString& service) {
    items_.append(service);
    Q_EMIT StatusNotifierItemRegistered(service);
}

void FakeWatcher::RegisterStatusNotifierHost(const QString&) {
    setHostRegistered(true);
}
