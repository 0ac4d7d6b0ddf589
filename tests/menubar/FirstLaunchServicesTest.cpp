// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "MenuTestSupport.h"
#include "keys/GapselKeys.h"

#include "debug/InMemoryLog.h"
#include "menubar/JXMenu.h"
#include "menubar/VisibilityMessages.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using menubar::VisibilityCheck;
using menubar::VisibilityCheckOptions;
using menubar::VisibilityMessages;
using menubar_testing::KitFixture;
using platform::AlertAnswer;
using platform::sim::SimItemVisibility;
using Window = SimItemVisibility::Window;

namespace {

const VisibilityCheckOptions separatorOptions{std::nullopt, false, true};

// The greeting and the visibility check on an item with a menu, once launched.
class FirstLaunchServicesTest : public ::testing::Test, public KitFixture {
protected:
    explicit FirstLaunchServicesTest(bool atLogin = false) {
        sim.loginItems.launchedAtLogin = atLogin;
        sim.application.finishLaunching();
        testing_support::log().clear();
        item->setMenu(std::make_shared<JXMenu>());
    }

    // The menu bar left the item out: its window is covered, right of 0.
    void hideItem() { sim.itemVisibility.setState(*item, {true, Window{false, 10, false}}); }
    void check(const VisibilityCheckOptions& options = separatorOptions, double wait = 3) {
        services.ensureVisibility(item, options);
        sim.queue.advance(wait);
    }
    bool flag() { return Defaults::get(keys::visibilityCheckShouldNotShowAgain(suite)); }
    qsizetype reports() {
        const QStringList lines = testing_support::log().lines();
        return lines.filter(u"NSStatusItem#ensureVisibility was shown 2"_s).size();
    }

    std::shared_ptr<platform::sim::SimStatusItem> item =
        std::static_pointer_cast<platform::sim::SimStatusItem>(sim.statusBar.statusItem(-1));
    menubar::StatusItemFirstLaunch services{*kit, sim.platform(), suite};
    int completions = 0;
};

TEST_F(FirstLaunchServicesTest, WarnsOnlyForAnItemTheMenuBarLeftOut) {
    const struct {
        const char* name;
        SimItemVisibility::ItemState state;
        bool darkWake;
        bool warns;
    } cases[] = {
        {"visible", {true, Window{}}, false, false},
        {"removed by the user", {false, Window{false, 10, false}}, false, false},
        {"no window", {true, std::nullopt}, false, false},
        {"covered left of the origin", {true, Window{false, -1, false}}, false, false},
        {"covered at the origin", {true, Window{false, 0, false}}, false, true},
        {"covered, in a dark wake", {true, Window{false, 10, false}}, true, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const auto before = sim.alerts.shownAlerts().size();
        sim.itemVisibility.setState(*item, test.state);
        sim.itemVisibility.setDarkWake(test.darkWake);
        check();
        EXPECT_EQ(sim.alerts.shownAlerts().size() - before, test.warns ? 1 : 0);
    }
}

TEST_F(FirstLaunchServicesTest, WaitsThreeSecondsThenWarnsUntilTheCheckboxIsTicked) {
    hideItem();
    check(separatorOptions, 2.999);
    EXPECT_TRUE(sim.alerts.shownAlerts().isEmpty());
    sim.queue.advance(0.001);
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    const platform::Alert& alert = sim.alerts.shownAlerts()[0];
    EXPECT_EQ(alert.message, u"Menu Bar Item Did Not Appear"_s);
    EXPECT_EQ(alert.informativeText,
              u"macOS hides menu bar items when they do not fit. Try quitting some other menu bar "
              u"apps. Also try quitting Bartender if it's running.\n\nThis check can have "
              u"false-positives, so if you can see the menu bar item, enable “Do not show this "
              u"again”, and click “OK”."_s);
    EXPECT_EQ(std::tuple(alert.style, alert.buttons, alert.showsSuppressionButton,
                         alert.suppressionButtonTitle, alert.minimumWidth),
              std::tuple(platform::AlertStyle::Warning, QStringList{u"OK"_s}, true,
                         u"Do not show this again"_s, std::optional<int>()));
    EXPECT_FALSE(flag()) << "the checkbox was left off";
    EXPECT_EQ(reports(), 0) << "reported only for a launch at login";
    // The ticked checkbox stops every later check.
    sim.alerts.answerNext(AlertAnswer{AlertAnswer::firstButtonResponse, true});
    check();
    check(separatorOptions, 20);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 2);
}

// Its second button opens the settings window.
TEST_F(FirstLaunchServicesTest, AMenuBarThatHidesItselfIsToldOnceWithoutCheckbox) {
    int settingsOpened = 0;
    sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    hideItem();
    sim.itemVisibility.setMenuBarHidesAutomatically(true);
    sim.alerts.answerNext(AlertAnswer{AlertAnswer::firstButtonResponse + 1, false});
    check({u"Extra."_s, true, true});
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    const platform::Alert& alert = sim.alerts.shownAlerts()[0];
    EXPECT_FALSE(alert.showsSuppressionButton);
    EXPECT_EQ(alert.buttons, (QStringList{u"OK"_s, u"Open Settings"_s}));
    EXPECT_EQ(alert.minimumWidth, 260);
    EXPECT_EQ(alert.message, u"Menu Bar Item Did Not Appear"_s);
    EXPECT_EQ(alert.informativeText,
              u"macOS hides menu bar items when they do not fit. Try quitting some other menu bar "
              u"apps.\n\nDisregard this message if you have the menu bar set to auto hide. It "
              u"will not be shown again.\n\nExtra."_s);
    EXPECT_TRUE(flag()) << "set whatever the answer";
    sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
    check();
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 1);
}

// With no tray at all, a panel's hiding explains nothing: the alert says so
// and comes again at the next launch.
TEST_F(FirstLaunchServicesTest, WithNoTrayTheHidingPanelIsNotBlamed) {
    sim.itemVisibility.setMenuBarHidesAutomatically(true);
    for (const auto cause : {platform::HiddenCause::NoTray, platform::HiddenCause::NoTrayHost}) {
        sim.itemVisibility.setTrayVerdict(*item, {cause, platform::TrayHostKind::Xfce});
        check();
        const platform::Alert& alert = sim.alerts.shownAlerts().last();
        EXPECT_EQ(alert.message, u"Separator Did Not Appear in the Tray"_s);
        EXPECT_FALSE(alert.informativeText.contains(u"hide automatically"_s));
        EXPECT_TRUE(alert.showsSuppressionButton);
        EXPECT_FALSE(flag());
    }
}

class FirstLaunchServicesAtLoginTest : public FirstLaunchServicesTest {
protected:
    FirstLaunchServicesAtLoginTest()
        : FirstLaunchServicesTest(true) {}
};

TEST_F(FirstLaunchServicesAtLoginTest, WaitsTenSecondsAndReportsOncePerInstallation) {
    sim.itemVisibility.runningApplications = {u"com.surteesstudios.Bartender-setapp"_s};
    hideItem();
    check(separatorOptions, 9.999);
    EXPECT_TRUE(sim.alerts.shownAlerts().isEmpty());
    sim.queue.advance(0.001);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 1);
    ASSERT_EQ(reports(), 1);
    const QString record = testing_support::log().lines().last();
    qsizetype previous = -1;
    for (const char* entry :
         {"hasMainScreen: true", "isDarkWake: false", "uptime: 1h 0m 0s",
          "uptimeIncludingSleep: 2h 0m 0s", "appUptime: ", "wasLaunchedAtLogin: true",
          "isBartenderRunning: true", "isHiddenBarRunning: false", "isBarbeeRunning: false",
          "NSStatusBar.isAutomaticallyToggled: false", "fileLine: Gapsel/JXKit:70785"}) {
        const qsizetype at = record.indexOf(QLatin1String(entry));
        EXPECT_GT(at, previous) << entry << " in " << record.toStdString();
        previous = at;
    }

    check(separatorOptions, 10);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 2);
    EXPECT_EQ(reports(), 1);
}

TEST_F(FirstLaunchServicesTest, SaysHelloAfterATenthOfASecondAndBouncesUnlessMotionIsReduced) {
    for (const bool reduced : {true, false}) {
        SCOPED_TRACE(reduced);
        sim.motion.setReducesMotion(reduced);
        services.showWelcomePopover(item, [] {});
        sim.queue.advance(0.099);
        EXPECT_FALSE(sim.popover.isShown());
        sim.queue.advance(0.001);
        ASSERT_TRUE(sim.popover.isShown());
        EXPECT_EQ(sim.popover.anchor(), item.get());
        EXPECT_EQ(sim.popover.content().animates, !reduced);
        EXPECT_EQ(sim.popover.shakes().size(), reduced ? 0 : 1);
        sim.queue.advance(5);
    }
}

// Each way to end it completes exactly once, on a later turn, and leaves no
// recognizer on the button; a click closes the greeting at once, and the
// timer still running later changes nothing.
TEST_F(FirstLaunchServicesTest, EachEndingCompletesOnceAndCleansUpAndAGoneItemAtOnce) {
    const struct {
        const char* name;
        std::function<void()> end;
        bool menuOpens;
        bool closesAtOnce;
    } cases[] = {
        {"click on the greeting", [this] { sim.popover.click(); }, false, true},
        {"click on the item", [this] { item->simButton().click(); }, true, true},
        {"five seconds pass", [this] { sim.queue.advance(4.9); }, false, false},
        {"five seconds pass with the item's menu open",
         [this] {
             item->openMenu();
             sim.queue.advance(4.9);
         },
         true, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        completions = 0;
        item->closeMenu();
        services.showWelcomePopover(item, [this] { ++completions; });
        sim.queue.advance(menubar::WelcomePopover::showDelay);
        test.end();
        EXPECT_EQ(completions, 0) << "completes on a later turn";
        EXPECT_EQ(sim.popover.isShown(), !test.closesAtOnce);
        sim.queue.advance(5);
        EXPECT_EQ(completions, 1);
        EXPECT_FALSE(sim.popover.isShown());
        EXPECT_FALSE(item->simButton().hasClickRecognizer());
        EXPECT_EQ(item->isMenuOpen(), test.menuOpens);
    }
    EXPECT_EQ(suite->object(u"JX_Tooltip_statusBarButtonWelcomePopover"_s).toLongLong(), 4);

    // An item gone before the greeting completes it at once.
    const int shown = sim.popover.showCount();
    completions = 0;
    services.showWelcomePopover(item, [this] { ++completions; });
    item.reset();
    sim.queue.advance(0.1);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(sim.popover.showCount(), shown);
}

// On a Linux tray the text names the cause found and keeps the structure:
// a paragraph, a blank line, the advice about the warning itself.
TEST(VisibilityMessagesTest, TrayHostsGetTheCauseFound) {
    using platform::HiddenCause;
    using platform::TrayHostKind;
    const struct {
        platform::HiddenVerdict verdict;
        const char* names;
    } cases[] = {
        {{HiddenCause::NoTray, TrayHostKind::Gnome}, "gnome-shell-extension-appindicator"},
        {{HiddenCause::NoTray, TrayHostKind::Unknown}, "Add a system tray"},
        {{HiddenCause::NoTrayHost, TrayHostKind::Xfce}, "Status Tray"},
        {{HiddenCause::HiddenByHostSetting, TrayHostKind::Plasma}, "System Tray Settings"},
        {{HiddenCause::NotTaken, TrayHostKind::Lxqt}, "did not take"},
    };
    for (const auto& test : cases) {
        const VisibilityMessages texts = VisibilityMessages::forVerdict(test.verdict);
        for (const QString& text : {texts.otherwise, texts.whenHidingAutomatically}) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_TRUE(text.contains(QLatin1String(test.names)));
            EXPECT_FALSE(text.contains(u"macOS"_s));
            EXPECT_EQ(text.count(u"\n\n"_s), 1);
        }
        EXPECT_TRUE(texts.otherwise.contains(u"\u201CDo not show this again\u201D"_s));
    }
}

} // namespace
