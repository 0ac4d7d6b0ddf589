// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "MenuTestSupport.h"

#include "debug/InMemoryLog.h"
#include "menubar/VisibilityCheck.h"
#include "menubar/VisibilityMessages.h"

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

class VisibilityCheckTest : public ::testing::Test, public KitFixture {
protected:
    explicit VisibilityCheckTest(bool atLogin = false) {
        sim.loginItems.launchedAtLogin = atLogin;
        sim.application.finishLaunching();
        debug::InMemoryLog::shared().clear();
    }

    // The menu bar left the item out: its window is covered, right of 0.
    void hideItem() { sim.itemVisibility.setState(*item, {true, Window{false, 10, false}}); }
    void check(const VisibilityCheckOptions& options = separatorOptions, double wait = 3) {
        checker.ensureVisibility(item, options);
        sim.queue.advance(wait);
    }
    bool flag() { return Defaults::get(VisibilityCheck::shouldNotShowAgain(suite)); }
    qsizetype reports() {
        const QStringList lines = debug::InMemoryLog::shared().lines();
        return lines.filter(u"NSStatusItem#ensureVisibility was shown 2"_s).size();
    }

    std::shared_ptr<platform::StatusItem> item = sim.statusBar.statusItem(-1);
    VisibilityCheck checker{*kit, sim.platform(), suite};
};

TEST_F(VisibilityCheckTest, WarnsOnlyForAnItemTheMenuBarLeftOut) {
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

TEST_F(VisibilityCheckTest, WaitsThreeSecondsThenWarnsUntilTheCheckboxIsTicked) {
    hideItem();
    check(separatorOptions, 2.999);
    EXPECT_TRUE(sim.alerts.shownAlerts().isEmpty());
    sim.queue.advance(0.001);
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    const platform::Alert& alert = sim.alerts.shownAlerts()[0];
    const VisibilityMessages texts = VisibilityMessages::forVerdict(
        {platform::HiddenCause::NoRoom, platform::TrayHostKind::DraggableMenuBar});
    EXPECT_EQ(alert.informativeText, texts.otherwise);
    EXPECT_EQ(alert.buttons, QStringList{u"OK"_s});
    EXPECT_TRUE(alert.showsSuppressionButton);
    EXPECT_EQ(alert.minimumWidth, std::nullopt);
    EXPECT_FALSE(flag()) << "the checkbox was left off";
    EXPECT_EQ(reports(), 0) << "reported only for a launch at login";
    // The ticked checkbox stops every later check.
    sim.alerts.answerNext(AlertAnswer{AlertAnswer::firstButtonResponse, true});
    check();
    check(separatorOptions, 20);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 2);
}

TEST_F(VisibilityCheckTest, AMenuBarThatHidesItselfIsToldOnceWithoutCheckbox) {
    hideItem();
    sim.itemVisibility.setMenuBarHidesAutomatically(true);
    check({u"Extra."_s, true, true});
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    const platform::Alert& alert = sim.alerts.shownAlerts()[0];
    EXPECT_FALSE(alert.showsSuppressionButton);
    EXPECT_EQ(alert.minimumWidth, 260);
    EXPECT_TRUE(alert.informativeText.startsWith(u"macOS hides"_s));
    EXPECT_TRUE(alert.informativeText.endsWith(u"shown again.\n\nExtra."_s));
    EXPECT_TRUE(flag()) << "set whatever the answer";
}

TEST_F(VisibilityCheckTest, OpenSettingsIsOfferedOnlyWhenAskedFor) {
    int settingsOpened = 0;
    sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    hideItem();
    sim.alerts.answerNext(AlertAnswer{AlertAnswer::firstButtonResponse + 1, false});
    check({std::nullopt, true, false});
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(sim.alerts.shownAlerts()[0].buttons, (QStringList{u"OK"_s, u"Open Settings"_s}));
    EXPECT_FALSE(sim.alerts.shownAlerts()[0].showsSuppressionButton);
    sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
}

class VisibilityCheckAtLoginTest : public VisibilityCheckTest {
protected:
    VisibilityCheckAtLoginTest()
        : VisibilityCheckTest(true) {}
};

TEST_F(VisibilityCheckAtLoginTest, WaitsTenSecondsAndReportsOncePerInstallation) {
    hideItem();
    check(separatorOptions, 9.999);
    EXPECT_TRUE(sim.alerts.shownAlerts().isEmpty());
    sim.queue.advance(0.001);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 1);
    ASSERT_EQ(reports(), 1);
    const QString record = debug::InMemoryLog::shared().lines().last();
    qsizetype previous = -1;
    for (const char* entry :
         {"hasMainScreen: true", "isDarkWake: false", "uptime: 1h 0m 0s",
          "uptimeIncludingSleep: 2h 0m 0s", "appUptime: ", "wasLaunchedAtLogin: true",
          "trayHosts: ", "hasTrayWatcher: true", "hiddenCause: 5",
          "NSStatusBar.isAutomaticallyToggled: false", "fileLine: Gapsel/JXKit:70785"}) {
        const qsizetype at = record.indexOf(QLatin1String(entry));
        EXPECT_GT(at, previous) << entry << " in " << record.toStdString();
        previous = at;
    }

    check(separatorOptions, 10);
    EXPECT_EQ(sim.alerts.shownAlerts().size(), 2);
    EXPECT_EQ(reports(), 1);
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
