// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/PostLaunchStep.h"

using namespace Qt::StringLiterals;

using separators_testing::separator;
using separators_testing::SeparatorsTest;

namespace {

class PostLaunchStepTest : public SeparatorsTest {
protected:
    explicit PostLaunchStepTest(qint64 earlierLaunches = 0)
        : SeparatorsTest(earlierLaunches) {}

    // As the application does it: the step is queued, the separators shown.
    void launch() {
        sim.queue.async([this] { step.run(); });
        start();
    }

    app::PostLaunchStep step{*kit, pending, pending, statusItems, sim.queue};
};

TEST_F(PostLaunchStepTest, TheFirstLaunchGreetsTheFirstSeparatorThenChecksIt) {
    store({separator(u"·"), separator(u"|")});
    launch();
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});

    sim.queue.advance(0.999);
    EXPECT_EQ(pending.calls.size(), 1);
    sim.queue.advance(0.001);
    ASSERT_EQ(pending.calls.size(), 2);
    EXPECT_EQ(pending.greeted.get(), static_cast<platform::StatusItem*>(&item(0)));

    // The check waits for the greeting to be dealt with, then 0.2 s more.
    sim.queue.advance(5);
    pending.popoverCompletion();
    sim.queue.advance(0.199);
    EXPECT_EQ(pending.calls.size(), 2);
    sim.queue.advance(0.001);
    EXPECT_EQ(pending.calls.last(), u"visibility"_s);
    EXPECT_EQ(pending.checked, pending.greeted);
    EXPECT_EQ(pending.visibilityOptions.extraMessage, std::nullopt);
    EXPECT_FALSE(pending.visibilityOptions.showsOpenSettingsButton);
    EXPECT_TRUE(pending.visibilityOptions.showsSuppressionButton);
}

TEST_F(PostLaunchStepTest, ASeparatorGoneBeforeTheGreetingIsNeitherGreetedNorChecked) {
    launch();
    view.reset();
    sim.queue.advance(10);
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});
}

class LaterPostLaunchStepTest : public PostLaunchStepTest {
protected:
    LaterPostLaunchStepTest()
        : PostLaunchStepTest(1) {}
};

TEST_F(LaterPostLaunchStepTest, LaterLaunchesOnlyConsultTheReviewRequest) {
    launch();
    sim.queue.advance(10);
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});
}

} // namespace
