// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "TimingWatcher.h"

#include "timingwatcheradaptor.h"

#include <QDBusConnection>

namespace {
const QString connectionName = QStringLiteral("timing-watcher");
}

TimingWatcher::TimingWatcher(const QString& address, const QElapsedTimer& clock)
    : clock_(clock) {
    new TimingWatcherAdaptor(this);
    QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName);
    connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                              QDBusConnection::ExportAdaptors);
    connection.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

TimingWatcher::~TimingWatcher() {
    QDBusConnection::disconnectFromBus(connectionName);
}

void TimingWatcher::RegisterStatusNotifierItem(const QString& service) {
    lastRegistrationMs_ = clock_.elapsed();
    items_.append(service);
    Q_EMIT StatusNotifierItemRegistered(service);
}
