// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "kit/PendingServices.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using kit_testing::Launches;

namespace {

struct RateAction : ::testing::Test {
    Launches launches;
    JXKit& secondLaunch = (launches.launch(), launches.launch());
    kit::PendingServices services{secondLaunch, launches.sim.platform(), launches.sharedSuite()};
    const kit::StoreApp gapsel = *kit::ownStoreRecord({std::nullopt, u"com.gapsel.Gapsel"_s});
};

QStringList opened(const platform::sim::SimWorkspace& workspace) {
    QStringList urls;
    for (const QUrl& url : workspace.openedUrls())
        urls.append(url.toString());
    return urls;
}

TEST_F(RateAction, TheFirstTimeAsksWhichWayEitherButtonGoesItsWay) {
    const QString webPage = u"https://flathub.org/apps/com.gapsel.Gapsel"_s;
    const QString feedbackPage = u"https://gapsel.app/feedback?"_s;
    struct Case {
        int button;
        QString opened;
    };
    for (const Case& c : {Case{0, webPage}, Case{1, feedbackPage}, Case{2, {}}}) {
        Launches fresh;
        JXKit& kit = (fresh.launch(), fresh.launch());
        kit::PendingServices rating{kit, fresh.sim.platform(), fresh.sharedSuite()};
        fresh.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse + c.button});
        rating.rateApp(gapsel);
        EXPECT_TRUE(fresh.sim.alerts.shownAlerts().isEmpty()) << "the alert comes on a later turn";
        fresh.sim.queue.runUntilIdle();

        ASSERT_EQ(fresh.sim.alerts.shownAlerts().size(), 1);
        EXPECT_EQ(fresh.sim.alerts.shownAlerts().first().buttons,
                  (QStringList{u"Rate on the App Store"_s, u"Send Feedback to Developer"_s}));
        const QStringList urls = opened(fresh.sim.workspace);
        EXPECT_EQ(urls.size(), c.opened.isEmpty() ? 0 : 1) << c.button;
        EXPECT_TRUE(urls.isEmpty() || urls.first().startsWith(c.opened)) << c.button;
    }
}

TEST_F(RateAction, LaterTimesOpenTheReviewPageDirectlyInTheSoftwareCentreWhenThereIsOne) {
    launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse + 2});
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();
    services.rateApp(gapsel);
    launches.sim.urlSchemes.installHandler(u"appstream"_s);
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(opened(launches.sim.workspace),
              (QStringList{u"https://flathub.org/apps/com.gapsel.Gapsel"_s,
                           u"appstream:com.gapsel.Gapsel"_s}));
}

TEST_F(RateAction, AReviewPageThatNothingOpensIsLoggedAndShown) {
    launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse});
    launches.sim.workspace.refuseScheme(u"https"_s);
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(launches.sim.alerts.presentedErrors().size(), 1);
    EXPECT_TRUE(launches.sim.alerts.presentedErrors().first().description.contains(
        u"https://flathub.org/apps/com.gapsel.Gapsel"_s));
}

} // namespace
