// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/HostHiddenItems.h"

#include "platform/linux/KdeConfigText.h"
#include "platform/linux/XfconfProperties.h"
#include "platform/linux/tray/LxqtPanelOrder.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace platform::xdg {

namespace {

QStringList commaList(const QString& value) {
    QStringList items = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

// Every status tray plugin's hidden-items, as xfconfd holds them now.
QList<QStringList> xfceHiddenItemLists() {
    const QVariantMap properties =
        xfconfProperties(QStringLiteral("xfce4-panel"), QStringLiteral("/plugins"));
    QList<QStringList> lists;
    for (auto property = properties.cbegin(); property != properties.cend(); ++property)
        if (property.key().endsWith(QLatin1String("/hidden-items")))
            lists.append(xfconfStrings(property.value()));
    return lists;
}

} // namespace

bool plasmaHides(const QString& appletsrc, const QString& id) {
    static const QRegularExpression containment(QStringLiteral(R"(^\[Containments\]\[\d+\]$)"));
    const KdeConfigGroups groups = readKdeConfig(appletsrc);
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (!containment.match(group.key()).hasMatch() ||
            group->value(QStringLiteral("plugin")) !=
                QLatin1String("org.kde.plasma.private.systemtray"))
            continue;
        const auto general = groups.value(group.key() + QStringLiteral("[General]"));
        if (general.value(QStringLiteral("showAllItems")) == QLatin1String("true"))
            continue;
        if (commaList(general.value(QStringLiteral("hiddenItems"))).contains(id) ||
            commaList(general.value(QStringLiteral("disabledStatusNotifiers"))).contains(id))
            return true;
    }
    return false;
}

bool xfceHides(const QList<QStringList>& hiddenItemLists, const QString& id) {
    return std::any_of(hiddenItemLists.cbegin(), hiddenItemLists.cend(),
                       [&](const QStringList& hidden) { return hidden.contains(id); });
}

bool lxqtHides(const QString& panelConfPath, const QString& title) {
    return anyLxqtStatusNotifier(panelConfPath, [&title](const QSettings& plugin) {
        return plugin.value(QStringLiteral("hideList")).toStringList().contains(title);
    });
}

bool hostSettingHides(TrayHostKind host, const TrayItemNames& item) {
    switch (host) {
    case TrayHostKind::Plasma:
        return plasmaHides(
            userConfigText(QStringLiteral("plasma-org.kde.plasma.desktop-appletsrc")), item.id);
    case TrayHostKind::Xfce:
        return xfceHides(xfceHiddenItemLists(), item.id);
    case TrayHostKind::Lxqt:
        return lxqtHides(lxqtPanelConfPath(), item.title);
    default:
        return false;
    }
}

} // namespace platform::xdg
