// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Menus built in code: their notifications, the building operations and the
// kit's ready-made items.

#include "menubar/JXMenu.h"
#include "MenuTestSupport.h"
#include "menubar/ReadyMadeItems.h"
#include "platform/sim/SimMenuDescription.h"

#include <gtest/gtest.h>

using menubar_testing::KitFixture;
using platform::sim::describeMenu;

namespace {

TEST(JXMenu, ReportsOpeningClosingAndUpdatesInOrder) {
    JXMenu menu;
    QStringList events;
    menu.onOpenClose = [&](bool open) {
        events.append(open ? QStringLiteral("open") : QStringLiteral("close"));
    };
    menu.onUpdate = [&] { events.append(QStringLiteral("update")); };
    menu.onUpdateLegacy = [&](JXMenu& updated) {
        EXPECT_EQ(&updated, &menu);
        events.append(QStringLiteral("legacy"));
    };
    QList<bool> published;
    auto openState = menu.isOpenPublisher().sink([&](bool open) { published.append(open); });
    int updates = 0;
    auto needsUpdate = menu.needsUpdatePublisher().sink([&](std::monostate) {
        events.append(QStringLiteral("published update"));
        ++updates;
    });

    menu.menuNeedsUpdate();
    menu.menuWillOpen();
    EXPECT_TRUE(menu.isOpen());
    menu.menuDidClose();

    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(events, (QStringList{QStringLiteral("published update"), QStringLiteral("update"),
                                   QStringLiteral("legacy"), QStringLiteral("open"),
                                   QStringLiteral("close")}));
    EXPECT_EQ(published, (QList<bool>{false, true, false}));
    EXPECT_EQ(updates, 1);

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

TEST(JXMenu, BuildsItemsExactlyAsAsked) {
    JXMenu menu;
    int chosen = 0;
    CallbackMenuItem& disabled =
        menu.addCallbackItem(QStringLiteral("Off"), {.isEnabled = false}, [&] { ++chosen; });
    menu.addCallbackItem(
        QStringLiteral("Keyed"),
        {.key = QStringLiteral("k"),
         .keyModifiers = platform::ModifierKey::Option | platform::ModifierKey::Shift,
         .isChecked = true,
         .isHidden = true},
        [&] { ++chosen; });
    menu.addHeader(QStringLiteral("Section"), true);
    bool builtSubmenu = false;
    platform::MenuItem& withoutSubmenu = menu.addSubmenuItem(QStringLiteral("Closed"), false, [&] {
        builtSubmenu = true;
        return std::make_shared<JXMenu>();
    });

    EXPECT_EQ(describeMenu(menu),
              (QStringList{QStringLiteral("Off (disabled)"),
                           QStringLiteral("Keyed (checked, hidden, ⌥⇧k)"), QStringLiteral("---"),
                           QStringLiteral("Section (disabled, small)"),
                           QStringLiteral("Closed (disabled, submenu)")}));
    EXPECT_FALSE(builtSubmenu);
    EXPECT_TRUE(withoutSubmenu.submenu()->items().empty());
    EXPECT_FALSE(disabled.isEnabled());
    disabled.perform();
    EXPECT_EQ(chosen, 1);
}

TEST(JXMenu, AnUpdateThatRebuildsShowsFreshContentsEachTime) {
    JXMenu menu;
    int opening = 0;
    menu.onUpdate = [&] {
        menu.removeAllItems();
        menu.addCallbackItem(QStringLiteral("Opened %1").arg(++opening), [] {});
    };
    menu.menuNeedsUpdate();
    menu.menuNeedsUpdate();
    EXPECT_EQ(describeMenu(menu), QStringList{QStringLiteral("Opened 2")});
}

TEST(ReadyMadeItems, LinksOpenTheirPages) {
    KitFixture fixture(1);
    JXMenu menu;
    const auto services = fixture.services();
    menubar::addFAQItem(menu, services)->perform();
    menubar::addFAQItem(menu, services, QUrl(QStringLiteral("https://example.org/help")))
        ->perform();
    menubar::addWebsiteItem(menu, services)->perform();
    menubar::addMoreAppsItem(menu, services)->perform();

    auto withoutStore = fixture.services({QUrl(QStringLiteral("https://gapsel.app/docs")), {}});
    menubar::addFAQItem(menu, withoutStore)->perform();
    menubar::addMoreAppsItem(menu, withoutStore)->perform();

    EXPECT_EQ(describeMenu(menu),
              (QStringList{QStringLiteral("FAQ"), QStringLiteral("FAQ"), QStringLiteral("Website"),
                           QStringLiteral("More Apps by Me"), QStringLiteral("FAQ"),
                           QStringLiteral("More Apps by Me")}));
    QStringList opened;
    for (const QUrl& url : fixture.sim.workspace.openedUrls())
        opened.append(url.toString());
    EXPECT_EQ(opened, (QStringList{QStringLiteral("https://gapsel.app/#faq"),
                                   QStringLiteral("https://example.org/help"),
                                   QStringLiteral("https://gapsel.app/"),
                                   QStringLiteral("https://gapsel.app/apps"),
                                   QStringLiteral("https://gapsel.app/docs#faq"),
                                   QStringLiteral("https://gapsel.app/apps")}));
}

TEST(ReadyMadeItems, ItemsWhoseConditionFailsAppendNothing) {
    KitFixture firstLaunch;
    JXMenu menu;
    const auto bare = firstLaunch.services({});
    EXPECT_EQ(menubar::addWebsiteItem(menu, bare), nullptr);
    EXPECT_EQ(menubar::addFAQItem(menu, bare), nullptr);
    EXPECT_EQ(menubar::addRateAppItem(menu, bare), nullptr);
    EXPECT_EQ(menubar::addRateAppItem(menu, firstLaunch.services()), nullptr);
    EXPECT_TRUE(menu.items().empty());

    KitFixture laterLaunch(1);
    EXPECT_EQ(menubar::addRateAppItem(menu, laterLaunch.services({QUrl(), QStringLiteral("1")})),
              nullptr);
    menubar::addRateAppItem(menu, laterLaunch.services())->perform();
    EXPECT_EQ(laterLaunch.pending.calls, QStringList{QStringLiteral("rate com.gapsel.Gapsel")});
}

TEST(ReadyMadeItems, QuitAsksTheApplicationToEndOnALaterTurn) {
    KitFixture fixture;
    fixture.sim.queue.runUntilIdle();
    JXMenu menu;
    CallbackMenuItem* quit = menubar::addQuitItem(menu, fixture.services());
    EXPECT_EQ(describeMenu(menu), QStringList{QStringLiteral("Quit Gapsel (⌘q)")});

    quit->perform();
    EXPECT_EQ(fixture.sim.application.terminateRequests(), 0);
    fixture.sim.queue.runUntilIdle();
    EXPECT_EQ(fixture.sim.application.terminateRequests(), 1);
    EXPECT_EQ(fixture.sim.application.exitRequests(), 0);
}

} // namespace
