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

bool lxqtReversesOrder(const QString& panelConfPath) {
    QSettings settings(panelConfPath, QSettings::IniFormat);
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        const bool reverses =
            settings.value(QStringLiteral("type")).toString() == QLatin1String("statusnotifier") &&
            settings.value(QStringLiteral("reverseOrder")).toBool();
        settings.endGroup();
        if (reverses)
            return true;
    }
    return false;
}

} // namespace platform::xdg
