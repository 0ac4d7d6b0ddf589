// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemRepresentation.h"

namespace platform::xdg {

namespace {
// The height Waybar's tray draws icons at, unless its configuration says otherwise.
constexpr int waybarIconSize = 16;
} // namespace

TrayItemRepresentation representationFor(TrayHostKind host) {
    switch (host) {
    case TrayHostKind::Gnome:
        return {.sendsLabel = false, .answersActivate = false};
    // Budgie's tray and hosts not known here may draw the label too.
    case TrayHostKind::Budgie:
    case TrayHostKind::Unknown:
        return {.sendsLabel = false, .answersActivate = true};
    case TrayHostKind::Waybar:
        return {.sendsLabel = true, .answersActivate = true, .iconHeights = {waybarIconSize}};
    case TrayHostKind::DraggableMenuBar:
    case TrayHostKind::Xfce:
    case TrayHostKind::Plasma:
    case TrayHostKind::Lxqt:
    case TrayHostKind::Cinnamon:
    case TrayHostKind::Mate:
    case TrayHostKind::XEmbedTray:
        break;
    }
    return {.sendsLabel = true, .answersActivate = true};
}

} // namespace platform::xdg
