// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/JXMenu.h"
#include "MenuTestSupport.h"
#include "menubar/ReadyMadeItems.h"
#include "platform/sim/SimMenuDescription.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using menubar_testing::KitFixture;
using platform::sim::describeMenu;

namespace {

TEST(JXMenu, ReportsOpeningClosingAndUpdatesInOrder) {
    JXMenu menu;
    QStringList events;
    menu.onOpenClose = [&](bool open) { events.append(open ? u"open"_s : u"close"_s); };
    menu.onUpdate = [&] { events.append(u"update"_s); };
    menu.onUpdateLegacy = [&](JXMenu& updated) {
        EXPECT_EQ(&updated, &menu);
        events.append(u"legacy"_s);
    };
    QList<bool> published;
    auto openState = menu.isOpenPublisher().sink([&](bool open) { published.append(open); });
    auto needsUpdate = menu.needsUpdatePublisher().sink(
        [&](std::monostate) { events.append(u"published update"_s); });

    menu.menuNeedsUpdate();
    menu.menuWillOpen();
    menu.menuDidClose();

    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(events, (QStringList{u"published update"_s, u"update"_s, u"legacy"_s, u"open"_s,
                                   u"close"_s}));
    EXPECT_EQ(published, (QList<bool>{false, true, false}));

    openState->cancel();
    menu.menuWillOpen();
    EXPECT_EQ(published.size(), 3);
}

TEST(JXMenu, WorkWaitingForTheCloseRunsOnceWhenItCloses) {
    JXMenu menu;
    int ran = 0;
    menu.whenClosed([&] { ++ran; });
    EXPECT_EQ(ran, 1);

    menu.menuWillOpen();
    menu.whenClosed([&] { ++ran; });
    EXPECT_EQ(ran, 1);
    menu.menuDidClose();
    menu.menuWillOpen();
    menu.menuDidClose();
    EXPECT_EQ(ran, 2);
}

// What the separator's menu does not use: modifiers, hidden, a closed submenu.
TEST(JXMenu, BuildsItemsExactlyAsAsked) {
    JXMenu menu;
    int chosen = 0;
    CallbackMenuItem& keyed = menu.addCallbackItem(
        u"Keyed"_s,
        {.key = u"k"_s,
         .keyModifiers = platform::ModifierKey::Option | platform::ModifierKey::Shift,
         .isEnabled = false,
         .isChecked = true,
         .isHidden = true},
        [&] { ++chosen; });
    bool builtSubmenu = false;
    platform::MenuItem& withoutSubmenu = menu.addSubmenuItem(u"Closed"_s, false, [&] {
        builtSubmenu = true;
        return std::make_shared<JXMenu>();
    });
    EXPECT_EQ(describeMenu(menu), (QStringList{u"Keyed (disabled, checked, hidden, ⌥⇧k)"_s,
                                               u"Closed (disabled, submenu)"_s}));
    EXPECT_FALSE(builtSubmenu);
    EXPECT_TRUE(withoutSubmenu.submenu()->items().empty());
    keyed.perform();
    EXPECT_EQ(chosen, 1);
}

TEST(ReadyMadeItems, LinksOpenTheirPages) {
    KitFixture fixture(1);
    JXMenu menu;
    const auto services = fixture.services();
    menubar::addFAQItem(menu, services, QUrl(u"https://example.org/help"_s))->perform();
    menubar::addWebsiteItem(menu, services)->perform();
    menubar::addMoreAppsItem(menu, services)->perform();
    EXPECT_EQ(fixture.sim.workspace.openedUrls(),
              (QList<QUrl>{QUrl(u"https://example.org/help"_s), QUrl(u"https://gapsel.app/"_s),
                           QUrl(u"https://gapsel.app/apps"_s)}));
}

TEST(ReadyMadeItems, ItemsWhoseConditionFailsAppendNothing) {
    KitFixture firstLaunch;
    JXMenu menu;
    const auto bare = firstLaunch.services({});
    EXPECT_EQ(menubar::addWebsiteItem(menu, bare), nullptr);
    EXPECT_EQ(menubar::addFAQItem(menu, bare), nullptr);
    EXPECT_EQ(menubar::addRateAppItem(menu, bare), nullptr);
    EXPECT_TRUE(menu.items().empty());

    KitFixture laterLaunch(1);
    EXPECT_EQ(menubar::addRateAppItem(menu, laterLaunch.services({QUrl(), u"1"_s})), nullptr);
}

} // namespace
