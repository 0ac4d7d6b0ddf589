// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDateTime>

#include <functional>

namespace platform {

// The thread that runs the user interface, seen as a queue of work. Every wait
// of the program's logic ("do this in one second") is a continuation scheduled
// here, never a sleeping thread.
class MainQueue {
public:
    virtual ~MainQueue() = default;

    // Runs `work` on a later turn of the queue, after the work already queued.
    virtual void async(std::function<void()> work) = 0;
    // Runs `work` once `seconds` have passed on this queue's clock.
    virtual void asyncAfter(double seconds, std::function<void()> work) = 0;
    // The current time on this queue's clock (UTC).
    virtual QDateTime now() const = 0;
};

} // namespace platform
