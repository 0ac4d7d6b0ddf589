// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/ItemVisibility.h"

#include <QStringList>

namespace platform::xdg {

// What the session bus and the tray host tell about one tray item.
struct TrayItemState {
    bool hasWatcher = false;
    bool isHostRegistered = false;
    // The watcher's RegisteredStatusNotifierItems.
    QStringList registeredItems;
    // The bus names the item is known by (well-known and unique).
    QStringList itemServices;
    // Whether the host's own settings hide the item.
    bool hiddenByHostSetting = false;
    // The host that shows items, or the one this desktop would have.
    TrayHostKind host = TrayHostKind::Unknown;
    // An XEmbed tray is the host: whether it took the item in and mapped it,
    // which is all that tray tells.
    bool isDockedAndMapped = false;
};

// Whether a tray item is out of sight, asked in order from the bus down to
// the host's settings. XFCE and GNOME's extension claim a host whether or not
// anything is drawn, so the host's answer alone is not trusted.
//
// A tray has no counterpart of a user removing the item from the menu bar
// (a host's "hidden" setting is that, and is reported as such), so no verdict
// is withheld for it.
HiddenVerdict judgeVisibility(const TrayItemState& state);

// Whether a RegisteredStatusNotifierItems entry, in any watcher's way of
// writing it, names one of `services`.
bool namesItem(const QString& entry, const QStringList& services);

} // namespace platform::xdg
