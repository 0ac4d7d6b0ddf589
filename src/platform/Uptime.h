// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace platform {

// How long the machine has been running, in seconds.
class Uptime {
public:
    virtual ~Uptime() = default;

    // Since boot, not counting time asleep.
    virtual double systemUptime() const = 0;
    // Since boot, counting time asleep.
    virtual double uptimeIncludingSleep() const = 0;
};

} // namespace platform
