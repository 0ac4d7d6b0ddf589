// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/SettingsScreen.h"
#include "defaults/Defaults.h"
#include "defaults/ui/Toggle.h"
#include "kit/ui/SingleWindow.h"
#include "platform/sim/SimAlerts.h"
#include "platform/sim/SimLoginItems.h"
#include "platform/sim/SimMainQueue.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using platform::LoginItemStatus;

namespace {

struct Settings : ::testing::Test {
    platform::sim::SimMainQueue queue;
    platform::sim::SimLoginItems loginItems;
    platform::sim::SimAlerts alerts;
    JXApp::LaunchAtLoginObservable launchAtLogin{loginItems, alerts, queue};
    std::shared_ptr<UserDefaults> suite =
        UserDefaults::open(u"s"_s, testing_support::freshFolder(u"settings"_s) + u"/s.plist"_s);
    Defaults::Key<bool> reducedOpacity{u"reducedOpacity"_s, false, suite};
    kit::SingleWindow window{
        [this] { return new app::SettingsScreen(launchAtLogin, reducedOpacity, queue); }};

    QList<QCheckBox*> switches() { return window.open()->findChildren<QCheckBox*>(); }
};

} // namespace

// Off is stored too, not removed.
TEST_F(Settings, TwoSwitchesOffAtFirstAndReducedOpacityStoresEitherValue) {
    const auto boxes = switches();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->text(), u"Launch at login"_s);
    EXPECT_EQ(boxes[1]->text(), u"Reduced opacity"_s);
    EXPECT_FALSE(boxes[0]->isChecked());
    EXPECT_FALSE(boxes[1]->isChecked());
    boxes[1]->click();
    queue.runUntilIdle();
    EXPECT_EQ(suite->persistentDomain().value(u"reducedOpacity"_s), QVariant(true));
    boxes[1]->click();
    EXPECT_EQ(suite->persistentDomain().value(u"reducedOpacity"_s), QVariant(false));
}

TEST_F(Settings, OpeningAgainBringsBackTheSameWindowAndEscapeOrControlWCloseIt) {
    QWidget* first = window.open();
    EXPECT_EQ(window.open(), first);
    first->close(); // closing destroys it; the next opening makes a new one
    queue.runUntilIdle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(window.open(), nullptr);

    // Escape and Control+W close it.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_W, Qt::ControlModifier}}) {
        QWidget* screen = window.open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        QTest::keyClick(screen, key, modifiers);
        EXPECT_FALSE(screen->isVisible()) << key;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Settings, TheLaunchAtLoginSwitchLooksAgainWhenShownAndStaysOffWhenTurningOnFails) {
    loginItems.currentStatus = LoginItemStatus::Enabled;
    EXPECT_TRUE(switches()[0]->isChecked());
    window.window()->hide();
    loginItems.currentStatus = LoginItemStatus::NotRegistered; // changed outside the application
    EXPECT_FALSE(switches()[0]->isChecked());

    // Turning it on fails: one alert, and it stays off.
    loginItems.registerFailure = platform::Error::failure(u"Read-only file system"_s);
    QCheckBox* atLogin = switches()[0];
    atLogin->click();
    queue.runUntilIdle();
    EXPECT_FALSE(atLogin->isChecked());
    EXPECT_EQ(alerts.presentedErrors().size(), 1);
}

TEST_F(Settings, ToggleRunsItsChangeActionOncePerNewValueWhoeverChangesIt) {
    const Defaults::Key<bool> key(u"flag"_s, false, suite);
    Defaults::Toggle toggle(u"Flag"_s, key, queue);
    std::vector<bool> changes;
    toggle.onChange([&](bool value) { changes.push_back(value); });
    queue.runUntilIdle();
    EXPECT_TRUE(changes.empty()) << "showing the initial value is no change";
    toggle.click();
    queue.runUntilIdle();
    Defaults::set(key, false);
    queue.runUntilIdle();
    Defaults::set(key, false);
    queue.runUntilIdle();
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
    EXPECT_FALSE(toggle.isChecked());
}
