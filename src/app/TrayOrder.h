// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QList>

namespace app {

// The rule by which a tray host orders its items, and so what Gapsel can do
// to put a separator where the user wants it.
enum class TrayOrder {
    // The user drags items; the menu bar remembers their places.
    Dragged,
    // XFCE: the order of the status tray's list of known item Ids.
    KnownItems,
    // Plasma, Cinnamon: sorted by the items' category and title.
    SortedByTitle,
    // GNOME's extension, Budgie: the newest item goes leftmost.
    NewestLeftmost,
    // LXQt, Waybar: the newest item goes rightmost.
    NewestRightmost,
    // Nothing Gapsel may change decides the order (MATE: the Id), or the
    // host is not known.
    Fixed,
};

// How `host` orders items. XFCE's order can only be changed when its status
// tray plugin is known.
TrayOrder trayOrderOf(const platform::TrayHost& host);

} // namespace app
