// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "shortcuts/Shortcut.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace shortcuts {

// Why a recorder refuses a shortcut: a message, and further text for the
// user where there is some.
struct Refusal {
    QString message;
    QString informativeText;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// A menu item of the application that has a key equivalent.
struct MenuItemShortcut {
    QString title;
    Shortcut shortcut;
    friend bool operator==(const MenuItemShortcut&, const MenuItemShortcut&) = default;
};

// Where the user changes the desktop's own shortcuts, named in the refusal of
// a system-wide one.
enum class ShortcutSettingsPlace { MacSystemSettings, DesktopKeyboardSettings };

// The refusal of `shortcut` by a recorder, or none when it may be used: a
// menu item of the application that already uses it, else a system-wide
// shortcut of the desktop or of another program.
std::optional<Refusal> refusalFor(const Shortcut& shortcut,
                                  const QList<MenuItemShortcut>& menuItems,
                                  const std::function<bool(const Shortcut&)>& isTakenBySystem,
                                  ShortcutSettingsPlace settingsPlace);

// What a recorder says instead of recording where the desktop offers no global
// shortcuts at all.
Refusal unavailableRefusal();

} // namespace shortcuts
