// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/DBusTrayPlacement.h"

#include "platform/linux/tray/RegisteredItemName.h"
#include "platform/linux/tray/TrayStatusBar.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/linux/tray/WatcherRegistration.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDBusMessage>
#include <QDBusVariant>

#include <algorithm>

namespace platform::xdg {

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// Items answer at once; one that hangs must not freeze the menu for long.
constexpr int itemTimeoutMs = 500;

} // namespace

DBusTrayPlacement::DBusTrayPlacement(TrayItemDirectory& ours, const TrayHosts& hosts,
                                     QDBusConnection bus)
    : ours_(ours)
    , hosts_(hosts)
    , bus_(std::move(bus)) {
    for (const char* signal : {"StatusNotifierItemRegistered", "StatusNotifierItemUnregistered"})
        bus_.connect(WatcherRegistration::watcherService(), WatcherRegistration::watcherPath(),
                     WatcherRegistration::watcherInterface(), QString::fromLatin1(signal), this,
                     SLOT(itemsChanged()));
    // A renamed item moves the separators placed after it.
    bus_.connect(QString(), QString(), itemInterface, QStringLiteral("NewTitle"), this,
                 SLOT(itemsChanged()));
}

void DBusTrayPlacement::itemsChanged() {
    if (changed_)
        changed_();
}

void DBusTrayPlacement::onItemsChanged(std::function<void()> changed) {
    changed_ = std::move(changed);
}

QStringList DBusTrayPlacement::registeredItems() {
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherRegistration::watcherService(),
                                                       WatcherRegistration::watcherPath(),
                                                       propertiesInterface, QStringLiteral("Get"));
    call << WatcherRegistration::watcherInterface()
         << QStringLiteral("RegisteredStatusNotifierItems");
    const QDBusMessage reply = bus_.call(call, QDBus::Block, itemTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return {};
    return reply.arguments().value(0).value<QDBusVariant>().variant().toStringList();
}

std::optional<TrayItemDescription> DBusTrayPlacement::describe(const QString& registered) {
    const RegisteredItemName name = RegisteredItemName::parse(registered);
    QDBusMessage call = QDBusMessage::createMethodCall(name.service, name.path, propertiesInterface,
                                                       QStringLiteral("GetAll"));
    call << itemInterface;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, itemTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return std::nullopt;
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    return TrayItemDescription{properties.value(QStringLiteral("Id")).toString(),
                               properties.value(QStringLiteral("Title")).toString(),
                               properties.value(QStringLiteral("Category")).toString()};
}

// Our own items are skipped by name: asking them would wait on this very
// thread, which serves them.
QList<TrayItemDescription> DBusTrayPlacement::otherItems() {
    const QStringList ourNames = ours_.serviceNames();
    QList<TrayItemDescription> items;
    for (const QString& registered : registeredItems()) {
        if (ourNames.contains(RegisteredItemName::parse(registered).service))
            continue;
        if (const auto item = describe(registered))
            items.append(*item);
    }
    return items;
}

// Watchers list items in the order they registered, but Waybar's puts each
// new one first.
QStringList DBusTrayPlacement::arrivalOrder() {
    QStringList ids;
    for (const QString& registered : registeredItems()) {
        const QString ours = ours_.idOfService(RegisteredItemName::parse(registered).service);
        if (!ours.isEmpty())
            ids.append(ours);
        else if (const auto item = describe(registered))
            ids.append(item->id);
    }
    if (hosts_.primary().kind == TrayHostKind::Waybar)
        std::reverse(ids.begin(), ids.end());
    return ids;
}

namespace {
XfconfStringArray knownItemsSetting(const QDBusConnection& bus, int plugin) {
    return {bus, QStringLiteral("xfce4-panel"),
            QStringLiteral("/plugins/plugin-%1/known-items").arg(plugin)};
}
} // namespace

std::optional<QStringList> DBusTrayPlacement::knownItems(int plugin) {
    return knownItemsSetting(bus_, plugin).read();
}

bool DBusTrayPlacement::setKnownItems(int plugin, const QStringList& ids) {
    return knownItemsSetting(bus_, plugin).write(ids);
}

void DBusTrayPlacement::setSortKey(const QString& id, const QString& category,
                                   const QString& title) {
    if (const auto item = ours_.find(id))
        item->setSortKey(category, title);
}

void DBusTrayPlacement::arriveAgain(const QString& id) {
    if (const auto item = ours_.find(id))
        item->arriveAgain(newItemServiceName());
}

void DBusTrayPlacement::holdBack(const QString& id) {
    if (const auto item = ours_.find(id))
        item->holdBack();
}

} // namespace platform::xdg
