// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QString>
#include <QStringList>

namespace platform::xdg {

// A tray item as the hosts' settings name it.
struct TrayItemNames {
    QString id;
    QString title;
};

// Plasma: a system tray containment of plasma-org.kde.plasma.desktop-appletsrc
// lists the item's Id under hiddenItems or disabledStatusNotifiers and does
// not show all items.
bool plasmaHides(const QString& appletsrc, const QString& id);
// XFCE: one of the status tray plugins' hidden-items lists holds the Id.
bool xfceHides(const QList<QStringList>& hiddenItemLists, const QString& id);
// LXQt: a status notifier plugin of panel.conf lists the item's Title in its
// hideList.
bool lxqtHides(const QString& panelConfPath, const QString& title);

// Asks the host's own settings, where it keeps them, whether they hide the
// item; false for a host that hides nothing by name.
bool hostSettingHides(TrayHostKind host, const TrayItemNames& item);

} // namespace platform::xdg
