// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QString>
#include <QVariantMap>

namespace platform::xdg {

// XFCE: a panel's /panels/panel-N/autohide-behavior (xfconf channel
// xfce4-panel) is other than 0 (never): 1 hides it when a window is near, 2
// always.
bool xfcePanelHides(const QVariantMap& panelProperties);
// LXQt: a panel's group of panel.conf has "Auto-hide" on (hidable=true).
bool lxqtPanelHides(const QString& panelConfPath);
// Plasma: a panel's [PlasmaViews][Panel N] group of plasmashellrc has
// panelVisibility 1 (auto-hide; the other values mean other things in
// Plasma 5 and 6).
bool plasmaPanelHides(const QString& plasmashellrc);

// Whether a panel of the host's desktop hides itself, as its own settings
// say; false for a host whose panel never hides (GNOME's top bar) or whose
// settings are not known.
bool panelHidesAutomatically(TrayHostKind host);

} // namespace platform::xdg
