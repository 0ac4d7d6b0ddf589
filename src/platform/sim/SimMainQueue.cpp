// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimMainQueue.h"

#include <cmath>

namespace platform::sim {

SimMainQueue::SimMainQueue(QDateTime start)
    : start_(std::move(start)) {}

void SimMainQueue::async(std::function<void()> work) {
    asyncAfter(0, std::move(work));
}

void SimMainQueue::asyncAfter(double seconds, std::function<void()> work) {
    const auto delay = static_cast<std::int64_t>(std::llround(std::max(seconds, 0.0) * 1e6));
    queue_.emplace(Due{nowMicros_ + delay, sequence_++}, std::move(work));
}

QDateTime SimMainQueue::now() const {
    return start_.addMSecs(nowMicros_ / 1000);
}

bool SimMainQueue::runNextDueBy(std::int64_t limitMicros) {
    if (queue_.empty() || queue_.begin()->first.first > limitMicros)
        return false;
    auto node = queue_.extract(queue_.begin());
    nowMicros_ = std::max(nowMicros_, node.key().first);
    node.mapped()();
    return true;
}

int SimMainQueue::runUntilIdle() {
    int ran = 0;
    while (runNextDueBy(nowMicros_))
        ++ran;
    return ran;
}

void SimMainQueue::advance(double seconds) {
    const auto target = nowMicros_ + static_cast<std::int64_t>(std::llround(seconds * 1e6));
    while (runNextDueBy(target)) {
    }
    nowMicros_ = target;
}

} // namespace platform::sim
