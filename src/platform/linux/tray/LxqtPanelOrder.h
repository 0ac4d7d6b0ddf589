// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QSettings>
#include <QString>

#include <functional>

namespace platform::xdg {

// LXQt's panels and their plugins, $XDG_CONFIG_HOME/lxqt/panel.conf.
QString lxqtPanelConfPath();

// Whether `test` holds for a status notifier plugin of that file, given its
// settings.
bool anyLxqtStatusNotifier(const QString& panelConfPath,
                           const std::function<bool(const QSettings& plugin)>& test);

// Whether a status notifier plugin of that file has "Reverse the order of
// items" on (`reverseOrder=true`): its newest item then goes leftmost.
bool lxqtReversesOrder(const QString& panelConfPath);

} // namespace platform::xdg
