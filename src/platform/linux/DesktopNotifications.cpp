// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace platform::xdg {

void DesktopNotifications::notify(const QString& summary, const QString& body, Shown shown) {
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // No timeout of our own: the server keeps it as long as its user wants
    // such notices kept.
    notify << QStringLiteral(GAPSEL_BUNDLE_NAME) << uint(0) << desktopEntry_ << summary << body
           << QStringList() << QVariantMap{{QStringLiteral("desktop-entry"), desktopEntry_}}
           << int(-1);
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
