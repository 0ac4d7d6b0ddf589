// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/VisibilityMessages.h"

#include "menubar/TrayRemedy.h"

namespace menubar {

namespace {

using platform::HiddenCause;
using platform::TrayHostKind;

VisibilityMessages menuBarMessages() {
    return {QStringLiteral("macOS hides menu bar items when they do not fit. Try quitting some "
                           "other menu bar apps.\n\nDisregard this message if you have the menu "
                           "bar set to auto hide. It will not be shown again."),
            QStringLiteral("macOS hides menu bar items when they do not fit. Try quitting some "
                           "other menu bar apps. Also try quitting Bartender if it's running."
                           "\n\nThis check can have false-positives, so if you can see the menu "
                           "bar item, enable \u201CDo not show this again\u201D, and click "
                           "\u201COK\u201D.")};
}

QString hostSettingPlace(TrayHostKind host) {
    switch (host) {
    case TrayHostKind::Xfce:
        return QStringLiteral("the Status Tray's properties (Known Items, \u201CHidden\u201D)");
    case TrayHostKind::Plasma:
        return QStringLiteral("System Tray Settings \u25B8 Entries");
    case TrayHostKind::Lxqt:
        return QStringLiteral("the Status Notifier widget's settings");
    default:
        return QStringLiteral("the tray's settings");
    }
}

QString reason(const platform::HiddenVerdict& verdict) {
    switch (verdict.cause) {
    case HiddenCause::NoTray:
        return QStringLiteral("Nothing on this desktop shows tray items, so Gapsel's separators "
                              "cannot appear. ") +
               trayRemedy(verdict.host);
    case HiddenCause::NoTrayHost:
        return QStringLiteral("This desktop collects tray items, but no panel shows them. ") +
               trayRemedy(verdict.host);
    case HiddenCause::HiddenByHostSetting:
        return QStringLiteral("The tray's own settings hide this separator. Show it again in ") +
               hostSettingPlace(verdict.host) + QLatin1Char('.');
    case HiddenCause::NotTaken:
        return QStringLiteral("The tray did not take this separator. Restarting the panel "
                              "usually brings it back.");
    case HiddenCause::NoRoom:
    case HiddenCause::None:
        break;
    }
    return QStringLiteral("The panel hides tray items when they do not fit. Try quitting some "
                          "other tray apps.");
}

} // namespace

VisibilityMessages VisibilityMessages::forVerdict(const platform::HiddenVerdict& verdict) {
    if (verdict.host == TrayHostKind::DraggableMenuBar)
        return menuBarMessages();
    const QString why = reason(verdict);
    return {why + QStringLiteral("\n\nDisregard this message if you have the panel set to hide "
                                 "automatically. It will not be shown again."),
            why + QStringLiteral("\n\nThis check can have false-positives, so if you can see the "
                                 "separator, enable \u201CDo not show this again\u201D, and click "
                                 "\u201COK\u201D.")};
}

VisibilityMessages VisibilityMessages::withExtraMessage(const QString& extra) const {
    const QString gap = QStringLiteral("\n\n");
    return {whenHidingAutomatically + gap + extra, otherwise + gap + extra};
}

} // namespace menubar
