// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XfconfProperties.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace platform::xdg {

QVariantMap xfconfProperties(const QString& channel, const QString& base) {
    QDBusMessage call = xfconfCall("GetAllProperties");
    call << channel << base;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    QVariantMap result;
    const QDBusArgument properties = reply.arguments().first().value<QDBusArgument>();
    properties.beginMap();
    while (!properties.atEnd()) {
        QString name;
        QDBusVariant value;
        properties.beginMapEntry();
        properties >> name >> value;
        properties.endMapEntry();
        // Arrays are read out at once, while the reply is being read.
        const QVariant read = value.variant();
        result.insert(name,
                      read.canConvert<QDBusArgument>() ? QVariant(xfconfStrings(read)) : read);
    }
    properties.endMap();
    return result;
}

} // namespace platform::xdg
