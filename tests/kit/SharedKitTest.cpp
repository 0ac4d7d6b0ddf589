// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The process's kit is made once, where the application is wired together: a
// second creation could not take its arguments into account, so it ends the
// process instead of handing back a kit made with others.

#include "KitTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedKitDeathTest, IsMadeWithTheGivenDomainAndOnlyOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            kit_testing::Launches launches;
            const JXKit& kit = JXKit::shared(launches.sim.platform(), launches.sharedSuite(), {});
            if (&JXKit::shared() != &kit || kit.defaults() != launches.sharedSuite())
                return;
            JXKit::shared(launches.sim.platform(), launches.sharedSuite(), {});
        },
        "created its kit a second time");
}

} // namespace
