// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/KeyboardShortcuts.h"
#include "menubar/JXMenu.h"
#include "menubar/MenuBarItemCoordinator.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/KeyCodes.h"
#include "platform/sim/SimHotKeys.h"
#include "platform/sim/SimMainQueue.h"
#include "platform/sim/SimStatusBar.h"
#include "shortcuts/HotKeyRegistry.h"
#include "shortcuts/MenuItemShortcuts.h"
#include "shortcuts/RecorderCheck.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace shortcuts;
using Kind = platform::HotKeys::EventKind;

using namespace Qt::StringLiterals;

namespace {

constexpr Shortcut ctrlShiftK{0x28, 0x1200};
constexpr Shortcut optionF1{0x7A, 0x800};

struct ShortcutStorage : testing::Test {
    std::shared_ptr<UserDefaults> defaults = UserDefaults::open(
        u"shortcuts"_s, testing_support::freshFolder(u"shortcuts"_s) + u"/s.plist"_s);
    platform::sim::SimHotKeys hotKeys;
    MenuOpenFlag menuOpen;
    KeyboardShortcuts shortcuts{hotKeys, defaults, menuOpen};
    QVariant stored(const char* name) {
        return defaults->object(u"KeyboardShortcuts_"_s + QLatin1String(name));
    }
};

TEST_F(ShortcutStorage, StoredFormMovesThroughDefaultCustomAndRemovedAndForeignTextReadsAsNone) {
    const Name withDefault{u"toggle"_s, ctrlShiftK};
    shortcuts.declare(withDefault);
    EXPECT_EQ(stored("toggle"), QVariant(uR"({"carbonKeyCode":40,"carbonModifiers":4608})"_s));
    shortcuts.setShortcut(withDefault, optionF1);
    shortcuts.setShortcut(withDefault, std::nullopt);
    EXPECT_EQ(stored("toggle"), QVariant(false));
    EXPECT_EQ(shortcuts.shortcut(withDefault), std::nullopt);
    // A removed default stays removed at the next start.
    KeyboardShortcuts nextStart{hotKeys, defaults, menuOpen};
    nextStart.declare(withDefault);
    EXPECT_EQ(stored("toggle"), QVariant(false));

    const Name withoutDefault{u"plain"_s, std::nullopt};
    shortcuts.setShortcut(withoutDefault, ctrlShiftK);
    shortcuts.setShortcut(withoutDefault, std::nullopt);
    EXPECT_FALSE(stored("plain").isValid());

    // Foreign stored text reads as no shortcut.
    const Name name{u"n"_s, std::nullopt};
    for (const QVariant& value :
         {QVariant(u"{\"carbonKeyCode\":1}"_s), QVariant(u"nonsense"_s), QVariant(7)}) {
        defaults->set(value, KeyboardShortcuts::key(name));
        EXPECT_EQ(shortcuts.shortcut(name), std::nullopt) << value.toString().toStdString();
    }
    defaults->set(uR"({"carbonModifiers":256,"carbonKeyCode":0,"x":1})"_s,
                  KeyboardShortcuts::key(name));
    EXPECT_EQ(shortcuts.shortcut(name), (Shortcut{0, 256}));
}

TEST_F(ShortcutStorage, SettingPostsTheNotificationAndMovesTheRegistration) {
    const Name name{u"n"_s, std::nullopt};
    QStringList posted;
    shortcuts.notifications.connect([&](const QString& notification, const QVariantMap& info) {
        posted << notification + u' ' + info.value(u"name"_s).toString();
    });
    int downs = 0, ups = 0;
    shortcuts.setShortcut(name, ctrlShiftK);
    shortcuts.onKeyDown(name, [&] { ++downs; });
    shortcuts.onKeyUp(name, [&] { ++ups; });
    ASSERT_EQ(hotKeys.registrations().size(), 1u);

    shortcuts.setShortcut(name, optionF1);
    EXPECT_FALSE(hotKeys.press(0x28, 0x1200));
    EXPECT_TRUE(hotKeys.press(0x7A, 0x800));
    EXPECT_TRUE(hotKeys.press(0x7A, 0x800, false));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    shortcuts.setShortcut(name, std::nullopt);
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_EQ(posted, QStringList(3, u"KeyboardShortcuts_shortcutByNameDidChange n"_s));
}

// Command, Shift, Option and Control map to their event flags; caps lock and
// the other bits go.
TEST(ShortcutConversion, ClassicMaskAndEventFlagsMapBitForBitAndEveryKeyRoundTrips) {
    EXPECT_EQ(Shortcut::eventFlags(0x1B00 | 0x400 | 0x1), 0x1E0000u);
    EXPECT_EQ(Shortcut::normalized(0x1B00 | 0x400 | 0x1), 0x1B00);
    EXPECT_EQ((Shortcut{0x28, 0x1200}).displayText(), u"Ctrl+Shift+K"_s);

    for (const platform::KeyCode& key : platform::keyCodes) {
        EXPECT_EQ(platform::keyForKeysym(key.keysym)->classic, key.classic) << key.label;
        EXPECT_EQ(platform::keyForQtKey(key.qtKey, key.keypad)->classic, key.classic) << key.label;
        EXPECT_EQ(platform::keyForClassicCode(key.classic)->keysym, key.keysym) << key.label;
    }
    EXPECT_EQ(platform::keyForKeysym('K')->classic, 0x28u);
    EXPECT_EQ(platform::keyForClassicCode(0x0A), std::nullopt);
}

TEST(RecorderCheck, MenuItemsComeBeforeSystemShortcuts) {
    const auto taken = [](const Shortcut& shortcut) { return shortcut == ctrlShiftK; };
    EXPECT_EQ(refusalFor(ctrlShiftK, {{u"Quit"_s, ctrlShiftK}}, taken,
                         ShortcutSettingsPlace::MacSystemSettings),
              (Refusal{QStringLiteral("This keyboard shortcut cannot be used as it's already used "
                                      "by the “Quit” menu item."),
                       {}}));
    EXPECT_EQ(refusalFor(ctrlShiftK, {}, taken, ShortcutSettingsPlace::MacSystemSettings),
              (Refusal{QStringLiteral("This keyboard shortcut cannot be used as it's already a "
                                      "system-wide keyboard shortcut."),
                       QStringLiteral("Most system-wide keyboard shortcuts can be changed in "
                                      "“System Settings › Keyboard › Keyboard Shortcuts“.")}));
    EXPECT_EQ(refusalFor(ctrlShiftK, {}, taken, ShortcutSettingsPlace::DesktopKeyboardSettings)
                  ->informativeText,
              QStringLiteral("Most system-wide keyboard shortcuts can be changed in the keyboard "
                             "shortcut settings of your desktop."));
    EXPECT_EQ(refusalFor(optionF1, {}, taken, ShortcutSettingsPlace::MacSystemSettings),
              std::nullopt);
}

// The menus' Command key is the desktop's: Control on Linux, Command on the
// simulated desktop. Nested menus count too.
TEST(MenuItemShortcuts, KeyEquivalentsOfMenusAndSubmenusReadAsShortcuts) {
    JXMenu menu;
    menu.addCallbackItem(u"New"_s, [] {});
    menu.addCallbackItem(u"Quit Gapsel"_s, {.key = u"q"_s}, [] {});
    menu.addSubmenuItem(u"More"_s, true, [] {
        auto more = std::make_shared<JXMenu>();
        more->addCallbackItem(
            u"Help"_s,
            {.key = u"F1"_s,
             .keyModifiers = platform::ModifierFlags(platform::ModifierKey::Option)},
            [] {});
        return more;
    });
    EXPECT_EQ(
        menuItemShortcuts(menu, platform::ClassicModifier::control),
        (QList<MenuItemShortcut>{{u"Quit Gapsel"_s, {0x0C, platform::ClassicModifier::control}},
                                 {u"Help"_s, optionF1}}));
    EXPECT_EQ(menuItemShortcuts(menu, platform::ClassicModifier::command).first().shortcut,
              (Shortcut{0x0C, platform::ClassicModifier::command}));
}

// A bound item follows its name's shortcut; items of closed menus are let go.
TEST_F(ShortcutStorage, ABoundMenuItemShowsTheNamesShortcutAfterEveryChange) {
    const Name name{u"toggle"_s, ctrlShiftK};
    shortcuts.declare(name);
    auto item = std::make_shared<platform::MenuItem>(u"Toggle"_s);
    shortcuts.bindMenuItem(item, name);
    const auto keyOf = [&] { return std::pair{item->keyEquivalent(), item->keyModifiers()}; };
    using platform::ModifierKey;
    EXPECT_EQ(keyOf(), std::pair(u"k"_s, ModifierKey::Control | ModifierKey::Shift));
    shortcuts.setShortcut(name, Shortcut{0x7A, platform::ClassicModifier::command});
    EXPECT_EQ(keyOf(), std::pair(u"f1"_s, platform::ModifierFlags(ModifierKey::Command)));
    shortcuts.setShortcut(name, std::nullopt);
    EXPECT_EQ(keyOf(), std::pair(QString(), platform::ModifierFlags()));

    item.reset();
    shortcuts.setShortcut(name, ctrlShiftK);
    auto next = std::make_shared<platform::MenuItem>(u"Toggle"_s);
    shortcuts.bindMenuItem(next, name);
    EXPECT_EQ(next->keyEquivalent(), u"k"_s);
}

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

// A combination the system refuses leaves nothing behind but its number.
TEST_F(Registry, IdentifiersCountFromOneUnderOneHandlerAndARefusedCombinationLeavesNothing) {
    hotKeys.takeBySystem(0x28, 0x1000);
    EXPECT_EQ(add(ctrlK, u"a"_s), std::nullopt);
    EXPECT_TRUE(hotKeys.registrations().empty());
    EXPECT_FALSE(hotKeys.hasHandler());
    EXPECT_EQ(add({0x00, 0x1000}, u"b"_s), 2u);
    EXPECT_EQ(add({0x01, 0x1000}, u"c"_s), 3u);
    EXPECT_EQ(hotKeys.handlerInstallCount(), 1);
    EXPECT_EQ(hotKeys.registrations().begin()->second.id, (platform::HotKeys::Id{0x4A584B53, 2}));
    EXPECT_EQ(hotKeys.eventKinds(), (std::set{Kind::HotKeyPressed, Kind::HotKeyReleased}));
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
