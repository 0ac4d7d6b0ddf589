// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/VisibilityMessages.h"

#include "menubar/TrayRemedy.h"

#include <QCoreApplication>

namespace menubar {

namespace {

using platform::HiddenCause;
using platform::TrayHostKind;

VisibilityMessages menuBarMessages() {
    return {QCoreApplication::translate("VisibilityMessages", "Menu Bar Item Did Not Appear"),
            QCoreApplication::translate(
                "VisibilityMessages",
                "macOS hides menu bar items when they do not fit. Try quitting some "
                "other menu bar apps.\n\nDisregard this message if you have the menu "
                "bar set to auto hide. It will not be shown again."),
            QCoreApplication::translate(
                "VisibilityMessages",
                "macOS hides menu bar items when they do not fit. Try quitting some "
                "other menu bar apps. Also try quitting Bartender if it's running."
                "\n\nThis check can have false-positives, so if you can see the menu "
                "bar item, enable “Do not show this again”, and click "
                "\u201COK\u201D.")};
}

QString hostSettingPlace(TrayHostKind host) {
    switch (host) {
    case TrayHostKind::Xfce:
        return QCoreApplication::translate(
            "VisibilityMessages", "the Status Tray's properties (Known Items, \u201CHidden\u201D)");
    case TrayHostKind::Plasma:
        return QCoreApplication::translate("VisibilityMessages",
                                           "System Tray Settings \u25B8 Entries");
    case TrayHostKind::Lxqt:
        return QCoreApplication::translate("VisibilityMessages",
                                           "the Status Notifier widget's settings");
    default:
        return QCoreApplication::translate("VisibilityMessages", "the tray's settings");
    }
}

QString shownRemedy(TrayHostKind host) {
    return QCoreApplication::translate("TrayRemedy", trayRemedy(host).toUtf8().constData());
}

QString reason(const platform::HiddenVerdict& verdict) {
    switch (verdict.cause) {
    case HiddenCause::NoTray:
        return QCoreApplication::translate(
                   "VisibilityMessages",
                   "Nothing on this desktop shows tray items, so Gapsel's separators "
                   "cannot appear. %1")
            .arg(shownRemedy(verdict.host));
    case HiddenCause::NoTrayHost:
        return QCoreApplication::translate(
                   "VisibilityMessages",
                   "This desktop collects tray items, but no panel shows them. %1")
            .arg(shownRemedy(verdict.host));
    case HiddenCause::HiddenByHostSetting:
        return QCoreApplication::translate(
                   "VisibilityMessages",
                   "The tray's own settings hide this separator. Show it again in %1.")
            .arg(hostSettingPlace(verdict.host));
    case HiddenCause::NotTaken:
        return QCoreApplication::translate(
            "VisibilityMessages", "The tray did not take this separator. Restarting the panel "
                                  "usually brings it back.");
    case HiddenCause::NoRoom:
    case HiddenCause::None:
        break;
    }
    return QCoreApplication::translate(
        "VisibilityMessages", "The panel hides tray items when they do not fit. Try quitting some "
                              "other tray apps.");
}

} // namespace

VisibilityMessages VisibilityMessages::forVerdict(const platform::HiddenVerdict& verdict) {
    if (verdict.host == TrayHostKind::DraggableMenuBar)
        return menuBarMessages();
    const QString why = reason(verdict);
    return {
        QCoreApplication::translate("VisibilityMessages", "Separator Did Not Appear in the Tray"),
        why + QStringLiteral("\n\n") +
            QCoreApplication::translate("VisibilityMessages",
                                        "Disregard this message if you have the panel set to hide "
                                        "automatically. It will not be shown again."),
        why + QStringLiteral("\n\n") +
            QCoreApplication::translate(
                "VisibilityMessages", "This check can have false-positives, so if you can see the "
                                      "separator, enable “Do not show this again”, and click "
                                      "\u201COK\u201D.")};
}

VisibilityMessages VisibilityMessages::withExtraMessage(const QString& extra) const {
    const QString gap = QStringLiteral("\n\n");
    return {title, whenHidingAutomatically + gap + extra, otherwise + gap + extra};
}

} // namespace menubar
