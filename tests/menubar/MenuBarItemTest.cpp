// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "MenuTestSupport.h"
#include "debug/InMemoryLog.h"
#include "menubar/JXMenu.h"
#include "menubar/MenuBarItemCoordinator.h"
#include "menubar/ReadyMadeItems.h"
#include "menubar/SeparatorLines.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/sim/SimMenuDescription.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using menubar_testing::KitFixture;
using platform::Event;
using platform::EventType;
using platform::sim::describeMenu;
using platform::sim::SimStatusItem;

namespace {

class MenuBarItemTest : public ::testing::Test {
protected:
    std::unique_ptr<MenuBarItem::Coordinator> show(const MenuBarItem& description) {
        return std::make_unique<MenuBarItem::Coordinator>(description, bar, registry, queue);
    }
    SimStatusItem& item() { return *bar.items().back(); }

    static MenuBarItem withMenu(QString entry) {
        MenuBarItem description;
        description.buildMenu = [entry](JXMenu& menu) { menu.addCallbackItem(entry, [] {}); };
        return description;
    }

    platform::sim::SimMainQueue queue;
    platform::sim::SimStatusBar bar;
    menubar::StatusItemRegistry registry;
};

TEST_F(MenuBarItemTest,
       AppliesTheDescriptionClearsWhatAnUpdateLeavesOutAndGoesWithItsRegistryEntry) {
    MenuBarItem description;
    description.id = u"ITEM-1"_s;
    description.title = u"—"_s;
    description.width = menubar::StatusItemWidth::fixed(22);
    description.accessibilityLabel = u"Separator"_s;
    auto coordinator = show(description);
    EXPECT_EQ(testing_support::log().lines().constLast(),
              u"StatusItemView - INIT - Optional(\"ITEM-1\")"_s);

    EXPECT_EQ(item().length(), 22.0);
    EXPECT_EQ(item().simButton().accessibilityLabel(), u"Separator"_s);
    EXPECT_EQ(item().menu(), nullptr);

    // Every update sets everything again: what the new description leaves out is cleared.
    MenuBarItem bare;
    bare.width = menubar::StatusItemWidth::square();
    bare.attributedTitle = platform::AttributedText{u"b"_s, platform::FontStyle::Italic};
    coordinator->update(bare);
    EXPECT_EQ(item().autosaveName(), std::nullopt);
    EXPECT_EQ(item().length(), -2.0);
    EXPECT_EQ(item().simButton().attributedTitle(), bare.attributedTitle);
    EXPECT_EQ(item().simButton().accessibilityLabel(), std::nullopt);

    coordinator->update(MenuBarItem{});
    EXPECT_EQ(item().simButton().title(), QString());

    // An icon leads a title or stands alone, and its position outlives it.
    description.icon = QImage(16, 16, QImage::Format_ARGB32);
    coordinator->update(description);
    EXPECT_EQ(item().simButton().imagePosition(), platform::ImagePosition::ImageBesideTitle);
    description.title.reset();
    coordinator->update(description);
    EXPECT_EQ(item().simButton().imagePosition(), platform::ImagePosition::ImageOnly);
    EXPECT_FALSE(item().simButton().image().isNull());
    description.icon.reset();
    coordinator->update(description);
    EXPECT_TRUE(item().simButton().image().isNull());
    EXPECT_EQ(item().simButton().imagePosition(), platform::ImagePosition::ImageOnly);

    // Teardown removes the item, and its registry entry on a later turn.
    const std::weak_ptr<platform::StatusItem> created = coordinator->statusItem();
    ASSERT_EQ(registry.entries().size(), 1u);
    EXPECT_EQ(registry.liveItems().back(), created.lock());
    coordinator.reset();
    EXPECT_EQ(testing_support::log().lines().constLast(), u"StatusItemView - DEINIT"_s);
    EXPECT_TRUE(created.expired());
    EXPECT_EQ(registry.entries().size(), 1u);
    queue.runUntilIdle();
    EXPECT_TRUE(registry.entries().empty());
}

TEST_F(MenuBarItemTest, AClickCallsTheActionOrOpensTheNewestMenuAndWithBothTheActionDecides) {
    auto plain = show(MenuBarItem{});
    item().simButton().click();
    EXPECT_FALSE(item().isMenuOpen());

    int actions = 0;
    MenuBarItem actionOnly;
    actionOnly.action = [&](const Event& event) {
        EXPECT_EQ(event.type, EventType::LeftMouseUp);
        ++actions;
        return true;
    };
    auto action = show(actionOnly);
    item().simButton().click();
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(item().isMenuOpen());

    auto menuOnly = show(withMenu(u"First"_s));
    menuOnly->update(withMenu(u"Second"_s));
    item().simButton().click();
    ASSERT_TRUE(item().isMenuOpen());
    EXPECT_EQ(describeMenu(*item().shownMenu()), QStringList{u"Second"_s});
    item().closeMenu();
    menuOnly->update(withMenu(u"Third"_s));
    item().openMenu();
    EXPECT_EQ(describeMenu(*item().shownMenu()), QStringList{u"Third"_s});

    // With both, the action decides whether the menu opens.
    bool letThrough = false;
    QList<EventType> seen;
    MenuBarItem description = withMenu(u"Entry"_s);
    description.action = [&](const Event& event) {
        seen.append(event.type);
        return letThrough;
    };
    auto coordinator = show(description);
    EXPECT_EQ(item().simButton().sendActionOn(), platform::leftMouseDownOrRightMouseUpMask);

    item().simButton().click();
    EXPECT_FALSE(item().isMenuOpen());
    EXPECT_EQ(item().menu(), nullptr);

    // The stray end of a right click elsewhere never reaches the action.
    item().simButton().receive(Event{EventType::RightMouseUp, false});
    EXPECT_EQ(seen, QList<EventType>{EventType::LeftMouseDown});

    letThrough = true;
    item().simButton().click(true);
    EXPECT_EQ(seen, (QList<EventType>{EventType::LeftMouseDown, EventType::RightMouseUp}));
    ASSERT_TRUE(item().isMenuOpen());
    item().closeMenu();
    EXPECT_EQ(item().menu(), nullptr);
}

TEST_F(MenuBarItemTest, TheOpenMenuBindingWorksBothWays) {
    bool isOpen = false;
    MenuBarItem description = withMenu(u"Entry"_s);
    description.isMenuOpen =
        Defaults::Binding<bool>([&] { return isOpen; }, [&](const bool& open) { isOpen = open; });
    auto coordinator = show(description);

    item().simButton().click();
    EXPECT_FALSE(isOpen) << "copied on a later turn";
    queue.runUntilIdle();
    EXPECT_TRUE(isOpen);
    item().closeMenu();
    queue.runUntilIdle();
    EXPECT_FALSE(isOpen);

    isOpen = true;
    coordinator->update(description);
    EXPECT_TRUE(item().isMenuOpen());
    EXPECT_TRUE(item().simButton().isHighlighted());
    coordinator->update(description);
    EXPECT_TRUE(item().isMenuOpen());

    isOpen = false;
    coordinator->update(description);
    EXPECT_FALSE(item().isMenuOpen());
    EXPECT_FALSE(item().simButton().isHighlighted());
    queue.runUntilIdle();
    EXPECT_FALSE(isOpen);
}

TEST(JXMenu, ReportsOpeningClosingAndUpdatesInOrderAndRunsWorkWaitingForTheClose) {
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

    // Work waiting for the close runs once when it closes, at once if it is.
    int ran = 0;
    menu.whenClosed([&] { ++ran; });
    EXPECT_EQ(ran, 1);
    openState->cancel();
    menu.menuWillOpen();
    EXPECT_EQ(published.size(), 3);
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

// Written as the items' texts: "-" a line, "h" a hidden item, ">" a submenu
// holding "-a--b-".
TEST(SeparatorLines, NoneAtAnEdgeOrNextToAnotherHiddenItemsNotCounting) {
    const auto build = [](platform::Menu& menu, const QString& items, const auto& self) -> void {
        for (const QChar code : items) {
            if (code == u'-') {
                menu.addItem(platform::MenuItem::separator());
                continue;
            }
            auto item = std::make_shared<platform::MenuItem>(QString(code));
            item->setHidden(code == u'h');
            if (code == u'>') {
                auto submenu = std::make_shared<platform::Menu>();
                self(*submenu, u"-a--b-"_s, self);
                item->setSubmenu(submenu);
            }
            menu.addItem(item);
        }
    };
    const auto written = [](const platform::Menu& menu) {
        QString text;
        for (const auto& item : menu.items())
            text += item->isSeparator() ? u"-"_s : item->title();
        return text;
    };
    for (const auto& [items, collapsed] :
         std::initializer_list<std::pair<const char*, const char*>>{
             {"a-b", "a-b"},
             {"--a---b--", "a-b"},
             {"a-h-b", "a-hb"},
             {"h-a-h", "hah"},
             {"---", ""},
             {"a->", "a->"},
         }) {
        platform::Menu menu;
        build(menu, QString::fromLatin1(items), build);
        menubar::collapseSeparatorLines(menu);
        EXPECT_EQ(written(menu), QString::fromLatin1(collapsed)) << items;
        for (const auto& item : menu.items()) {
            if (item->submenu()) {
                EXPECT_EQ(written(*item->submenu()), u"a-b"_s);
            }
        }
    }
}

TEST(ReadyMadeItems, LinksOpenTheirPagesAndItemsWhoseConditionFailsAppendNothing) {
    KitFixture fixture(1);
    JXMenu menu;
    const auto services = fixture.services();
    menubar::addFAQItem(menu, services, QUrl(u"https://example.org/help"_s))->perform();
    menubar::addWebsiteItem(menu, services)->perform();
    menubar::addMoreAppsItem(menu, services)->perform();
    // Without a store record, the maker's own page of its apps.
    menubar::addMoreAppsItem(menu, fixture.services({}))->perform();
    EXPECT_EQ(fixture.sim.workspace.openedUrls(),
              (QList<QUrl>{QUrl(u"https://example.org/help"_s), QUrl(u"https://gapsel.app/"_s),
                           QUrl(u"macappstore://apps.apple.com/developer/id471902635"_s),
                           QUrl(u"https://gapsel.app/apps"_s)}));

    // Items whose condition fails append nothing.
    KitFixture firstLaunch;
    JXMenu bare;
    EXPECT_EQ(menubar::addWebsiteItem(bare, firstLaunch.services({})), nullptr);
    EXPECT_EQ(menubar::addFAQItem(bare, firstLaunch.services({})), nullptr);
    EXPECT_EQ(menubar::addRateAppItem(bare, firstLaunch.services({})), nullptr);
    EXPECT_EQ(menubar::addRateAppItem(bare, fixture.services({QUrl(), u"1"_s})), nullptr);
    EXPECT_TRUE(bare.items().empty());
}

} // namespace
