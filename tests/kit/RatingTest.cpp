// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "keys/GapselKeys.h"
#include "kit/PendingServices.h"
#include "kit/ReviewRequest.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using kit_testing::Launches;

namespace {

struct RateAction : ::testing::Test {
    Launches launches;
    JXKit& secondLaunch = (launches.launch(), launches.launch());
    kit::PendingServices services{secondLaunch, launches.sim.platform(), launches.suite()};
    const kit::StoreApp gapsel =
        *kit::ownStoreRecord({std::nullopt, u"2873401956"_s}, launches.sim.store);
    const QUrl reviewPage{u"macappstore://apps.apple.com/app/id2873401956?action=write-review"_s};
};

// The first time asks which way, on a later turn; closed without a choice, it
// opens nothing. Later times open the store's review page directly.
TEST_F(RateAction, AsksTheFirstTimeThenOpensTheReviewPage) {
    launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse + 2});
    services.rateApp(gapsel);
    EXPECT_TRUE(launches.sim.alerts.shownAlerts().isEmpty());
    launches.sim.queue.runUntilIdle();
    ASSERT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(launches.sim.alerts.shownAlerts().first().buttons,
              (QStringList{u"Rate on the App Store"_s, u"Send Feedback to Developer"_s}));
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(launches.sim.workspace.openedUrls(), QList<QUrl>{reviewPage});
}

TEST_F(RateAction, AReviewPageThatNothingOpensIsLoggedAndShown) {
    launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse});
    launches.sim.workspace.refuseScheme(u"macappstore"_s);
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(launches.sim.alerts.shownAlerts().size(), 2);
    EXPECT_TRUE(launches.sim.alerts.shownAlerts().last().message.contains(
        reviewPage.toString(QUrl::RemoveQuery)));
}

constexpr double day = 86400;
const QList<int> milestones{6, 100, 500};

struct ReviewRequest : ::testing::Test {
    Launches launches;

    // One launch `daysLater` after the previous one, consulting the service as
    // the application does.
    bool launch(double daysLater = 1) {
        launches.sim.queue.advance(daysLater * day);
        JXKit& kit = launches.launch();
        return kit::requestReviewIfNeeded(kit, launches.suite(), launches.sim.queue.now(),
                                          milestones);
    }
    qint64 count() { return Defaults::get(keys::reviewRequestCount(launches.suite())); }
};

TEST_F(ReviewRequest, TheFirstWeekNeverCountsThenTheSixthCountedLaunchIsAMilestone) {
    launch(0);
    launch(3);
    EXPECT_FALSE(launch(4)); // exactly seven days after the first
    for (int counted = 1; counted <= 5; ++counted) {
        EXPECT_FALSE(launch(1));
        EXPECT_EQ(count(), counted);
    }
    EXPECT_EQ(launches.sim.store.reviewRequests, 0);
    EXPECT_TRUE(launch(1));
    EXPECT_EQ(count(), 6);
    EXPECT_EQ(launches.sim.store.reviewRequests, 1) << "the desktop is asked for its prompt";
    EXPECT_FALSE(launch(1));
    EXPECT_EQ(launches.sim.store.reviewRequests, 1);
}

// The first two launches never count, whatever the date.
TEST_F(ReviewRequest, AFirstLaunchDatedInTheFutureKeepsItSilentUntilAWeekAfterThatDate) {
    EXPECT_FALSE(launch(0));
    EXPECT_FALSE(launch(30));
    EXPECT_FALSE(launches.suite()->persistentDomain().contains(u"JXApp_requestReview"_s));
    const QDateTime future = launches.sim.queue.now().addDays(30);
    Defaults::set(keys::firstLaunchDate(launches.suite()), std::optional<QDateTime>(future));
    EXPECT_FALSE(launch(1));
    EXPECT_FALSE(launch(35));
    EXPECT_EQ(count(), 0);
    launch(3);
    EXPECT_EQ(count(), 1);
}

} // namespace
