// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace platform::xdg {

WatcherRegistration::WatcherRegistration(QDBusConnection connection, QString itemPath,
                                         std::function<void()> wantsRegistration, QObject* parent)
    : QObject(parent)
    , connection_(std::move(connection))
    , itemPath_(std::move(itemPath))
    , wantsRegistration_(std::move(wantsRegistration))
    , ownerWatcher_(watcherService(), connection_, QDBusServiceWatcher::WatchForOwnerChange) {
    connect(&ownerWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        isRegistered_ = false;
        reRegistrations_ = 0;
    });
    // Matched by path and interface, whoever sends: naming the watcher's
    // service would cost every new item a blocking look-up of its owner, and
    // a start of many items as many round trips.
    connection_.connect(QString(), watcherPath(), watcherInterface(),
                        QStringLiteral("StatusNotifierItemUnregistered"), this,
                        SLOT(itemUnregistered(QString)));
}

void WatcherRegistration::itemUnregistered(const QString& service) {
    // Watchers name an item registered by path as its unique name, with or
    // without the path after it.
    const QString self = connection_.baseService();
    const bool isThisItem = service == self || service == self + itemPath_;
    if (!isThisItem || !isRegistered_ || reRegistrations_ >= maximumReRegistrations)
        return;
    ++reRegistrations_;
    isRegistered_ = false;
    wantsRegistration_();
}

void WatcherRegistration::registerItem(std::function<void()> answered) {
    if (!connection_.isConnected()) {
        answered();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(watcherService(), watcherPath(), watcherInterface(),
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << itemPath_;
    auto* pending = new QDBusPendingCallWatcher(connection_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                isRegistered_ = !done->isError();
                answered();
            });
}

} // namespace platform::xdg
