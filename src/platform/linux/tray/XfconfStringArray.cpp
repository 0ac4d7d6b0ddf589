// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XfconfStringArray.h"

#include "platform/linux/tray/TrayLog.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace platform::xdg {

namespace {

// The daemon answers at once; a hung one must not freeze the menu.
constexpr int timeoutMs = 2000;

} // namespace

QDBusMessage xfconfCall(const char* method) {
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.xfce.Xfconf"), QStringLiteral("/org/xfce/Xfconf"),
        QStringLiteral("org.xfce.Xfconf"), QString::fromLatin1(method));
}

XfconfStringArray::XfconfStringArray(QDBusConnection bus, QString channel, QString property)
    : bus_(std::move(bus))
    , channel_(std::move(channel))
    , property_(std::move(property)) {}

std::optional<QStringList> XfconfStringArray::read() const {
    QDBusMessage call = xfconfCall("GetProperty");
    call << channel_ << property_;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, timeoutMs);
    const std::optional<QStringList> strings = xfconfStrings(reply);
    if (!strings)
        qCWarning(trayLog) << "Reading" << property_ << "failed:" << reply.errorMessage();
    return strings;
}

std::optional<QStringList> xfconfStrings(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage)
        return xfconfStrings(reply.arguments().value(0).value<QDBusVariant>().variant());
    // A setting that nobody has made yet.
    if (reply.errorName() == QLatin1String("org.xfce.Xfconf.Error.PropertyNotFound"))
        return QStringList{};
    return std::nullopt;
}

QStringList xfconfStrings(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentType() != QDBusArgument::ArrayType)
            return {};
        QStringList result;
        if (argument.currentSignature() == QLatin1String("as")) {
            argument >> result;
            return result;
        }
        argument.beginArray();
        while (!argument.atEnd()) {
            QDBusVariant element;
            argument >> element;
            result.append(element.variant().toString());
        }
        argument.endArray();
        return result;
    }
    return value.toStringList();
}

// Arrays go over the bus as arrays of variants.
bool XfconfStringArray::write(const QStringList& ids) const {
    QVariantList elements;
    for (const QString& id : ids)
        elements.append(id);
    QDBusMessage call = xfconfCall("SetProperty");
    call << channel_ << property_ << QVariant::fromValue(QDBusVariant(QVariant(elements)));
    const QDBusMessage reply = bus_.call(call, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qCWarning(trayLog) << "Writing" << property_ << "failed:" << reply.errorMessage();
        return false;
    }
    return true;
}

} // namespace platform::xdg
