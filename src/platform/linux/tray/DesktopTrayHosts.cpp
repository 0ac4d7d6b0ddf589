// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/DesktopTrayHosts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace platform::xdg {

TrayHostKind hostKindOfDesktop(const QString& currentDesktop) {
    static const QList<std::pair<QString, TrayHostKind>> names{
        {QStringLiteral("KDE"), TrayHostKind::Plasma},
        {QStringLiteral("XFCE"), TrayHostKind::Xfce},
        {QStringLiteral("GNOME"), TrayHostKind::Gnome},
        {QStringLiteral("LXQt"), TrayHostKind::Lxqt},
        {QStringLiteral("X-Cinnamon"), TrayHostKind::Cinnamon},
        {QStringLiteral("MATE"), TrayHostKind::Mate},
        {QStringLiteral("Budgie"), TrayHostKind::Budgie},
    };
    for (const QString& desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const auto& [name, kind] : names)
            if (desktop.compare(name, Qt::CaseInsensitive) == 0)
                return kind;
    return TrayHostKind::Unknown;
}

bool DesktopTrayHosts::hasWatcher() const {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() &&
           bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

QList<TrayHost> DesktopTrayHosts::hosts() const {
    if (!hasWatcher())
        return {};
    const TrayHostKind kind = hostKindOfDesktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    return {TrayHost{kind, {}, -1}};
}

} // namespace platform::xdg
