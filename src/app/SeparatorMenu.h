// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "keys/SeparatorItem.h"
#include "menubar/JXMenu.h"
#include "menubar/MenuServices.h"

#include <functional>

namespace app {

// What the items of a separator's menu do to the separator list.
struct SeparatorMenuActions {
    // New: another separator after the last one.
    std::function<void()> addSeparator;
    // Remove: this separator.
    std::function<void()> removeSeparator;
    // This separator shows the given character from now on.
    std::function<void(const QString&)> chooseCharacter;
    // Adds the entries that place this separator on this desktop, if any.
    std::function<void(JXMenu&)> addPlacementItems;
    // How separators are moved on this desktop.
    QString tip;
};

// Fills a separator's (emptied) menu from the state at this moment: New
// (offered below the maximum number of separators) and Remove (offered with
// two or more separators), the placement entries of this
// desktop, the tip during the first
// launch, the characters with the current one checked, Settings…, the More
// submenu, Debug in debug mode, and Quit.
void buildSeparatorMenu(JXMenu& menu, const keys::SeparatorItem& separator,
                        qsizetype separatorCount, const SeparatorMenuActions& actions,
                        const menubar::MenuServices& services);

} // namespace app
