// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "FakeWatcher.h"

#include "fakewatcheradaptor.h"

using namespace Qt::StringLiterals;

namespace {
int watcherCount = 0;
}

FakeWatcher::FakeWatcher(const QString& address, bool hostRegistered)
    : connectionName_(u"fake-watcher-%1"_s.arg(++watcherCount))
    , hostRegistered_(hostRegistered) {
    new FakeWatcherAdaptor(this);
    QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName_);
    connection.registerObject(u"/StatusNotifierWatcher"_s, this, QDBusConnection::ExportAdaptors);
    connection.registerService(u"org.kde.StatusNotifierWatcher"_s);
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
