// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/TrayItemVisibility.h"

#include "platform/TrayHosts.h"
#include "platform/linux/HostHiddenItems.h"
#include "platform/linux/VisibilityJudgement.h"
#include "platform/linux/tray/DesktopTrayHosts.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QScreen>

namespace platform::xdg {

namespace {

QVariant watcherProperty(const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        WatcherRegistration::watcherService(), WatcherRegistration::watcherPath(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << WatcherRegistration::watcherInterface() << name;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

// The host that shows items, else the one this desktop would have, so that
// the remedy for a missing tray can name the desktop.
TrayHostKind hostOf(const TrayHosts& hosts) {
    const TrayHostKind primary = hosts.primary().kind;
    return primary != TrayHostKind::Unknown
               ? primary
               : hostKindOfDesktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

} // namespace

HiddenVerdict TrayItemVisibility::hiddenBySystem(StatusItem& item) const {
    const auto* trayItem = dynamic_cast<TrayStatusItem*>(&item);
    if (!trayItem)
        return {};
    TrayItemState state;
    state.host = hostOf(hosts_);
    state.hasWatcher = hosts_.hasWatcher();
    if (state.host == TrayHostKind::XEmbedTray) {
        state.isDockedAndMapped = trayItem->dockedAt().has_value();
    } else if (state.hasWatcher) {
        state.isHostRegistered =
            watcherProperty(QStringLiteral("IsStatusNotifierHostRegistered")).toBool();
        state.registeredItems =
            watcherProperty(QStringLiteral("RegisteredStatusNotifierItems")).toStringList();
        // Watchers list an item by the name it registered with, which may be
        // its connection's unique name.
        state.itemServices = {trayItem->serviceName(), trayItem->uniqueName()};
        state.hiddenByHostSetting =
            hostSettingHides(state.host, TrayItemNames{trayItem->itemId(), trayItem->title()});
    }
    return judgeVisibility(state);
}

bool TrayItemVisibility::isOnScreen(StatusItem& item) const {
    return hasMainScreen() && !hiddenBySystem(item).isHidden();
}

bool TrayItemVisibility::menuBarHidesAutomatically() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    return screen->availableGeometry() == screen->geometry();
}

bool TrayItemVisibility::hasMainScreen() const {
    return QGuiApplication::primaryScreen() != nullptr;
}

} // namespace platform::xdg
