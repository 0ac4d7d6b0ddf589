// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"
#include "platform/linux/tray/TitleIcon.h"

#include <QList>

namespace platform::xdg {

// How an item shows itself to one kind of host. The glyph always goes out as
// the icon (a blank title as a transparent but clickable gap). The title also
// goes out as the label where the host does not draw labels, for readers of
// the bus; where it does (GNOME's extension draws the label beside the icon)
// or may, it would show the glyph twice.
struct TrayItemRepresentation {
    bool sendsLabel = false;
    // Whether the item offers Activate and ContextMenu: hosts that call them
    // on a click whatever ItemIsMenu says (LXQt) need them; GNOME's extension
    // delays its own menu by a double click's time for items that offer them.
    bool answersActivate = true;
    // The heights of the icons the host chooses from. Waybar draws the
    // largest, scaled down to its icon size (16 pixels unless configured)
    // with a box filter, which blends a glyph's near-white core and its dark
    // outline into one grey; it gets the height it draws and nothing to scale.
    QList<int> iconHeights = TitleIcon::heights();

    friend bool operator==(const TrayItemRepresentation&, const TrayItemRepresentation&) = default;
};

TrayItemRepresentation representationFor(TrayHostKind host);

} // namespace platform::xdg
