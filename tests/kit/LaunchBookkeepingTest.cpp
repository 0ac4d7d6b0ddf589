// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using kit_testing::Launches;

namespace {

QVariant stored(Launches& launches, const char* key) {
    return launches.suite().persistentDomain().value(QString::fromLatin1(key));
}

// Each launch a day after the last; the third follows a relaunch, which is a
// launch like any other for the count and the first-launch date.
TEST(LaunchBookkeeping, LaunchesCountOnAndKeepTheFirstDate) {
    Launches launches;
    const QDateTime firstDate = launches.sim.queue.now();
    for (qint64 count = 1; count <= 3; ++count) {
        SCOPED_TRACE(count);
        if (count == 3)
            launches.suite().set(true, u"JXApp_wasRelaunched"_s);
        JXKit& kit = launches.launch();
        EXPECT_EQ(kit.launchCount(), count);
        EXPECT_EQ(kit.isFirstLaunch(), count == 1);
        EXPECT_EQ(kit.isSecondLaunch(), count == 2);
        EXPECT_EQ(kit.wasRelaunched(), count == 3);
        EXPECT_EQ(kit.firstLaunchDate(), firstDate);
        EXPECT_EQ(kit.launchDate(), launches.sim.queue.now());
        EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(count));
        EXPECT_EQ(stored(launches, "JX_firstLaunchDate").toDateTime(), firstDate);
        launches.sim.queue.advance(86400);
    }
}

TEST(LaunchBookkeeping, RunOnceAnswersTrueOncePerIdentifierAcrossLaunches) {
    Launches launches;
    JXKit& first = launches.launch();
    EXPECT_TRUE(first.runOnce(u"rateOnTheAppStorePrompt"_s));
    EXPECT_FALSE(first.runOnce(u"rateOnTheAppStorePrompt"_s));
    JXKit& later = launches.launch();
    EXPECT_FALSE(later.runOnce(u"rateOnTheAppStorePrompt"_s));
    EXPECT_TRUE(later.runOnce(u"rateOnTheAppStorePrompt "_s));
    EXPECT_EQ(stored(launches, "JX_App_runOnce__rateOnTheAppStorePrompt"), QVariant(true));
}

TEST(LaunchBookkeeping, WrongTypedBookkeepingReadsAsAbsentAndIsRepaired) {
    Launches launches;
    launches.suite().set(u"seven"_s, u"JX_launchCount"_s);
    launches.suite().set(u"yesterday"_s, u"JX_firstLaunchDate"_s);
    launches.suite().set(qint64(1), u"JX_App_runOnce__hint"_s);
    launches.suite().set(u"yes"_s, u"JXApp_wasRelaunched"_s);

    JXKit& kit = launches.launch();

    EXPECT_EQ(kit.launchCount(), 1);
    EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(qint64(1)));
    EXPECT_EQ(kit.firstLaunchDate(), launches.sim.queue.now());
    EXPECT_EQ(stored(launches, "JX_firstLaunchDate"), QVariant(launches.sim.queue.now()));
    EXPECT_FALSE(kit.wasRelaunched());
    EXPECT_TRUE(kit.runOnce(u"hint"_s));
    EXPECT_EQ(stored(launches, "JX_App_runOnce__hint"), QVariant(true));
}

TEST(LaunchBookkeeping, LaunchArgumentsAreCapturedWhenLaunchingFinishes) {
    Launches launches;
    launches.sim.application.setLaunchArguments({u"gapsel"_s, u"--x"_s});
    JXKit& kit = launches.launch();
    EXPECT_FALSE(kit.launchArguments());

    launches.sim.application.finishLaunching();
    ASSERT_TRUE(kit.launchArguments());
    EXPECT_EQ(*kit.launchArguments(), QStringList({u"gapsel"_s, u"--x"_s}));
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
