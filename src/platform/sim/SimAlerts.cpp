// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimAlerts.h"

#include <algorithm>

namespace platform::sim {

AlertAnswer SimAlerts::run(const Alert& alert) {
    shown_.append(alert);
    if (!script_.empty()) {
        const AlertAnswer answer = script_.front();
        script_.pop_front();
        return answer;
    }
    const auto lastButton = std::max<qsizetype>(alert.buttons.size() - 1, 0);
    return AlertAnswer{AlertAnswer::firstButtonResponse + static_cast<int>(lastButton), false};
}

} // namespace platform::sim
