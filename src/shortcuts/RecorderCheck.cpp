// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/RecorderCheck.h"

#include <QCoreApplication>

namespace shortcuts {

namespace {

QString settingsHint(ShortcutSettingsPlace place) {
    switch (place) {
    case ShortcutSettingsPlace::MacSystemSettings:
        return QCoreApplication::translate("RecorderCheck",
                                           "Most system-wide keyboard shortcuts can be changed in "
                                           "“System Settings › Keyboard › Keyboard Shortcuts“.");
    case ShortcutSettingsPlace::DesktopKeyboardSettings:
        break;
    }
    return QCoreApplication::translate(
        "RecorderCheck", "Most system-wide keyboard shortcuts can be changed in the keyboard "
                         "shortcut settings of your desktop.");
}

} // namespace

std::optional<Refusal> refusalFor(const Shortcut& shortcut,
                                  const QList<MenuItemShortcut>& menuItems,
                                  const std::function<bool(const Shortcut&)>& isTakenBySystem,
                                  ShortcutSettingsPlace settingsPlace) {
    for (const MenuItemShortcut& item : menuItems)
        if (item.shortcut == shortcut)
            return Refusal{
                QCoreApplication::translate("RecorderCheck",
                                            "This keyboard shortcut cannot be used as it's already "
                                            "used by the “%1” menu item.")
                    .arg(item.title),
                {}};
    if (isTakenBySystem && isTakenBySystem(shortcut))
        return Refusal{
            QCoreApplication::translate("RecorderCheck",
                                        "This keyboard shortcut cannot be used as it's already a "
                                        "system-wide keyboard shortcut."),
            settingsHint(settingsPlace)};
    return std::nullopt;
}

Refusal unavailableRefusal() {
    return {QCoreApplication::translate("RecorderCheck",
                                        "Global shortcuts are not available on this desktop."),
            QCoreApplication::translate(
                "RecorderCheck",
                "On Wayland they come through the desktop's global shortcuts portal, which this "
                "desktop does not offer.")};
}

} // namespace shortcuts
