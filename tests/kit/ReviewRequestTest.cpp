// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ReviewRequest.h"
#include "KitTestSupport.h"
#include "debug/InMemoryLog.h"
#include "kit/LaunchKeys.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using kit_testing::Launches;

namespace {

constexpr double day = 86400;
const QList<int> milestones{6, 100, 500};

struct ReviewRequest : ::testing::Test {
    Launches launches;

    // One launch `daysLater` after the previous one, consulting the service as
    // the application does.
    bool launch(double daysLater = 1) {
        launches.sim.queue.advance(daysLater * day);
        JXKit& kit = launches.launch();
        return kit::requestReviewIfNeeded(kit, launches.sharedSuite(), launches.sim.queue.now(),
                                          milestones);
    }
    qint64 count() { return Defaults::get(kit::reviewRequestCount(launches.sharedSuite())); }
};

TEST_F(ReviewRequest, TheFirstTwoLaunchesNeverCountWhateverTheDate) {
    EXPECT_FALSE(launch(0));
    EXPECT_FALSE(launch(30));
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(launches.suite().persistentDomain().contains(u"JXApp_requestReview"_s));
}

TEST_F(ReviewRequest, TheFirstWeekNeverCountsThenTheSixthCountedLaunchIsAMilestone) {
    launch(0);
    launch(3);
    EXPECT_FALSE(launch(4)); // exactly seven days after the first
    EXPECT_EQ(count(), 0);
    debug::InMemoryLog::shared().clear();
    for (int counted = 1; counted <= 5; ++counted) {
        EXPECT_FALSE(launch(1));
        EXPECT_EQ(count(), counted);
    }
    EXPECT_TRUE(debug::InMemoryLog::shared().lines().isEmpty());
    EXPECT_TRUE(launch(1));
    EXPECT_EQ(count(), 6);
    EXPECT_TRUE(
        debug::InMemoryLog::shared().lines().join(QLatin1Char('\n')).contains(u"milestone 6"_s));
    EXPECT_FALSE(launch(1));
}

TEST_F(ReviewRequest, AFirstLaunchDatedInTheFutureKeepsItSilentUntilAWeekAfterThatDate) {
    launch(0);
    launch(1);
    const QDateTime future = launches.sim.queue.now().addDays(30);
    Defaults::set(kit::launchKeys::firstLaunchDate(launches.sharedSuite()),
                  std::optional<QDateTime>(future));
    EXPECT_FALSE(launch(1));
    EXPECT_FALSE(launch(35));
    EXPECT_EQ(count(), 0);
    launch(3);
    EXPECT_EQ(count(), 1);
}

} // namespace
