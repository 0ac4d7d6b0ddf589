// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "menubar/JXMenu.h"
#include "menubar/MenuBarItem.h"

#include <memory>

namespace menubar {

// A click on a status item that has both a menu and an action: the action
// decides whether the menu opens. If it says yes, the menu is attached for
// this one click and detached again once it has closed. A right-mouse-up that
// belongs to no window (the stray end of a click elsewhere) is ignored, and so
// is every click once the status item is gone.
void routeClick(const std::weak_ptr<platform::StatusItem>& statusItem,
                const MenuBarItem::Action& action, const std::shared_ptr<JXMenu>& menu,
                const platform::Event& event);

} // namespace menubar
