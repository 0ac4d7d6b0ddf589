// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/TrayItemVisibility.h"

#include "platform/TrayHosts.h"
#include "platform/linux/HostHiddenItems.h"
#include "platform/linux/PanelAutoHide.h"
#include "platform/linux/VisibilityJudgement.h"
#include "platform/linux/tray/DesktopTrayHosts.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace platform::xdg {

namespace {

// The host that shows items, else the one this desktop would have, so that
// the remedy for a missing tray can name the desktop.
TrayHostKind hostOf(const TrayHosts& hosts) {
    const TrayHostKind primary = hosts.primary().kind;
    return primary != TrayHostKind::Unknown
               ? primary
               : hostKindOfDesktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

} // namespace

TrayItemVisibility::TrayItemVisibility(TrayHosts& hosts, BusConnector connector)
    : hosts_(hosts)
    , connector_(std::move(connector)) {}

void TrayItemVisibility::hiddenBySystem(StatusItem& item,
                                        std::function<void(HiddenVerdict)> answer) const {
    const auto* trayItem = dynamic_cast<TrayStatusItem*>(&item);
    if (!trayItem) {
        answer({});
        return;
    }
    TrayItemState state;
    state.host = hostOf(hosts_);
    state.hasWatcher = hosts_.hasWatcher();
    if (state.host == TrayHostKind::XEmbedTray) {
        state.isDockedAndMapped = trayItem->dockedAt().has_value();
        answer(judgeVisibility(state));
        return;
    }
    if (!state.hasWatcher) {
        answer(judgeVisibility(state));
        return;
    }
    // Watchers list an item by the name it registered with, which may be its
    // connection's unique name.
    state.itemServices = {trayItem->serviceName(), trayItem->uniqueName()};
    state.hiddenByHostSetting =
        hostSettingHides(state.host, TrayItemNames{trayItem->itemId(), trayItem->title()});
    askWatcher([state, answer = std::move(answer)](std::optional<QVariantMap> properties) mutable {
        // A watcher that does not answer tells nothing, which is no cause
        // to warn the user.
        if (!properties) {
            answer({HiddenCause::None, state.host});
            return;
        }
        state.isHostRegistered =
            properties->value(QStringLiteral("IsStatusNotifierHostRegistered")).toBool();
        state.registeredItems =
            properties->value(QStringLiteral("RegisteredStatusNotifierItems")).toStringList();
        answer(judgeVisibility(state));
    });
}

void TrayItemVisibility::askWatcher(std::function<void(std::optional<QVariantMap>)> answer) const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        WatcherRegistration::watcherService(), WatcherRegistration::watcherPath(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << WatcherRegistration::watcherInterface();
    QDBusConnection bus = connector_(QStringLiteral("gapsel-visibility"));
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(call, watcherTimeoutMs));
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, pending,
                     [answer = std::move(answer)](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<QVariantMap> reply = *finished;
                         finished->deleteLater();
                         if (reply.isError())
                             answer(std::nullopt);
                         else
                             answer(reply.value());
                     });
}

void TrayItemVisibility::isOnScreen(StatusItem& item, std::function<void(bool)> answer) const {
    if (!hasMainScreen()) {
        answer(false);
        return;
    }
    hiddenBySystem(item, [answer = std::move(answer)](const HiddenVerdict& verdict) {
        answer(!verdict.isHidden());
    });
}

// Without a tray no panel that hides matters.
bool TrayItemVisibility::menuBarHidesAutomatically() const {
    return hosts_.hasWatcher() && panelHidesAutomatically(hostOf(hosts_));
}

bool TrayItemVisibility::hasMainScreen() const {
    return QGuiApplication::primaryScreen() != nullptr;
}

ItemVisibility::ReportFacts TrayItemVisibility::reportFacts(const HiddenVerdict& verdict) const {
    QStringList names;
    for (const TrayHost& host : hosts_.hosts())
        names.append(host.process.isEmpty() ? QString::number(static_cast<int>(host.kind))
                                            : host.process);
    return {
        {QStringLiteral("trayHosts"), names.join(QLatin1Char(','))},
        {QStringLiteral("hasTrayWatcher"), hosts_.hasWatcher()},
        {QStringLiteral("hiddenCause"), static_cast<int>(verdict.cause)},
        {QStringLiteral("panelHidesAutomatically"), menuBarHidesAutomatically()},
    };
}

} // namespace platform::xdg
