// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform::xdg {

QDBusMessage notifyMessage(const QString& icon, const QString& summary, const QString& body,
                           const QStringList& actions, const QVariantMap& hints, int expireMs) {
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral(GAPSEL_BUNDLE_NAME) << uint(0) << icon << summary << body << actions
           << hints << expireMs;
    return notify;
}

void DesktopNotifications::notify(const QString& summary, const QString& body, Shown shown) {
    // No timeout of our own: the server keeps it as long as its user wants
    // such notices kept.
    const QDBusMessage notify = notifyMessage(
        desktopEntry_, summary, body, {}, {{QStringLiteral("desktop-entry"), desktopEntry_}}, -1);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        shown(false);
        return;
    }
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(notify));
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, pending,
                     [shown = std::move(shown)](QDBusPendingCallWatcher* done) {
                         done->deleteLater();
                         const QDBusPendingReply<uint> reply = *done;
                         shown(!reply.isError());
                     });
}

} // namespace platform::xdg
