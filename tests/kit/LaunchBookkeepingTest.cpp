// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"

#include <gtest/gtest.h>

using kit_testing::Launches;

namespace {

QVariant stored(Launches& launches, const char* key) {
    return launches.suite().persistentDomain().value(QString::fromLatin1(key));
}

TEST(LaunchBookkeeping, FirstLaunchCountsOneAndRecordsTheDate) {
    Launches launches;
    JXKit& kit = launches.launch();

    EXPECT_EQ(kit.launchCount(), 1);
    EXPECT_TRUE(kit.isFirstLaunch());
    EXPECT_FALSE(kit.isSecondLaunch());
    EXPECT_FALSE(kit.wasRelaunched());
    const QDateTime now = launches.sim.queue.now();
    EXPECT_EQ(kit.firstLaunchDate(), now);
    EXPECT_EQ(kit.launchDate(), now);
    EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(qint64(1)));
    EXPECT_EQ(stored(launches, "JX_firstLaunchDate").toDateTime(), now);
}

TEST(LaunchBookkeeping, LaterLaunchesCountOnAndKeepTheFirstDate) {
    Launches launches;
    const QDateTime firstDate = launches.launch().firstLaunchDate();
    launches.sim.queue.advance(86400);
    JXKit& second = launches.launch();

    EXPECT_EQ(second.launchCount(), 2);
    EXPECT_TRUE(second.isSecondLaunch());
    EXPECT_FALSE(second.isFirstLaunch());
    EXPECT_EQ(second.firstLaunchDate(), firstDate);
    EXPECT_EQ(second.launchDate(), launches.sim.queue.now());

    // A relaunch is a launch like any other for the first-launch date.
    launches.suite().set(true, QStringLiteral("JXApp_wasRelaunched"));
    launches.sim.queue.advance(86400);
    JXKit& third = launches.launch();
    EXPECT_EQ(third.launchCount(), 3);
    EXPECT_EQ(third.firstLaunchDate(), firstDate);
    EXPECT_EQ(stored(launches, "JX_firstLaunchDate").toDateTime(), firstDate);
}

TEST(LaunchBookkeeping, WasRelaunchedIsSeenByOneLaunchOnly) {
    Launches launches;
    launches.suite().set(true, QStringLiteral("JXApp_wasRelaunched"));

    EXPECT_TRUE(launches.launch().wasRelaunched());
    EXPECT_FALSE(stored(launches, "JXApp_wasRelaunched").isValid());
    EXPECT_FALSE(launches.launch().wasRelaunched());
}

TEST(LaunchBookkeeping, RunOnceAnswersTrueOncePerIdentifierAcrossLaunches) {
    Launches launches;
    JXKit& first = launches.launch();
    EXPECT_TRUE(first.runOnce(QStringLiteral("rateOnTheAppStorePrompt")));
    EXPECT_FALSE(first.runOnce(QStringLiteral("rateOnTheAppStorePrompt")));
    JXKit& later = launches.launch();
    EXPECT_FALSE(later.runOnce(QStringLiteral("rateOnTheAppStorePrompt")));
    EXPECT_TRUE(later.runOnce(QStringLiteral("rateOnTheAppStorePrompt ")));
    EXPECT_EQ(stored(launches, "JX_App_runOnce__rateOnTheAppStorePrompt"), QVariant(true));
}

TEST(LaunchBookkeeping, WrongTypedBookkeepingReadsAsAbsentAndIsRepaired) {
    Launches launches;
    launches.suite().set(QStringLiteral("seven"), QStringLiteral("JX_launchCount"));
    launches.suite().set(QStringLiteral("yesterday"), QStringLiteral("JX_firstLaunchDate"));
    launches.suite().set(qint64(1), QStringLiteral("JX_App_runOnce__hint"));
    launches.suite().set(QStringLiteral("yes"), QStringLiteral("JXApp_wasRelaunched"));

    JXKit& kit = launches.launch();

    EXPECT_EQ(kit.launchCount(), 1);
    EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(qint64(1)));
    EXPECT_EQ(kit.firstLaunchDate(), launches.sim.queue.now());
    EXPECT_EQ(stored(launches, "JX_firstLaunchDate"), QVariant(launches.sim.queue.now()));
    EXPECT_FALSE(kit.wasRelaunched());
    EXPECT_TRUE(kit.runOnce(QStringLiteral("hint")));
    EXPECT_EQ(stored(launches, "JX_App_runOnce__hint"), QVariant(true));
}

TEST(LaunchBookkeeping, SettingsOpenAfterARelaunchThatAskedForThem) {
    Launches launches;
    int opened = 0;
    launches.sim.settingsWindow.installOpener([&] { ++opened; });

    launches.launch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(opened, 0);

    launches.suite().set(true, QStringLiteral("JX_isShowingSettingsAfterRelaunch"));
    launches.launch();
    EXPECT_FALSE(stored(launches, "JX_isShowingSettingsAfterRelaunch").isValid());
    EXPECT_EQ(opened, 0) << "opening waits for the main queue";
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(opened, 1);
}

TEST(LaunchBookkeeping, LaunchArgumentsAreCapturedWhenLaunchingFinishes) {
    Launches launches;
    launches.sim.application.setLaunchArguments({QStringLiteral("gapsel"), QStringLiteral("--x")});
    JXKit& kit = launches.launch();
    EXPECT_FALSE(kit.launchArguments());

    launches.sim.application.finishLaunching();
    ASSERT_TRUE(kit.launchArguments());
    EXPECT_EQ(*kit.launchArguments(),
              QStringList({QStringLiteral("gapsel"), QStringLiteral("--x")}));
}

TEST(LaunchBookkeeping, QuitEndsTheApplicationFromTheMainQueue) {
    Launches launches;
    JXKit& kit = launches.launch();
    launches.sim.queue.runUntilIdle();

    kit.quit();
    EXPECT_EQ(launches.sim.application.terminateRequests(), 0);
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(launches.sim.application.terminateRequests(), 1);

    kit.quit(true);
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(launches.sim.application.exitRequests(), 1);
    EXPECT_EQ(launches.sim.application.terminateRequests(), 1);
}

} // namespace
