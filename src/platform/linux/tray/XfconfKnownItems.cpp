// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XfconfKnownItems.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDBusPendingCallWatcher>

namespace platform::xdg {

namespace {
const QString channel = QStringLiteral("xfce4-panel");
} // namespace

XfconfKnownItems::XfconfKnownItems(QDBusConnection bus, int plugin,
                                   std::function<void(std::optional<QStringList>)> read,
                                   std::function<void(QStringList)> changed, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , property_(QStringLiteral("/plugins/plugin-%1/known-items").arg(plugin))
    , changed_(std::move(changed)) {
    QDBusMessage get = xfconfCall("GetProperty");
    bus_.connect(get.service(), get.path(), get.interface(), QStringLiteral("PropertyChanged"),
                 this, SLOT(propertyChanged(QString, QString, QDBusVariant)));
    get << channel << property_;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [read = std::move(read)](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                read(xfconfStrings(done->reply()));
            });
}

void XfconfKnownItems::propertyChanged(const QString& changedChannel, const QString& property,
                                       const QDBusVariant& value) {
    if (changedChannel == channel && property == property_)
        changed_(xfconfStrings(value.variant()));
}

} // namespace platform::xdg
