// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimMainQueue.h"

#include <gtest/gtest.h>

#include <vector>

using platform::sim::SimMainQueue;

TEST(SimMainQueue, RunsQueuedWorkInOrderIncludingWorkQueuedWhileRunning) {
    SimMainQueue queue;
    std::vector<int> order;
    queue.async([&] {
        order.push_back(1);
        queue.async([&] { order.push_back(3); });
    });
    queue.async([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(queue.runUntilIdle(), 3);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(SimMainQueue, DelayedWorkRunsWhenTheClockReachesItCountingFromWhenItWasQueued) {
    SimMainQueue queue;
    const auto start = queue.now();
    std::vector<double> ranAt;
    auto record = [&] { ranAt.push_back(start.msecsTo(queue.now()) / 1000.0); };
    queue.asyncAfter(1.0, [&] {
        record();
        queue.asyncAfter(0.2, record);
    });
    queue.asyncAfter(0.2, record);
    EXPECT_EQ(queue.runUntilIdle(), 0);
    queue.advance(0.5);
    EXPECT_EQ(ranAt, (std::vector<double>{0.2}));
    queue.advance(0.6);
    EXPECT_EQ(ranAt, (std::vector<double>{0.2, 1.0}));
    queue.advance(0.1);
    EXPECT_EQ(ranAt, (std::vector<double>{0.2, 1.0, 1.2}));
    EXPECT_EQ(queue.pendingCount(), 0);
}
