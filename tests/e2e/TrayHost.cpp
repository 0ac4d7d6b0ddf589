// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "TrayHost.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace e2e {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

QVariant readProperty(const QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& name) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, propertiesInterface, QStringLiteral("Get"));
    call << interface << name;
    const QDBusMessage reply = bus.call(call);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {};
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

bool succeeded(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage;
}

// The entry with `id` anywhere in the layout below `node`, or null.
const platform::xdg::DBusMenuLayoutItem* findEntry(const platform::xdg::DBusMenuLayoutItem& node,
                                                   int id) {
    if (node.id == id)
        return &node;
    for (const auto& child : node.children)
        if (const auto* found = findEntry(child, id))
            return found;
    return nullptr;
}
} // namespace

TrayHost::TrayHost(QDBusConnection bus)
    : bus_(std::move(bus)) {
    platform::xdg::registerDBusTypes();
}

QStringList TrayHost::itemServices() const {
    // Entries are a bus name, or a bus name followed by the item's object path.
    QStringList services;
    for (const QString& entry :
         readProperty(bus_, watcherService, QStringLiteral("/StatusNotifierWatcher"),
                      watcherService, QStringLiteral("RegisteredStatusNotifierItems"))
             .toStringList())
        services.append(entry.section(QLatin1Char('/'), 0, 0));
    return services;
}

QVariant TrayHost::itemProperty(const QString& service, const QString& name) const {
    return readProperty(bus_, service, QStringLiteral("/StatusNotifierItem"), itemInterface, name);
}

QDBusMessage TrayHost::callMenu(const QString& service, const QString& method,
                                const QVariantList& arguments) const {
    const QString path =
        itemProperty(service, QStringLiteral("Menu")).value<QDBusObjectPath>().path();
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, menuInterface, method);
    call.setArguments(arguments);
    return bus_.call(call);
}

platform::xdg::DBusMenuLayoutItem TrayHost::menu(const QString& service) const {
    platform::xdg::DBusMenuLayoutItem root;
    const QDBusMessage reply =
        callMenu(service, QStringLiteral("GetLayout"), {0, -1, QStringList()});
    if (succeeded(reply))
        reply.arguments().value(1).value<QDBusArgument>() >> root;
    return root;
}

int TrayHost::idOf(const QString& service, const QString& label) const {
    for (const auto& entry : menu(service).children)
        if (entry.properties.value(QStringLiteral("label")).toString() == label)
            return entry.id;
    return -1;
}

bool TrayHost::choose(const QString& service, const QString& label) const {
    if (!succeeded(callMenu(service, QStringLiteral("AboutToShow"), {0})))
        return false;
    const int id = idOf(service, label);
    if (id < 0)
        return false;
    const auto event = [&](int entry, const QString& name) {
        return succeeded(callMenu(service, QStringLiteral("Event"),
                                  {entry, name, QVariant::fromValue(QDBusVariant(0)), 0u}));
    };
    return event(0, QStringLiteral("opened")) && event(id, QStringLiteral("clicked")) &&
           event(0, QStringLiteral("closed"));
}

bool TrayHost::chooseInGroups(const QString& service, const QString& label) const {
    if (!succeeded(callMenu(service, QStringLiteral("AboutToShowGroup"),
                            {QVariant::fromValue(QList<int>{0})})))
        return false;
    const int id = idOf(service, label);
    if (id < 0)
        return false;
    const platform::xdg::DBusMenuEventList events{
        {0, QStringLiteral("opened"), QDBusVariant(0), 0},
        {id, QStringLiteral("clicked"), QDBusVariant(0), 0},
        {0, QStringLiteral("closed"), QDBusVariant(0), 0}};
    const QDBusMessage reply =
        callMenu(service, QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    return succeeded(reply) && qdbus_cast<QList<int>>(reply.arguments().value(0)).isEmpty();
}

bool TrayHost::choosePath(const QString& service, const QStringList& path) const {
    int id = 0;
    for (const QString& label : path) {
        if (!succeeded(callMenu(service, QStringLiteral("AboutToShow"), {id})))
            return false;
        const platform::xdg::DBusMenuLayoutItem layout = menu(service);
        const auto* parent = findEntry(layout, id);
        if (!parent)
            return false;
        id = -1;
        for (const auto& child : parent->children)
            if (child.properties.value(QStringLiteral("label")).toString() == label)
                id = child.id;
        if (id < 0)
            return false;
    }
    const auto event = [&](int entry, const QString& name) {
        return succeeded(callMenu(service, QStringLiteral("Event"),
                                  {entry, name, QVariant::fromValue(QDBusVariant(0)), 0u}));
    };
    return event(0, QStringLiteral("opened")) && event(id, QStringLiteral("clicked")) &&
           event(0, QStringLiteral("closed"));
}

} // namespace e2e
