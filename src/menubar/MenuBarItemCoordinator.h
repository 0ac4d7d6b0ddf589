// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "menubar/JXMenu.h"
#include "menubar/MenuBarItem.h"

namespace platform {
class MainQueue;
}

namespace menubar {
class StatusItemRegistry;
}

// Owns one live status item and its menu for as long as its description is
// shown, and applies every new description to them. It holds the only strong
// reference to the status item, so the item leaves the menu bar with it.
class MenuBarItem::Coordinator {
public:
    // Creates the status item, adds it to `registry` and applies
    // `description` to it.
    Coordinator(const MenuBarItem& description, platform::StatusBar& statusBar,
                menubar::StatusItemRegistry& registry, platform::MainQueue& queue);
    ~Coordinator();
    Coordinator(const Coordinator&) = delete;
    Coordinator& operator=(const Coordinator&) = delete;

    // Sets every property of the live item again from `description`; nothing
    // is compared with the previous one.
    void update(const MenuBarItem& description);

    const std::shared_ptr<platform::StatusItem>& statusItem() const { return statusItem_; }
    JXMenu& menu() const { return *menu_; }

private:
    void applyMenu();
    void syncMenuWithBinding();
    void copyOpenStateToBinding(bool isOpen);

    MenuBarItem parent_;
    menubar::StatusItemRegistry& registry_;
    platform::MainQueue& queue_;
    std::shared_ptr<platform::StatusItem> statusItem_;
    std::shared_ptr<JXMenu> menu_;
    std::shared_ptr<Coordinator*> alive_;
};
