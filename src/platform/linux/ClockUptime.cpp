// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/ClockUptime.h"

#include <ctime>

namespace platform::xdg {

namespace {
double secondsOf(clockid_t clock) {
    timespec now{};
    if (clock_gettime(clock, &now) != 0)
        return 0;
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
} // namespace

double ClockUptime::systemUptime() const {
    return secondsOf(CLOCK_MONOTONIC);
}

double ClockUptime::uptimeIncludingSleep() const {
    return secondsOf(CLOCK_BOOTTIME);
}

} // namespace platform::xdg
