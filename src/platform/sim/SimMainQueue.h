// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/MainQueue.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace platform::sim {

// A main queue driven by hand: nothing runs until a test asks, and time moves
// only when the test advances it. A five-second wait takes no time and runs the
// same way every time.
class SimMainQueue final : public MainQueue {
public:
    explicit SimMainQueue(QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(9, 0),
                                                      QTimeZone::utc()));

    void async(std::function<void()> work) override;
    void asyncAfter(double seconds, std::function<void()> work) override;
    QDateTime now() const override;

    // Runs everything that is due now, including work that running work queues
    // for now; returns how many items ran.
    int runUntilIdle();
    // Moves the clock forward by `seconds`, running every item that falls due on
    // the way, in time order, with the clock set to each item's due time.
    void advance(double seconds);
    // Items waiting, due now or later.
    int pendingCount() const { return static_cast<int>(queue_.size()); }

private:
    using Due = std::pair<std::int64_t, std::uint64_t>; // (due time in µs, sequence)
    bool runNextDueBy(std::int64_t limitMicros);

    QDateTime start_;
    std::int64_t nowMicros_ = 0;
    std::uint64_t sequence_ = 0;
    std::map<Due, std::function<void()>> queue_;
};

} // namespace platform::sim
