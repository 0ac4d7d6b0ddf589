// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/JXMenu.h"
#include "menubar/MenuBarItemCoordinator.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/sim/SimMainQueue.h"
#include "platform/sim/SimStatusBar.h"
#include "shortcuts/MenuOpenFlag.h"

#include <gtest/gtest.h>

// The flag follows a status item's menu at once (not a turn later), tells
// only real changes, and a menu that outlives the registry tells no one.
TEST(MenuNotice, StatusItemMenusTellTheShortcutFlagWhenTheyOpenAndClose) {
    platform::sim::SimMainQueue queue;
    platform::sim::SimStatusBar bar;
    shortcuts::MenuOpenFlag flag;
    std::vector<bool> told;
    const auto connection = flag.changed.connect([&](bool open) { told.push_back(open); });
    auto registry = std::make_unique<menubar::StatusItemRegistry>();
    registry->onMenuOpenClose([&](bool open) { flag.set(open); });
    MenuBarItem description;
    description.buildMenu = [](JXMenu& menu) {
        menu.addCallbackItem(QStringLiteral("Entry"), [] {});
    };
    auto coordinator =
        std::make_unique<MenuBarItem::Coordinator>(description, bar, *registry, queue);

    bar.items().back()->openMenu();
    EXPECT_TRUE(flag.isOpen());
    bar.items().back()->closeMenu();
    const std::shared_ptr<platform::Menu> menu = bar.items().back()->menu();
    auto& jxMenu = dynamic_cast<JXMenu&>(*menu);
    jxMenu.menuDidClose();
    EXPECT_EQ(told, (std::vector<bool>{true, false}));

    coordinator.reset();
    registry.reset();
    jxMenu.menuWillOpen();
    EXPECT_FALSE(flag.isOpen());
    flag.changed.disconnect(connection);
}
