// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/PanelAutoHide.h"

#include "platform/linux/KdeConfigText.h"
#include "platform/linux/XfconfProperties.h"
#include "platform/linux/tray/LxqtPanelOrder.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace platform::xdg {

bool xfcePanelHides(const QVariantMap& panelProperties) {
    static const QRegularExpression behaviour(
        QStringLiteral(R"(^/panels/panel-\d+/autohide-behavior$)"));
    for (auto property = panelProperties.cbegin(); property != panelProperties.cend(); ++property)
        if (behaviour.match(property.key()).hasMatch() && property.value().toUInt() != 0)
            return true;
    return false;
}

bool lxqtPanelHides(const QString& panelConfPath) {
    QSettings settings(panelConfPath, QSettings::IniFormat);
    const QStringList groups = settings.childGroups();
    return std::any_of(groups.cbegin(), groups.cend(), [&settings](const QString& group) {
        return settings.value(group + QStringLiteral("/hidable")).toBool();
    });
}

bool plasmaPanelHides(const QString& plasmashellrc) {
    static const QRegularExpression panel(QStringLiteral(R"(^\[PlasmaViews\]\[Panel \d+\]$)"));
    const KdeConfigGroups groups = readKdeConfig(plasmashellrc);
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (!panel.match(group.key()).hasMatch())
            continue;
        if (group->value(QStringLiteral("panelVisibility")) == QLatin1String("1"))
            return true;
    }
    return false;
}

bool panelHidesAutomatically(TrayHostKind host) {
    switch (host) {
    case TrayHostKind::Xfce:
        return xfcePanelHides(
            xfconfProperties(QStringLiteral("xfce4-panel"), QStringLiteral("/panels")));
    case TrayHostKind::Lxqt:
        return lxqtPanelHides(lxqtPanelConfPath());
    case TrayHostKind::Plasma:
        return plasmaPanelHides(userConfigText(QStringLiteral("plasmashellrc")));
    default:
        return false;
    }
}

} // namespace platform::xdg
