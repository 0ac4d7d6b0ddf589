// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/MenuBarItem.h"

#include "menubar/StatusItemRegistry.h"

const std::vector<std::weak_ptr<platform::StatusItem>>& MenuBarItem::statusItems() {
    return menubar::statusItemRegistry();
}

std::vector<std::shared_ptr<platform::StatusItem>> MenuBarItem::liveStatusItems() {
    std::vector<std::shared_ptr<platform::StatusItem>> live;
    for (const auto& entry : statusItems()) {
        if (auto item = entry.lock())
            live.push_back(std::move(item));
    }
    return live;
}
