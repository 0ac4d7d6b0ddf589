// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XfconfKnownItems.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform::xdg {

namespace {
const QString service = QStringLiteral("org.xfce.Xfconf");
const QString path = QStringLiteral("/org/xfce/Xfconf");
const QString interface = QStringLiteral("org.xfce.Xfconf");
const QString channel = QStringLiteral("xfce4-panel");
} // namespace

XfconfKnownItems::XfconfKnownItems(QDBusConnection bus, int plugin,
                                   std::function<void(std::optional<QStringList>)> read,
                                   std::function<void(QStringList)> changed, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , property_(QStringLiteral("/plugins/plugin-%1/known-items").arg(plugin))
    , changed_(std::move(changed)) {
    bus_.connect(service, path, interface, QStringLiteral("PropertyChanged"), this,
                 SLOT(propertyChanged(QString, QString, QDBusVariant)));
    QDBusMessage get =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetProperty"));
    get << channel << property_;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [read = std::move(read)](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *done;
                // A panel that has recorded nothing yet has no such setting.
                const bool unset =
                    reply.isError() &&
                    reply.error().name() == QLatin1String("org.xfce.Xfconf.Error.PropertyNotFound");
                if (reply.isError() && !unset)
                    read(std::nullopt);
                else
                    read(unset ? QStringList() : xfconfStrings(reply.value().variant()));
            });
}

void XfconfKnownItems::propertyChanged(const QString& changedChannel, const QString& property,
                                       const QDBusVariant& value) {
    if (changedChannel == channel && property == property_)
        changed_(xfconfStrings(value.variant()));
}

} // namespace platform::xdg
