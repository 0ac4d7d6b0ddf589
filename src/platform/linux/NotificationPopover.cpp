// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/NotificationPopover.h"

#include "platform/linux/DesktopNotifications.h"
#include "platform/linux/PlatformLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace platform::xdg {

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

NotificationPopover::NotificationPopover() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
}

void NotificationPopover::show(StatusItem&, const PopoverContent& content,
                               std::function<void()> clicked) {
    close();
    clicked_ = std::move(clicked);
    const QDBusMessage notify = notifyMessage(
        QString(), content.text, QString(),
        {QStringLiteral("default"), QCoreApplication::translate("NotificationPopover", "OK")}, {},
        expireMilliseconds);
    auto* pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<uint> reply = *done;
                if (reply.isError()) {
                    qCWarning(platformLog)
                        << "The desktop showed no notification:" << reply.error().message();
                    return;
                }
                shownId_ = reply.value();
                qCInfo(platformLog) << "Greeting shown as notification" << shownId_;
                // Closed before the desktop answered.
                if (!clicked_)
                    close();
            });
}

void NotificationPopover::close() {
    clicked_ = {};
    if (shownId_ == 0)
        return;
    QDBusMessage closing = QDBusMessage::createMethodCall(service, path, interface,
                                                          QStringLiteral("CloseNotification"));
    closing << std::exchange(shownId_, 0u);
    QDBusConnection::sessionBus().asyncCall(closing);
}

void NotificationPopover::notificationClosed(uint id, uint) {
    answered(id);
}

void NotificationPopover::actionInvoked(uint id, const QString&) {
    answered(id);
}

void NotificationPopover::answered(uint id) {
    if (id == 0 || id != shownId_)
        return;
    shownId_ = 0;
    if (const std::function<void()> clicked = std::exchange(clicked_, {}))
        clicked();
}

} // namespace platform::xdg
