// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/JXMenu.h"
#include "shortcuts/MenuOpenFlag.h"

#include <gtest/gtest.h>

TEST(MenuNotice, MenusTellTheShortcutServiceWhenTheyOpenAndClose) {
    auto& flag = shortcuts::MenuOpenFlag::shared();
    std::vector<bool> told;
    const auto connection = flag.changed.connect([&](bool open) { told.push_back(open); });
    JXMenu menu;
    menu.menuWillOpen();
    EXPECT_TRUE(flag.isOpen());
    menu.menuDidClose();
    menu.menuDidClose();
    flag.changed.disconnect(connection);
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
}
