// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace platform::xdg {

WatcherRegistration::WatcherRegistration(QDBusConnection connection, QString itemService,
                                         QObject* parent)
    : QObject(parent)
    , connection_(std::move(connection))
    , itemService_(std::move(itemService))
    , ownerWatcher_(watcherService(), connection_, QDBusServiceWatcher::WatchForOwnerChange) {
    connect(&ownerWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                watcherOwnerChanged(newOwner);
            });
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        connection_.connect(watcherService(), watcherPath(), watcherInterface(),
                            QString::fromLatin1(signal), this, SLOT(readHostRegistered()));
}

void WatcherRegistration::start() {
    registerItem();
}

void WatcherRegistration::watcherOwnerChanged(const QString& newOwner) {
    setState(false, false);
    if (!newOwner.isEmpty())
        registerItem();
}

void WatcherRegistration::registerItem() {
    if (!connection_.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(watcherService(), watcherPath(), watcherInterface(),
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << itemService_;
    auto* pending = new QDBusPendingCallWatcher(connection_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                if (done->isError()) {
                    setState(false, false);
                    return;
                }
                setState(true, isHostRegistered_);
                readHostRegistered();
            });
}

void WatcherRegistration::readHostRegistered() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService(), watcherPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    call << watcherInterface() << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* pending = new QDBusPendingCallWatcher(connection_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *done;
                const bool hostRegistered = !reply.isError() && reply.value().variant().toBool();
                setState(isRegistered_, hostRegistered);
            });
}

} // namespace platform::xdg
