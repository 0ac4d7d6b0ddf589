// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Uptime.h"

namespace platform::xdg {

// The kernel's clocks: CLOCK_MONOTONIC stops while the machine sleeps,
// CLOCK_BOOTTIME does not.
class ClockUptime final : public Uptime {
public:
    double systemUptime() const override;
    double uptimeIncludingSleep() const override;
};

} // namespace platform::xdg
