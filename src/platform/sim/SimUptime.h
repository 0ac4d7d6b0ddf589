// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Uptime.h"

namespace platform::sim {

// A machine that has run for the times a test sets.
class SimUptime final : public Uptime {
public:
    double systemUptime() const override { return systemUptime_; }
    double uptimeIncludingSleep() const override { return uptimeIncludingSleep_; }
    void set(double systemUptime, double includingSleep) {
        systemUptime_ = systemUptime;
        uptimeIncludingSleep_ = includingSleep;
    }

private:
    double systemUptime_ = 3600;
    double uptimeIncludingSleep_ = 7200;
};

} // namespace platform::sim
