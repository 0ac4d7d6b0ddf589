// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/LaunchAtLogin.h"
#include "debug/InMemoryLog.h"
#include "platform/sim/SimAlerts.h"
#include "platform/sim/SimLoginItems.h"
#include "platform/sim/SimMainQueue.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using platform::LoginItemStatus;

namespace {
struct LaunchAtLogin : ::testing::Test {
    platform::sim::SimLoginItems loginItems;
    platform::sim::SimAlerts alerts;
    platform::sim::SimMainQueue queue;
    JXApp::LaunchAtLoginObservable launchAtLogin{loginItems, alerts, queue};

    qsizetype logLinesContaining(const QString& text) {
        return testing_support::log().lines().filter(text).size();
    }
};
} // namespace

// An item switched off elsewhere (waiting for approval) is logged on every
// read, in the desktop's words, and never shown.
TEST_F(LaunchAtLogin, IsOnOnlyWhenTheServiceReportsItEnabled) {
    const QString original = u"SMAppService#status == .requiresApproval"_s;
    EXPECT_EQ(loginItems.switchedOff, original);
    const std::tuple<LoginItemStatus, bool, QString> cases[] = {
        {LoginItemStatus::NotFound, false, original},
        {LoginItemStatus::Enabled, true, original},
        {LoginItemStatus::RequiresApproval, false, original},
        {LoginItemStatus::RequiresApproval, false, u"autostart entry switched off"_s}};
    for (const auto& [status, expected, approval] : cases) {
        SCOPED_TRACE(static_cast<int>(status));
        loginItems.switchedOff = approval;
        loginItems.currentStatus = status;
        const qsizetype before = logLinesContaining(approval);
        EXPECT_EQ(launchAtLogin.isEnabled(), expected);
        EXPECT_EQ(launchAtLogin.isEnabled(), expected);
        EXPECT_EQ(logLinesContaining(approval) - before,
                  status == LoginItemStatus::RequiresApproval ? 2 : 0);
    }
    queue.runUntilIdle();
    EXPECT_TRUE(alerts.presentedErrors().isEmpty());
}

TEST_F(LaunchAtLogin, SwitchingSignalsFirstThenRegistersOrUnregistersAndOnAgainRegistersAgain) {
    std::vector<LoginItemStatus> statusAtSignal;
    launchAtLogin.objectWillChange.connect(
        [&] { statusAtSignal.push_back(loginItems.currentStatus); });
    launchAtLogin.setEnabled(true);
    launchAtLogin.setEnabled(false);
    EXPECT_FALSE(launchAtLogin.isEnabled());
    EXPECT_EQ(statusAtSignal,
              (std::vector{LoginItemStatus::NotRegistered, LoginItemStatus::Enabled}));

    // Turning on while on registers again, and a failed unregister is no error.
    loginItems.currentStatus = LoginItemStatus::Enabled;
    loginItems.unregisterFailure = platform::Error::failure(u"busy"_s);
    const int unregistered = loginItems.unregisterCalls;
    const int registered = loginItems.registerCalls;
    launchAtLogin.setEnabled(true);
    EXPECT_EQ(loginItems.unregisterCalls, unregistered + 1);
    EXPECT_EQ(loginItems.registerCalls, registered + 1);
    EXPECT_TRUE(launchAtLogin.isEnabled());
    queue.runUntilIdle();
    EXPECT_TRUE(alerts.presentedErrors().isEmpty());
}

TEST_F(LaunchAtLogin, AFailedRegisterIsLoggedShownOnceAndReadsOff) {
    loginItems.registerFailure = platform::Error::failure(u"Permission denied"_s);
    launchAtLogin.setEnabled(true);
    EXPECT_TRUE(alerts.presentedErrors().isEmpty()) << "the alert waits for the main queue";
    queue.runUntilIdle();
    ASSERT_EQ(alerts.presentedErrors().size(), 1);
    EXPECT_EQ(alerts.presentedErrors().first().description, u"Permission denied"_s);
    EXPECT_FALSE(launchAtLogin.isEnabled());
    const QStringList lines = testing_support::log().lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().contains(u"Permission denied"_s));
    EXPECT_TRUE(lines.last().contains(u"newValue"_s));
}
