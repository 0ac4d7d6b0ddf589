// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "TrayHost.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

using namespace Qt::StringLiterals;

namespace e2e {

namespace {
const QString watcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString propertiesInterface = u"org.freedesktop.DBus.Properties"_s;
const QString itemInterface = u"org.kde.StatusNotifierItem"_s;
const QString menuInterface = u"com.canonical.dbusmenu"_s;

bool succeeded(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage;
}

QVariant readProperty(const QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& name) {
    // No item found: nothing to ask (Qt would warn of every such call).
    if (service.isEmpty())
        return {};
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, propertiesInterface, u"Get"_s);
    call << interface << name;
    const QDBusMessage reply = bus.call(call);
    return succeeded(reply) ? reply.arguments().value(0).value<QDBusVariant>().variant()
                            : QVariant();
}

QVariant watcherProperty(const QDBusConnection& bus, const QString& name) {
    return readProperty(bus, watcherService, u"/StatusNotifierWatcher"_s, watcherService, name);
}

} // namespace

TrayHost::TrayHost(QDBusConnection bus)
    : bus_(std::move(bus)) {
    platform::xdg::registerDBusTypes();
}

bool TrayHost::hostRegistered() const {
    return watcherProperty(bus_, u"IsStatusNotifierHostRegistered"_s).toBool();
}

QStringList TrayHost::itemServices() const {
    // Entries are a bus name, or a bus name followed by the item's object path
    // (GNOME's extension puts an "@" between them).
    QStringList services;
    for (const QString& entry :
         watcherProperty(bus_, u"RegisteredStatusNotifierItems"_s).toStringList()) {
        QString service = entry.section(QLatin1Char('/'), 0, 0);
        if (service.endsWith(QLatin1Char('@')))
            service.chop(1);
        services.append(service);
    }
    return services;
}

QVariant TrayHost::itemProperty(const QString& service, const QString& name) const {
    return readProperty(bus_, service, u"/StatusNotifierItem"_s, itemInterface, name);
}

QDBusMessage TrayHost::callMenu(const QString& service, const QString& method,
                                const QVariantList& arguments) const {
    const QString path = itemProperty(service, u"Menu"_s).value<QDBusObjectPath>().path();
    if (path.isEmpty())
        return QDBusMessage::createError(QDBusError::UnknownObject, u"no item or no menu"_s);
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, menuInterface, method);
    call.setArguments(arguments);
    return bus_.call(call);
}

platform::xdg::DBusMenuLayoutItem TrayHost::menu(const QString& service, int parent) const {
    platform::xdg::DBusMenuLayoutItem root;
    const QDBusMessage reply = callMenu(service, u"GetLayout"_s, {parent, -1, QStringList()});
    if (succeeded(reply))
        reply.arguments().value(1).value<QDBusArgument>() >> root;
    return root;
}

int TrayHost::idOf(const QString& service, int parent, const QString& label) const {
    for (const auto& entry : menu(service, parent).children)
        if (entry.properties.value(u"label"_s).toString() == label)
            return entry.id;
    return -1;
}

bool TrayHost::choose(const QString& service, const QStringList& labels) const {
    int parent = 0;
    for (const QString& label : labels) {
        if (!succeeded(callMenu(service, u"AboutToShow"_s, {parent})))
            return false;
        parent = idOf(service, parent, label);
        if (parent < 0)
            return false;
    }
    const auto event = [&](int entry, const QString& name) {
        return succeeded(
            callMenu(service, u"Event"_s, {entry, name, QVariant::fromValue(QDBusVariant(0)), 0u}));
    };
    return event(0, u"opened"_s) && event(parent, u"clicked"_s) && event(0, u"closed"_s);
}

} // namespace e2e
