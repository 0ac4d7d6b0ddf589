// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimApplication.h"

namespace platform::sim {

void SimApplication::whenFinishedLaunching(std::function<void()> handler) {
    waiting_.push_back(std::move(handler));
}

void SimApplication::finishLaunching() {
    auto handlers = std::move(waiting_);
    waiting_.clear();
    for (auto& handler : handlers)
        handler();
}

} // namespace platform::sim
