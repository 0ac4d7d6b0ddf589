// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/LxqtPanelOrder.h"

#include <QSettings>
#include <QStandardPaths>

namespace platform::xdg {

QString lxqtPanelConfPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lxqt/panel.conf");
}

bool anyLxqtStatusNotifier(const QString& panelConfPath,
                           const std::function<bool(const QSettings& plugin)>& test) {
    QSettings settings(panelConfPath, QSettings::IniFormat);
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        const bool found =
            settings.value(QStringLiteral("type")).toString() == QLatin1String("statusnotifier") &&
            test(settings);
        settings.endGroup();
        if (found)
            return true;
    }
    return false;
}

bool lxqtReversesOrder(const QString& panelConfPath) {
    return anyLxqtStatusNotifier(panelConfPath, [](const QSettings& plugin) {
        return plugin.value(QStringLiteral("reverseOrder")).toBool();
    });
}

} // namespace platform::xdg
