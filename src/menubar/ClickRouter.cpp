// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/ClickRouter.h"

namespace menubar {

void routeClick(const std::weak_ptr<platform::StatusItem>& statusItem,
                const MenuBarItem::Action& action, const std::shared_ptr<JXMenu>& menu,
                const platform::Event& event) {
    const auto item = statusItem.lock();
    if (!item)
        return;
    if (event.type == platform::EventType::RightMouseUp && !event.hasWindow)
        return;
    if (!action(event))
        return;
    item->setMenu(menu);
    item->button().performClick();
    // A desktop may return from the click while the menu still shows.
    menu->whenClosed([statusItem] {
        if (const auto shown = statusItem.lock())
            shown->setMenu(nullptr);
    });
}

} // namespace menubar
