// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/HotKeyRegistry.h"
#include "menubar/JXMenu.h"
#include "menubar/MenuBarItemCoordinator.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/sim/SimHotKeys.h"
#include "platform/sim/SimMainQueue.h"
#include "platform/sim/SimStatusBar.h"

#include <gtest/gtest.h>

using namespace shortcuts;
using Kind = platform::HotKeys::EventKind;

using namespace Qt::StringLiterals;

namespace {

constexpr Shortcut ctrlK{0x28, 0x1000};

struct Registry : testing::Test {
    platform::sim::SimHotKeys hotKeys;
    MenuOpenFlag menuOpen;
    HotKeyRegistry registry{hotKeys, menuOpen};
    QStringList calls;
    std::optional<std::uint32_t> add(const Shortcut& shortcut, const QString& tag) {
        return registry.registerShortcut(
            shortcut, [this, tag](const Shortcut&) { calls << tag + QStringLiteral(" down"); },
            [this, tag](const Shortcut&) { calls << tag + QStringLiteral(" up"); });
    }
};

TEST_F(Registry, IdentifiersCountFromOneUnderOneHandlerForPressAndRelease) {
    EXPECT_FALSE(hotKeys.hasHandler());
    EXPECT_EQ(add(ctrlK, u"a"_s), 1u);
    EXPECT_EQ(add({0x00, 0x1000}, u"b"_s), 2u);
    EXPECT_EQ(hotKeys.handlerInstallCount(), 1);
    EXPECT_EQ(hotKeys.registrations().begin()->second.id, (platform::HotKeys::Id{0x4A584B53, 1}));
    EXPECT_EQ(hotKeys.eventKinds(), (std::set{Kind::HotKeyPressed, Kind::HotKeyReleased}));
}

TEST_F(Registry, ARefusedCombinationLeavesNothingBehind) {
    hotKeys.takeBySystem(0x28, 0x1000);
    EXPECT_EQ(add(ctrlK, u"a"_s), std::nullopt);
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_FALSE(hotKeys.hasHandler());
    EXPECT_EQ(add({0x00, 0}, u"b"_s), 2u);
}

TEST_F(Registry, EnabledAndMenuOpenReevaluateOncePerRealChange) {
    add(ctrlK, u"a"_s);
    const auto changesAfter = [&](auto step) {
        const auto before = hotKeys.kindChanges().size();
        step();
        return hotKeys.kindChanges().size() - before;
    };
    EXPECT_EQ(changesAfter([&] { registry.setEnabled(true); }), 0u);
    EXPECT_EQ(changesAfter([&] { registry.setEnabled(false); }), 4u);
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_FALSE(hotKeys.press(0x28, 0x1000));
    EXPECT_EQ(changesAfter([&] { registry.setEnabled(false); }), 0u);
    // A registration while suspended holds no grab until the grabs come back.
    EXPECT_TRUE(add({0x00, 0x1000}, u"b"_s).has_value());
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_EQ(changesAfter([&] { registry.setEnabled(true); }), 4u);
    EXPECT_EQ(hotKeys.registrations().size(), 2u);

    EXPECT_EQ(changesAfter([&] { menuOpen.set(true); }), 4u);
    EXPECT_EQ(changesAfter([&] { menuOpen.set(true); }), 0u);
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_EQ(hotKeys.eventKinds(), (std::set{Kind::RawKeyDown, Kind::RawKeyUp}));
    // While a menu is open, raw keys reach the closures; lock and other bits
    // in the modifiers are ignored.
    EXPECT_TRUE(hotKeys.press(0x28, 0x1000 | 0x400));
    EXPECT_FALSE(hotKeys.press(0x28, 0x200));
    menuOpen.set(false);
    EXPECT_EQ(hotKeys.registrations().size(), 2u);
    EXPECT_EQ(calls, (QStringList{u"a down"_s}));
}

// The flag follows a status item's menu at once (not a turn later), tells
// only real changes, and a menu that outlives the registry tells no one.
TEST(MenuNotice, StatusItemMenusTellTheShortcutFlagWhenTheyOpenAndClose) {
    platform::sim::SimMainQueue queue;
    platform::sim::SimStatusBar bar;
    MenuOpenFlag flag;
    std::vector<bool> told;
    flag.changed.connect([&](bool open) { told.push_back(open); });
    auto registry = std::make_unique<menubar::StatusItemRegistry>();
    registry->onMenuOpenClose([&](bool open) { flag.set(open); });
    MenuBarItem description;
    description.buildMenu = [](JXMenu& menu) {
        menu.addCallbackItem(QStringLiteral("Entry"), [] {});
    };
    auto coordinator =
        std::make_unique<MenuBarItem::Coordinator>(description, bar, *registry, queue);

    auto& item = *bar.items().back();
    item.openMenu();
    item.closeMenu();
    const std::shared_ptr<platform::Menu> menu = item.menu();
    auto& jxMenu = dynamic_cast<JXMenu&>(*menu);
    jxMenu.menuDidClose();
    EXPECT_EQ(told, (std::vector<bool>{true, false}));

    coordinator.reset();
    registry.reset();
    jxMenu.menuWillOpen();
    EXPECT_FALSE(flag.isOpen());
}

} // namespace
