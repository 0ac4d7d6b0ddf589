// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "PrivateBus.h"

#include "support/TestEnvironment.h"

#include <QDBusPendingCallWatcher>

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

QDBusConnection PrivateBus::connect(const QString& name) const {
    return QDBusConnection::connectToBus(address_, name);
}

platform::xdg::BusConnector PrivateBus::connector() const {
    return [address = address_](const QString& name) {
        return QDBusConnection::connectToBus(address, name);
    };
}

QDBusMessage callAndWait(const QDBusConnection& connection, const QDBusMessage& call) {
    QDBusPendingCallWatcher pending(connection.asyncCall(call));
    testing_support::processEventsUntil([&] { return pending.isFinished(); });
    return pending.reply();
}

} // namespace tray_testing
