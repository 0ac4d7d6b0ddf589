// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"
#include "shortcuts/RecorderCheck.h"
#include "shortcuts/Shortcut.h"

#include <QList>

#include <cstdint>
#include <optional>

// Menu items' key equivalents as shortcuts and back. `commandModifier` is the
// classic modifier that a menu item's Command stands for on this desktop
// (platform::HotKeys::menuCommandModifier).
namespace shortcuts {

// The shortcut of the item's key equivalent; none without one, or for a key
// Gapsel cannot name.
std::optional<Shortcut> shortcutOf(const platform::MenuItem& item, std::uint32_t commandModifier);

// Every item of `menu` and of its submenus that has a key equivalent.
QList<MenuItemShortcut> menuItemShortcuts(const platform::Menu& menu,
                                          std::uint32_t commandModifier);

// Gives the item the key equivalent of `shortcut`. Without one, or with one
// that menus cannot show (the Super key where menus know no such modifier),
// the item has no key equivalent.
void setKeyEquivalent(platform::MenuItem& item, const std::optional<Shortcut>& shortcut,
                      std::uint32_t commandModifier);

} // namespace shortcuts
