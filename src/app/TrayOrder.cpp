// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/TrayOrder.h"

namespace app {

using platform::TrayHostKind;

TrayOrder trayOrderOf(const platform::TrayHost& host) {
    switch (host.kind) {
    case TrayHostKind::DraggableMenuBar:
        return TrayOrder::Dragged;
    case TrayHostKind::Xfce:
        return host.xfcePlugin >= 0 ? TrayOrder::KnownItems : TrayOrder::Fixed;
    case TrayHostKind::Plasma:
    case TrayHostKind::Cinnamon:
        return TrayOrder::SortedByTitle;
    case TrayHostKind::Gnome:
    case TrayHostKind::Budgie:
        return TrayOrder::NewestLeftmost;
    case TrayHostKind::Lxqt:
    case TrayHostKind::Waybar:
        return host.reversed ? TrayOrder::NewestLeftmost : TrayOrder::NewestRightmost;
    case TrayHostKind::XEmbedTray:
        // trayer packs each icon that docks at its left end; tint2 (in its
        // default order) and i3bar at the right.
        return host.process == QLatin1String("trayer") ? TrayOrder::NewestLeftmost
                                                       : TrayOrder::NewestRightmost;
    case TrayHostKind::Mate:
    case TrayHostKind::Unknown:
        break;
    }
    return TrayOrder::Fixed;
}

} // namespace app
