// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "kit/PendingServices.h"

#include <gtest/gtest.h>

using kit_testing::Launches;

namespace {

struct RateAction : ::testing::Test {
    Launches launches;
    JXKit& secondLaunch = (launches.launch(), launches.launch());
    kit::PendingServices services{secondLaunch, launches.sim.platform(), launches.sharedSuite()};
    const kit::StoreApp gapsel =
        *kit::ownStoreRecord({std::nullopt, QStringLiteral("com.gapsel.Gapsel")});
};

QStringList opened(const platform::sim::SimWorkspace& workspace) {
    QStringList urls;
    for (const QUrl& url : workspace.openedUrls())
        urls.append(url.toString());
    return urls;
}

TEST_F(RateAction, TheFirstTimeAsksWhichWayEitherButtonGoesItsWay) {
    const QString webPage = QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel");
    const QString feedbackPage = QStringLiteral("https://gapsel.app/feedback?");
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
        const platform::Alert& alert = fresh.sim.alerts.shownAlerts().first();
        EXPECT_EQ(alert.message, QStringLiteral("Thanks for wanting to rate Gapsel"));
        EXPECT_TRUE(alert.informativeText.startsWith(QStringLiteral("If this is about a bug")));
        EXPECT_EQ(alert.buttons, (QStringList{QStringLiteral("Rate on the App Store"),
                                              QStringLiteral("Send Feedback to Developer")}));
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
    launches.sim.urlSchemes.installHandler(QStringLiteral("appstream"));
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(opened(launches.sim.workspace),
              (QStringList{QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel"),
                           QStringLiteral("appstream:com.gapsel.Gapsel")}));
}

TEST_F(RateAction, AReviewPageThatNothingOpensIsLoggedAndShown) {
    launches.sim.alerts.answerNext({platform::AlertAnswer::firstButtonResponse});
    launches.sim.workspace.refuseScheme(QStringLiteral("https"));
    services.rateApp(gapsel);
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(launches.sim.alerts.presentedErrors().size(), 1);
    EXPECT_TRUE(launches.sim.alerts.presentedErrors().first().description.contains(
        QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel")));
}

TEST(RateButton, LinuxNamesItsSoftwareCentre) {
    EXPECT_EQ(kit::rateInStoreButtonTitle(platform::TrayHostKind::Plasma),
              QStringLiteral("Rate in Software Centre"));
}

} // namespace
