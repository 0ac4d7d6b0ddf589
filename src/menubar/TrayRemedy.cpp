// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/TrayRemedy.h"

namespace menubar {

QString trayRemedy(platform::TrayHostKind desktop) {
    using platform::TrayHostKind;
    switch (desktop) {
    case TrayHostKind::Gnome:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy",
            "GNOME shows tray items only with the “AppIndicator and KStatusNotifierItem "
            "Support\u201D extension: install it (package gnome-shell-extension-appindicator), "
            "turn it on in Extensions, then log out and in again."));
    case TrayHostKind::Xfce:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Add the \u201CStatus Tray\u201D item to a panel in Panel "
                          "Preferences \u25B8 Items."));
    case TrayHostKind::Lxqt:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Add the \u201CStatus Notifier\u201D widget to a panel in Panel "
                          "Settings \u25B8 Widgets."));
    case TrayHostKind::Plasma:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("TrayRemedy", "Add the \u201CSystem Tray\u201D widget to a panel."));
    case TrayHostKind::Waybar:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Add the \u201Ctray\u201D module to Waybar's configuration."));
    case TrayHostKind::Cinnamon:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Make sure the XApp status icon service (xapp-sn-watcher) runs."));
    case TrayHostKind::Mate:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Add the \u201CNotification Area\u201D applet to a panel."));
    case TrayHostKind::Budgie:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("TrayRemedy", "Add the \u201CSystem Tray\u201D applet to a panel."));
    case TrayHostKind::XEmbedTray:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "TrayRemedy", "Restart the panel or tray program; Gapsel's separators dock in it "
                          "as soon as it runs again."));
    case TrayHostKind::DraggableMenuBar:
    case TrayHostKind::Unknown:
        break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP(
        "TrayRemedy", "Add a system tray to your panel: one that shows StatusNotifierItems, "
                      "or on X11 one that takes XEmbed icons, such as trayer or "
                      "stalonetray."));
}

} // namespace menubar
